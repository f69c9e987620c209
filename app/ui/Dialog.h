#pragma once

// The dialog base class: a window built from a template, controls addressed
// by id, a message map of handlers, timers, key pre-translation and message
// boxes. Dialog classes derive from it and never see a type of the window
// system: this header is the layer's contract, and each backend (app/ui/qt,
// app/ui/win32) implements it.
//
// Sizes and positions are pixels of 1/96 inch (device-independent): a
// backend on a screen of higher density scales them itself.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/DialogTemplate.h"
#include "app/ui/Font.h"
#include "app/ui/MessageMap.h"
#include "app/ui/Style.h"
#include "app/ui/WindowOwner.h"

namespace ui {

class ReportModel;
class DialogWindow;

class Dialog : public WindowOwner {
public:
    // `parent` is the dialog a child page lives in, or the owner of a modal
    // dialog; nullptr makes a modal dialog owned by the main window.
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modal: builds the window, runs it until EndDialog, returns IDOK or
    // IDCANCEL; -1 when the window could not be made (no such template, or
    // the window system refused it), and then WindowFailure() says why.
    int DoModal();
    const std::u16string& WindowFailure() const { return m_windowFailure; }
    // Child: builds the window inside the parent dialog, hidden unless the
    // template says WS_VISIBLE, and runs OnInitDialog. False without a parent
    // or template.
    bool Create();
    void EndDialog(int result);

    int TemplateId() const { return m_templateId; }
    Dialog* Parent() const { return m_parent; }
    bool HasWindow() const { return m_window != nullptr; }

    // Window.
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void MoveWindow(const Rect& rect);
    Rect GetClientRect() const;
    // The title-bar and task-bar picture, from the icon table, at the sizes
    // the window's screen wants. A backend may show it a moment after the
    // window (Qt's does, at the next turn of the event loop).
    void SetIcon(int iconId);
    std::u16string GetWindowText() const;

    // Controls by id.
    bool HasItem(int id) const;
    std::u16string GetItemText(int id) const;
    void SetItemText(int id, std::u16string_view text);
    void MoveItem(int id, const Rect& rect);
    Rect GetItemClientRect(int id) const;
    // The control draws its text in `font` until given another; the dialog
    // keeps `font` alive as long as that.
    void SetItemFont(int id, const Font& font);
    void SetFocusTo(int id);
    // Id of the control of this dialog that has the keyboard focus, or 0.
    int GetFocusId() const;

    bool GetCheck(int id) const;
    void SetCheck(int id, bool checked);
    void SetReadOnly(int id, bool readOnly);
    bool IsReadOnly(int id) const;

    // Drop-down lists. Add returns the index the item got; a sorted list
    // (CBS_SORT) inserts in one order on every system, whatever its language:
    // ASCII letters without regard to case, everything else by UTF-16 unit.
    // GetCurSel is -1 when nothing is selected.
    int ComboAddString(int id, std::u16string_view text);
    void ComboSetCurSel(int id, int index);
    int ComboGetCurSel(int id) const;
    int ComboGetCount(int id) const;
    std::u16string ComboGetItemText(int id, int index) const;

    // Report-view lists show a model owned by the caller; columns belong to
    // the list, as in a classic list control.
    void ReportSetModel(int id, ReportModel* model);
    void ReportInsertColumn(int id, int column, std::u16string_view heading, int width);
    int ReportGetColumnCount(int id) const;
    int ReportGetColumnWidth(int id, int column) const;
    StyleFlags ReportGetExtendedStyle(int id) const;
    void ReportSetExtendedStyle(int id, StyleFlags style);
    // The model the list shows, or nullptr.
    const ReportModel* ReportGetModel(int id) const;
    // The clipboard gets a row as one line of tab-separated cells, or one
    // cell; when `row` is part of the selection, every selected row, a line
    // each, top first (ReportCopy.h).
    void ReportCopyRow(int id, int row) const;
    void ReportCopyCell(int id, int row, int column) const;
    // The given rows, as ReportCopyRow copies them; nothing for none.
    void ReportCopyRows(int id, const std::vector<int>& rows) const;
    // What a command on `row` acts on: every selected row, top first, when
    // `row` is one of them, else `row` alone.
    std::vector<int> ReportRowsActedOn(int id, int row) const;
    // Plain text on the clipboard, put there by this dialog's window; lines
    // are separated by "\n" (a backend ends them as its system's text does).
    // When the system refuses, the user is told in a message box, and false
    // comes back.
    bool SetClipboardText(std::u16string_view text) const;
    // The clipboard's text, its lines separated by "\n" whatever the system
    // ends them with; nothing when it holds no text.
    std::optional<std::u16string> GetClipboardText() const;

    // Timers deliver Notification::Timer with the id until killed. Ids are
    // nonzero (a window-system timer's id 0 is no timer of the window's).
    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool IsTimerRunning(int id) const;

    // Modal message box owned by this dialog; returns IDOK.
    int MessageBox(std::u16string_view text, std::u16string_view caption, StyleFlags style);

    // The window menu (the system menu on Windows). It holds first the
    // standard commands the window's style allows, as SC_ commands: SC_CLOSE
    // always, SC_MINIMIZE exactly with WS_MINIMIZEBOX, SC_MAXIMIZE only with
    // WS_MAXIMIZEBOX, SC_SIZE only with WS_THICKFRAME, and SC_RESTORE and
    // SC_MOVE where the window system offers them; then the dialog's own
    // items, appended here. A chosen item arrives as Notification::SysCommand;
    // before the menu opens the dialog gets Notification::InitMenu, to enable
    // or disable its items.
    void AppendWindowMenuSeparator();
    void AppendWindowMenuItem(int command, std::u16string_view text);
    void EnableWindowMenuItem(int command, bool enabled);
    bool IsWindowMenuItemEnabled(int command) const;

    // A shortcut menu at the mouse pointer, run until an item is chosen or
    // it is dismissed; the chosen item's command, or 0.
    struct MenuItem {
        int command = 0;  // ignored for an item that opens a submenu
        std::u16string text;
        std::vector<MenuItem> submenu = {};
        bool enabled = true;  // shown greyed and not choosable when false
    };
    int TrackPopupMenu(const std::vector<MenuItem>& items);

    // Called by the layer.
    virtual bool OnInitDialog() { return true; }
    // A key-down (its VK_ code, Style.h), offered to the dialog holding the
    // focus and then to its parents; true consumes it.
    bool PreTranslateKeyDown(int key) override;
    void OnOK() override { EndDialog(IDOK); }
    void OnCancel() override { EndDialog(IDCANCEL); }
    // The standard window-menu commands; dialogs that map SysCommand call
    // this for the commands they do not handle.
    void DefaultSysCommand(int command) override;

    bool Deliver(const Event& event) override;
    void WindowDestroyed() override;
    const Dialog* AsDialog() const override { return this; }

protected:
    virtual bool DispatchEvent(const Event&) { return false; }

private:
    friend class DialogAccess;
    // A top-level window shown without a modal loop (DialogAccess).
    bool CreateModeless();
    bool Build(bool child);
    // What building a window does alike on every backend: the owner a
    // top-level window gets (the dialog's parent, else the main window), and
    // the template's combo items, in order, the way a sorted list takes them.
    Dialog* TopLevelOwner();
    // The template, or nullptr with the failure noted.
    const DialogTemplate* TemplateToBuild();
    void FillTemplateCombos();
    // Inserts an item at `index` whatever the list's sorting; the index it got.
    int ComboInsertAt(int id, int index, std::u16string_view text);

    int m_templateId;
    Dialog* m_parent;
    std::u16string m_windowFailure;
    std::unique_ptr<DialogWindow> m_window;
};

}  // namespace ui

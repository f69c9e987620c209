#pragma once

// The Win32 window behind a ui::Dialog: a real dialog that the dialog manager
// makes from the template, its controls the template's own child windows.
// Internal to the layer: dialog classes reach it only through ui::Dialog.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/Font.h"
#include "app/ui/WindowOwner.h"
#include "app/ui/win32/Windows.h"

namespace ui {

class ReportList;

class DialogWindow {
public:
    // Makes the window (hidden) from the template: inside `parent` for a
    // page, owned by `parent` (or nothing) for a top-level window.
    DialogWindow(WindowOwner& owner, const DialogTemplate& dialogTemplate, HWND parent, bool child);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    bool Created() const { return m_hwnd != nullptr; }
    // Why the window was not made (GetLastError's code), when it was not.
    DWORD CreationError() const { return m_creationError; }
    HWND Handle() const { return m_hwnd; }
    WindowOwner* Owner() const { return m_owner; }
    void DetachOwner() { m_owner = nullptr; }
    bool IsChild() const { return m_child; }
    const DialogTemplate& Template() const { return m_template; }
    int TemplateId() const { return m_template.id; }

    HWND Control(int id) const;
    // Every control in template order.
    const std::vector<HWND>& TemplateControls() const { return m_templateControls; }
    // The id of the control `window` is or lies in, or 0.
    int IdOf(HWND window) const;
    ReportList* List(int id) const;

    // The density the window is drawn at: the system's when it was made,
    // then what each WM_DPICHANGED says.
    int Dpi() const { return m_dpi; }
    // The same of any window: its dialog's, or the system's for a window of
    // no dialog of the layer's.
    static int DpiOf(HWND window);
    // Pixels of this window's screen for the contract's pixels (1/96 inch),
    // and back.
    int ToDevice(int dips) const;
    int ToDips(int devicePixels) const;
    // The dialog base units the template is laid out with, in the contract's
    // pixels.
    BaseUnits Units() const;

    // What a DPI change must carry over: the font the program gave a control
    // (made again at the new DPI), a control the program placed itself
    // (scaled, not put back where the template has it), the icon.
    void NoteItemFont(HWND control, const Font& font);
    void NotePlacedByProgram(HWND control) { m_placedByProgram.insert(control); }
    void SetIcon(int iconId);

    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool IsTimerRunning(int id) const { return m_timers.count(id) != 0; }

    bool HasMinimizeBox() const;
    // A group of radio buttons is one tab stop, on its checked button (the
    // first when none is); kept so whoever set the checks.
    void KeepRadioTabStop(HWND radio);
    void FocusFirstTabStop();
    // The size notification a window first gets comes while it is being
    // made, before its initialisation has built what lays out by it: this
    // one more, once initialised, makes the first layout a user sees the one
    // resizing keeps (as on the Qt backend, whose first show sends one).
    void NotifyInitialSize();
    // A top-level window's place before it first shows: centred over its
    // owner, or in the work area of its monitor when it has none, and kept
    // inside that work area.
    void PlaceOnScreen();
    // A modal run disabled `owner`, which End enables again.
    void EnableOnEnd(HWND owner) { m_ownerToEnable = owner; }
    // Ends a modal run (or hides a window shown without one). As EndDialog
    // does, the owner is enabled before the window hides, so that Windows
    // hands the activation back to it and not to another program.
    void End(int result);
    bool Ended() const { return m_ended; }
    int Result() const { return m_result; }
    void Restart() { m_ended = false; }

    // Where the next shortcut menu opens, in screen pixels.
    POINT MenuPoint() const { return m_menuPoint; }
    // The window-menu command being handled, with the message's own lParam,
    // for the default handling.
    LPARAM SysCommandParam() const { return m_sysCommandParam; }

    // The dialog a window belongs to: itself when it is one, else its
    // nearest ancestor that is.
    static DialogWindow* Of(HWND window);

    // The dialogs running modally now, the innermost last.
    static std::vector<DialogWindow*>& ModalRuns();

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void InitControls();
    void ApplyInitData();
    void NameControls();
    void Deliver(const Event& event);
    bool OnCommand(int id, int code, HWND control);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    void OnContextMenu(HWND from, POINT at);
    void OpenSystemMenu(POINT at);
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool OnGetDpiScaledSize(int dpi, SIZE& size) const;
    // Makes this dialog, its controls and its pages what they would be had
    // they been made at `dpi`: the template font and the program's fonts at
    // that size, every control where the template puts it at the new base
    // units (or scaled, where the program placed it), the columns and icons.
    void ScaleTo(int dpi);
    // The client size for `dpi`: the template's at that DPI's base units
    // while the window has the template's size, else the present one scaled.
    SIZE ClientSizeFor(int dpi) const;
    void ScaleControl(HWND control, std::size_t templateIndex, SIZE oldBase);
    void LoadIcons();
    void LoadIconStatics();
    HFONT DialogFont() const;
    void ReleaseDrawingObjects();
    void OpenLink(int id);

    WindowOwner* m_owner;
    const DialogTemplate& m_template;
    bool m_child;
    HWND m_hwnd = nullptr;
    std::map<int, HWND> m_controls;
    std::vector<HWND> m_templateControls;
    std::map<int, std::unique_ptr<ReportList>> m_lists;
    std::map<int, std::u16string> m_linkUrls;
    std::set<int> m_timers;
    DWORD m_creationError = 0;
    int m_dpi = 96;
    SIZE m_base{};              // base units in device pixels at m_dpi
    HFONT m_ownFont = nullptr;  // the template font remade for a new DPI
    std::map<HWND, const Font*> m_itemFonts;
    std::set<HWND> m_placedByProgram;
    int m_iconId = 0;
    HICON m_icons[2] = {};             // the title bar's, big and small; ours to destroy
    std::vector<HICON> m_staticIcons;  // given to icon statics after a DPI change
    HWND m_ownerToEnable = nullptr;
    bool m_ended = false;
    int m_result = 0;
    POINT m_menuPoint{};
    LPARAM m_sysCommandParam = 0;
};

namespace win32 {

// The top-level window of `dialog`'s window, or of the main window's when
// `dialog` is nullptr: the owner of what it opens. Null when there is none.
HWND TopLevelWindowOf(const Dialog* dialog);

}  // namespace win32

}  // namespace ui

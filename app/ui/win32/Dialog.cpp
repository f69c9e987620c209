// ui::Dialog on the Windows API: real dialogs made by the dialog manager from
// in-memory templates, controls by their template ids.
#include "app/ui/Dialog.h"

#include <algorithm>

#include "app/ui/DialogAccess.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Fonts.h"
#include "app/ui/win32/MessageLoop.h"
#include "app/ui/win32/Module.h"
#include "app/ui/win32/ReportList.h"
#include "app/ui/win32/Text.h"

namespace ui {

namespace {

HWND ControlOf(const Dialog& dialog, int id) {
    const DialogWindow* window = ui::DialogAccess::WindowOf(dialog);
    return window != nullptr ? window->Control(id) : nullptr;
}

ReportList* ListOf(const Dialog& dialog, int id) {
    const DialogWindow* window = ui::DialogAccess::WindowOf(dialog);
    return window != nullptr ? window->List(id) : nullptr;
}

// A window's client rectangle in the contract's pixels.
Rect ClientRectOf(const DialogWindow& window, HWND handle) {
    RECT client{};
    GetClientRect(handle, &client);
    return Rect{0, 0, window.ToDips(client.right), window.ToDips(client.bottom)};
}

// A control's client area with its frame counted at the thickness it has at
// 96 DPI. Windows draws a control's border and 3-D edge the same number of
// device pixels thick at any DPI, so its client alone, in the contract's
// pixels, would grow against the control as the DPI rises, and a layout that
// takes a client from a window (the main window's page height) would move.
// A scroll bar scales with the DPI, and is converted as it is.
Rect ControlClientRectOf(const DialogWindow& window, HWND control) {
    RECT frame{};
    RECT client{};
    GetWindowRect(control, &frame);
    GetClientRect(control, &client);
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const auto dpi = static_cast<UINT>(window.Dpi());
    const int scrollWidth =
        (style & WS_VSCROLL) != 0 ? GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) : 0;
    const int scrollHeight =
        (style & WS_HSCROLL) != 0 ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int edgeWidth = width - client.right - scrollWidth;
    const int edgeHeight = height - client.bottom - scrollHeight;
    return Rect{0, 0, window.ToDips(width) - edgeWidth - window.ToDips(scrollWidth),
                window.ToDips(height) - edgeHeight - window.ToDips(scrollHeight)};
}

void AppendItems(HMENU menu, const std::vector<Dialog::MenuItem>& items) {
    for (const Dialog::MenuItem& item : items) {
        const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
        if (item.submenu.empty()) {
            AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(item.command),
                        win32::Wide(item.text));
        } else {
            HMENU submenu = CreatePopupMenu();
            AppendItems(submenu, item.submenu);
            AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu),
                        win32::Wide(item.text));
        }
    }
}

}  // namespace

Dialog::Dialog(int templateId, Dialog* parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() {
    if (m_window != nullptr) {
        m_window->DetachOwner();
        m_window.reset();
    }
}

void Dialog::WindowDestroyed() {
    // The window system destroyed the window (its parent went first); the
    // object stays this dialog's to release.
}

bool Dialog::Build(bool child) {
    const DialogTemplate* dialogTemplate = TemplateToBuild();
    if (dialogTemplate == nullptr || (m_window != nullptr && m_window->Created())) {
        return false;
    }
    HWND parent = nullptr;
    if (child) {
        if (m_parent == nullptr || m_parent->m_window == nullptr) {
            return false;
        }
        parent = m_parent->m_window->Handle();
    } else if (Dialog* owner = TopLevelOwner()) {
        parent = GetAncestor(owner->m_window->Handle(), GA_ROOT);
    }
    m_window = std::make_unique<DialogWindow>(*this, *dialogTemplate, parent, child);
    if (!m_window->Created()) {
        const DWORD error = m_window->CreationError();
        m_windowFailure = error != 0 ? win32::SystemMessage(error) : u"系统未能创建窗口。";
        m_window.reset();
        return false;
    }
    FillTemplateCombos();
    return true;
}

int Dialog::DoModal() {
    if (!Build(false)) {
        return -1;
    }
    const HWND window = m_window->Handle();
    const HWND owner = GetWindow(window, GW_OWNER);
    const bool focus = OnInitDialog();
    m_window->NotifyInitialSize();
    m_window->PlaceOnScreen();
    // The owner takes no input while the dialog runs, and gets back the
    // state it had.
    if (owner != nullptr && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        m_window->EnableOnEnd(owner);
    }
    ::ShowWindow(window, SW_SHOW);
    if (focus) {
        m_window->FocusFirstTabStop();
    }
    DialogWindow::ModalRuns().push_back(m_window.get());
    MSG message;
    while (m_window != nullptr && m_window->Created() && !m_window->Ended()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
            break;
        }
        win32::ProcessMessage(message);
    }
    std::vector<DialogWindow*>& runs = DialogWindow::ModalRuns();
    runs.erase(std::remove(runs.begin(), runs.end(), m_window.get()), runs.end());
    if (m_window == nullptr) {
        return IDCANCEL;
    }
    const int result = m_window->Ended() && m_window->Result() == IDOK ? IDOK : IDCANCEL;
    if (!m_window->Ended()) {
        m_window->End(IDCANCEL);  // a run cut short still gives its owner back
    }
    m_window.reset();  // the window goes with its run, as a modal dialog does
    return result;
}

bool Dialog::Create() {
    if (!Build(true)) {
        return false;
    }
    const HWND window = m_window->Handle();
    // A page is the background of the area it fills: controls of the dialog
    // around it that reach into that area are drawn over it.
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if ((FindTemplate(m_templateId)->style & WS_VISIBLE) != 0) {
        ::ShowWindow(window, SW_SHOWNA);
    }
    OnInitDialog();
    return true;
}

bool Dialog::CreateModeless() {
    if (!Build(false)) {
        return false;
    }
    const bool focus = OnInitDialog();
    m_window->NotifyInitialSize();
    m_window->PlaceOnScreen();
    ::ShowWindow(m_window->Handle(), SW_SHOW);
    if (focus) {
        m_window->FocusFirstTabStop();
    }
    return true;
}

void Dialog::EndDialog(int result) {
    if (m_window != nullptr) {
        m_window->End(result);
    }
}

void Dialog::ShowWindow(bool show) {
    if (m_window != nullptr && m_window->Created()) {
        ::ShowWindow(m_window->Handle(),
                     show ? (m_window->IsChild() ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
    }
}

bool Dialog::IsWindowVisible() const {
    return m_window != nullptr && m_window->Created() && ::IsWindowVisible(m_window->Handle());
}

void Dialog::MoveWindow(const Rect& rect) {
    if (m_window != nullptr && m_window->Created()) {
        const DialogWindow& w = *m_window;
        ::MoveWindow(w.Handle(), w.ToDevice(rect.x), w.ToDevice(rect.y), w.ToDevice(rect.width),
                     w.ToDevice(rect.height), TRUE);
    }
}

Rect Dialog::GetClientRect() const {
    if (m_window == nullptr || !m_window->Created()) {
        return {};
    }
    return ClientRectOf(*m_window, m_window->Handle());
}

void Dialog::SetIcon(int iconId) {
    if (m_window != nullptr && m_window->Created()) {
        m_window->SetIcon(iconId);
    }
}

std::u16string Dialog::GetWindowText() const {
    return m_window != nullptr && m_window->Created() ? win32::WindowText(m_window->Handle())
                                                      : std::u16string();
}

bool Dialog::HasItem(int id) const {
    return ControlOf(*this, id) != nullptr;
}

std::u16string Dialog::GetItemText(int id) const {
    const HWND control = ControlOf(*this, id);
    return control != nullptr ? win32::WindowText(control) : std::u16string();
}

void Dialog::SetItemText(int id, std::u16string_view text) {
    if (const HWND control = ControlOf(*this, id)) {
        const std::u16string value(text);
        SetWindowTextW(control, win32::Wide(value));
    }
}

void Dialog::MoveItem(int id, const Rect& rect) {
    if (const HWND control = ControlOf(*this, id)) {
        DialogWindow& w = *m_window;
        w.NotePlacedByProgram(control);
        ::MoveWindow(control, w.ToDevice(rect.x), w.ToDevice(rect.y), w.ToDevice(rect.width),
                     w.ToDevice(rect.height), TRUE);
    }
}

Rect Dialog::GetItemClientRect(int id) const {
    const HWND control = ControlOf(*this, id);
    return control != nullptr ? ControlClientRectOf(*m_window, control) : Rect{};
}

void Dialog::SetItemFont(int id, const Font& font) {
    const HWND control = ControlOf(*this, id);
    if (control != nullptr && font.IsCreated()) {
        m_window->NoteItemFont(control, font);
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(win32::FontHandle(font, m_window->Dpi())), TRUE);
    }
}

void Dialog::SetFocusTo(int id) {
    if (const HWND control = ControlOf(*this, id)) {
        SetFocus(control);
    }
}

int Dialog::GetFocusId() const {
    return m_window != nullptr && m_window->Created() ? m_window->IdOf(GetFocus()) : 0;
}

bool Dialog::GetCheck(int id) const {
    const HWND control = ControlOf(*this, id);
    return control != nullptr && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Dialog::SetCheck(int id, bool checked) {
    if (const HWND control = ControlOf(*this, id)) {
        SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        // The group keeps one tab stop, on its checked button.
        m_window->KeepRadioTabStop(control);
    }
}

void Dialog::SetReadOnly(int id, bool readOnly) {
    const HWND control = ControlOf(*this, id);
    if (control != nullptr && win32::IsClass(control, L"Edit")) {
        SendMessageW(control, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
    }
}

bool Dialog::IsReadOnly(int id) const {
    const HWND control = ControlOf(*this, id);
    return control != nullptr && win32::IsClass(control, L"Edit") &&
           (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

int Dialog::ComboInsertAt(int id, int index, std::u16string_view text) {
    const HWND combo = ControlOf(*this, id);
    if (combo == nullptr) {
        return -1;
    }
    const std::u16string item(text);
    // CB_INSERTSTRING puts the item where it is told, even in a CBS_SORT list
    // (CB_INSERTSTRING), whose CB_ADDSTRING would sort by the user's locale.
    const LRESULT inserted = SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(win32::Wide(item)));
    return inserted >= 0 ? static_cast<int>(inserted) : -1;
}

void Dialog::ComboSetCurSel(int id, int index) {
    if (const HWND combo = ControlOf(*this, id)) {
        // Windows clears the selection for an index past the end; Wine keeps
        // it, so the layer asks for the clearing itself.
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        const int chosen = index >= 0 && index < count ? index : -1;
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    }
}

int Dialog::ComboGetCurSel(int id) const {
    const HWND combo = ControlOf(*this, id);
    return combo != nullptr ? static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) : -1;
}

int Dialog::ComboGetCount(int id) const {
    const HWND combo = ControlOf(*this, id);
    return combo != nullptr ? static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)) : 0;
}

std::u16string Dialog::ComboGetItemText(int id, int index) const {
    const HWND combo = ControlOf(*this, id);
    if (combo == nullptr) {
        return {};
    }
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    return win32::FromWide(text.c_str());
}

void Dialog::ReportSetModel(int id, ReportModel* model) {
    if (ReportList* list = ListOf(*this, id)) {
        list->SetModel(model);
    }
}

const ReportModel* Dialog::ReportGetModel(int id) const {
    const ReportList* list = ListOf(*this, id);
    return list != nullptr ? list->Model() : nullptr;
}

void Dialog::ReportInsertColumn(int id, int column, std::u16string_view heading, int width) {
    if (ReportList* list = ListOf(*this, id)) {
        list->InsertColumn(column, std::u16string(heading), width);
    }
}

int Dialog::ReportGetColumnCount(int id) const {
    const ReportList* list = ListOf(*this, id);
    return list != nullptr ? list->ColumnCount() : 0;
}

int Dialog::ReportGetColumnWidth(int id, int column) const {
    const ReportList* list = ListOf(*this, id);
    return list != nullptr ? list->ColumnWidth(column) : 0;
}

StyleFlags Dialog::ReportGetExtendedStyle(int id) const {
    const ReportList* list = ListOf(*this, id);
    return list != nullptr ? list->ExtendedStyle() : 0;
}

void Dialog::ReportSetExtendedStyle(int id, StyleFlags style) {
    if (ReportList* list = ListOf(*this, id)) {
        list->ApplyExtendedStyle(style);
    }
}

std::vector<int> Dialog::ReportRowsActedOn(int id, int row) const {
    const ReportList* list = ListOf(*this, id);
    return list != nullptr && row >= 0 ? list->RowsActedOn(row) : std::vector<int>{};
}

void Dialog::SetTimer(int id, int milliseconds) {
    if (m_window != nullptr) {
        m_window->SetTimer(id, milliseconds);
    }
}

void Dialog::KillTimer(int id) {
    if (m_window != nullptr) {
        m_window->KillTimer(id);
    }
}

bool Dialog::IsTimerRunning(int id) const {
    return m_window != nullptr && m_window->IsTimerRunning(id);
}

int Dialog::MessageBox(std::u16string_view text, std::u16string_view caption, StyleFlags style) {
    return ShowMessageBox(
        MessageBoxRequest{this, std::u16string(text), std::u16string(caption), style});
}

namespace {

HMENU SystemMenuOf(const DialogWindow* window) {
    return window != nullptr && window->Created() ? GetSystemMenu(window->Handle(), FALSE)
                                                  : nullptr;
}

}  // namespace

void Dialog::AppendWindowMenuSeparator() {
    if (HMENU menu = SystemMenuOf(m_window.get())) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
}

void Dialog::AppendWindowMenuItem(int command, std::u16string_view text) {
    if (HMENU menu = SystemMenuOf(m_window.get())) {
        const std::u16string item(text);
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), win32::Wide(item));
    }
}

void Dialog::EnableWindowMenuItem(int command, bool enabled) {
    if (HMENU menu = SystemMenuOf(m_window.get())) {
        EnableMenuItem(menu, static_cast<UINT>(command),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

bool Dialog::IsWindowMenuItemEnabled(int command) const {
    HMENU menu = SystemMenuOf(m_window.get());
    if (menu == nullptr) {
        return false;
    }
    const UINT state = GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

int Dialog::TrackPopupMenu(const std::vector<MenuItem>& items) {
    if (m_window == nullptr || !m_window->Created()) {
        return 0;
    }
    HMENU menu = CreatePopupMenu();
    AppendItems(menu, items);
    const POINT at = m_window->MenuPoint();
    const int chosen = static_cast<int>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                         GetAncestor(m_window->Handle(), GA_ROOT), nullptr));
    DestroyMenu(menu);
    return chosen;
}

bool Dialog::PreTranslateKeyDown(int) {
    return false;
}

void Dialog::DefaultSysCommand(int command) {
    if (m_window == nullptr || !m_window->Created()) {
        return;
    }
    const HWND window = m_window->Handle();
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            if (m_window->HasMinimizeBox()) {
                ::ShowWindow(window, SW_MINIMIZE);
            }
            return;
        // What the style does not allow, Windows' default handling would
        // still do: a window without a maximize box maximized, one of fixed
        // size resized.
        case SC_MAXIMIZE:
            if ((style & WS_MAXIMIZEBOX) == 0) {
                return;
            }
            break;
        case SC_SIZE:
            if ((style & WS_THICKFRAME) == 0) {
                return;
            }
            break;
        case SC_CLOSE:
            SendMessageW(window, WM_CLOSE, 0, 0);
            return;
        default:
            break;
    }
    // Moving, sizing, restoring, the keyboard's way into the menu: the window
    // system's own.
    DefWindowProcW(window, WM_SYSCOMMAND, static_cast<WPARAM>(command),
                   m_window->SysCommandParam());
}

bool Dialog::Deliver(const Event& event) {
    return DispatchEvent(event);
}

}  // namespace ui

#include "app/ui/win32/DialogWindow.h"

#include <algorithm>

#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/win32/Accessibility.h"
#include "app/ui/win32/Module.h"
#include "app/ui/win32/ReportList.h"
#include "app/ui/win32/TemplateBuilder.h"
#include "app/ui/win32/Text.h"

namespace ui {

namespace {

constexpr wchar_t kOwnerProperty[] = L"Tickwright.DialogWindow";

bool HasStyle(StyleFlags style, StyleFlags flag) {
    return (style & flag) == flag;
}

bool IsAutoRadio(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// A system command the dialogs hear of: an item of the window menu or a
// button of the frame, standard or the dialog's own; not the ways the
// system opens the menu (Alt+Space, a click on the icon) or its other keys.
bool IsChosenCommand(WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_RESTORE:
        case SC_MOVE:
        case SC_SIZE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_CLOSE:
            return true;
        default:
            return (command & 0xFFF0) < 0xF000;
    }
}

}  // namespace

DialogWindow::DialogWindow(WindowOwner& owner, const DialogTemplate& dialogTemplate, HWND parent,
                           bool child)
    : m_owner(&owner), m_template(dialogTemplate), m_child(child) {
    const std::vector<std::uint16_t> words = win32::BuildDialogTemplate(dialogTemplate, child);
    SetLastError(0);
    if (CreateDialogIndirectParamW(
            win32::ModuleInstance(), reinterpret_cast<const DLGTEMPLATE*>(words.data()), parent,
            &DialogWindow::Procedure, reinterpret_cast<LPARAM>(this)) == nullptr) {
        m_creationError = GetLastError();
    }
}

DialogWindow::~DialogWindow() {
    if (m_hwnd != nullptr) {
        const HWND window = m_hwnd;
        m_owner = nullptr;
        DestroyWindow(window);
    }
}

std::vector<DialogWindow*>& DialogWindow::ModalRuns() {
    static std::vector<DialogWindow*> runs;
    return runs;
}

DialogWindow* DialogWindow::Of(HWND window) {
    for (HWND w = window; w != nullptr; w = GetParent(w)) {
        if (auto* found = static_cast<DialogWindow*>(GetPropW(w, kOwnerProperty))) {
            return found;
        }
        if ((GetWindowLongW(w, GWL_STYLE) & WS_CHILD) == 0) {
            return nullptr;  // a top-level window of no dialog of ours
        }
    }
    return nullptr;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        self->m_hwnd = window;
        SetPropW(window, kOwnerProperty, self);
        self->InitControls();
        return FALSE;  // the focus is the layer's to give, once OnInitDialog has run
    }
    auto* self = static_cast<DialogWindow*>(GetPropW(window, kOwnerProperty));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kOwnerProperty);
        self->m_hwnd = nullptr;
        self->m_lists.clear();
        if (self->m_owner != nullptr) {
            self->m_owner->WindowDestroyed();
        }
        return FALSE;
    }
    return self->Handle(message, wParam, lParam);
}

void DialogWindow::InitControls() {
    for (const ControlTemplate& control : m_template.controls) {
        // Controls the template does not address (-1) share one id; each is
        // found in turn as the next child after the last.
        HWND found = nullptr;
        if (control.id != -1) {
            found = GetDlgItem(m_hwnd, control.id);
        } else {
            HWND after = m_templateControls.empty() ? nullptr : m_templateControls.back();
            for (HWND w = after == nullptr ? GetWindow(m_hwnd, GW_CHILD)
                                           : GetWindow(after, GW_HWNDNEXT);
                 w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
                if (GetDlgCtrlID(w) == static_cast<int>(0xFFFF) || GetDlgCtrlID(w) == -1) {
                    found = w;
                    break;
                }
            }
        }
        m_templateControls.push_back(found);
        if (control.id != -1 && found != nullptr && m_controls.count(control.id) == 0) {
            m_controls[control.id] = found;
        }
        if (control.cls == ControlClass::ListView && found != nullptr) {
            m_lists[control.id] = std::make_unique<ReportList>(found, *this);
        }
    }
    ApplyInitData();
    NameControls();
}

void DialogWindow::ApplyInitData() {
    for (const InitData& init : m_template.initData) {
        if (!init.linkUrl.empty()) {
            m_linkUrls[init.controlId] = init.linkUrl;
        }
    }
}

void DialogWindow::NameControls() {
    for (std::size_t i = 0; i < m_template.controls.size(); ++i) {
        const ControlTemplate& control = m_template.controls[i];
        if (m_templateControls[i] == nullptr) {
            continue;
        }
        if (!control.accessibleName.empty()) {
            win32::SetAccessibleName(m_templateControls[i], control.accessibleName);
        }
        if (control.cls == ControlClass::Link) {
            win32::SetAccessibleRole(m_templateControls[i], ROLE_SYSTEM_LINK);
        }
    }
}

HWND DialogWindow::Control(int id) const {
    const auto it = m_controls.find(id);
    return it != m_controls.end() ? it->second : nullptr;
}

int DialogWindow::IdOf(HWND window) const {
    for (HWND w = window; w != nullptr && w != m_hwnd; w = GetParent(w)) {
        if (GetParent(w) == m_hwnd) {
            for (const auto& [id, control] : m_controls) {
                if (control == w) {
                    return id;
                }
            }
            return 0;
        }
    }
    return 0;
}

ReportList* DialogWindow::List(int id) const {
    const auto it = m_lists.find(id);
    return it != m_lists.end() ? it->second.get() : nullptr;
}

int DialogWindow::Dpi() const {
    const UINT dpi = m_hwnd != nullptr ? GetDpiForWindow(m_hwnd) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : static_cast<int>(GetDpiForSystem());
}

int DialogWindow::ToDevice(int dips) const {
    return MulDiv(dips, Dpi(), 96);
}

int DialogWindow::ToDips(int devicePixels) const {
    return MulDiv(devicePixels, 96, Dpi());
}

BaseUnits DialogWindow::Units() const {
    // MapDialogRect of 4 x 8 units is the base units themselves.
    RECT units{0, 0, 4, 8};
    if (m_hwnd != nullptr) {
        MapDialogRect(m_hwnd, &units);
    }
    return BaseUnits{ToDips(units.right), ToDips(units.bottom)};
}

void DialogWindow::SetTimer(int id, int milliseconds) {
    if (m_hwnd != nullptr && id != 0) {
        ::SetTimer(m_hwnd, static_cast<UINT_PTR>(id), static_cast<UINT>(std::max(1, milliseconds)),
                   nullptr);
        m_timers.insert(id);
    }
}

void DialogWindow::KillTimer(int id) {
    if (m_hwnd != nullptr) {
        ::KillTimer(m_hwnd, static_cast<UINT_PTR>(id));
    }
    m_timers.erase(id);
}

bool DialogWindow::HasMinimizeBox() const {
    return !m_child && HasStyle(m_template.style, WS_MINIMIZEBOX);
}

void DialogWindow::FocusFirstTabStop() {
    for (std::size_t i = 0; i < m_template.controls.size(); ++i) {
        const HWND control = m_templateControls[i];
        if (control != nullptr && HasStyle(m_template.controls[i].style, WS_TABSTOP) &&
            IsWindowEnabled(control) && IsWindowVisible(control)) {
            // Through the dialog manager, which also moves the default button
            // and selects an edit's text, as tabbing there would.
            SendMessageW(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            return;
        }
    }
}

void DialogWindow::PlaceOnScreen() {
    RECT frame{};
    GetWindowRect(m_hwnd, &frame);
    const HWND owner = GetWindow(m_hwnd, GW_OWNER);
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(overOwner ? owner : m_hwnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (overOwner) {
        GetWindowRect(owner, &around);
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = around.left + (around.right - around.left - width) / 2;
    const int y = around.top + (around.bottom - around.top - height) / 2;
    // Inside the work area, its top-left corner first when it is too big.
    const int left = std::max<int>(area.left, std::min<int>(x, area.right - width));
    const int top = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(m_hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::End(int result) {
    m_result = result;
    m_ended = true;
    if (m_ownerToEnable != nullptr) {
        EnableWindow(m_ownerToEnable, TRUE);
        m_ownerToEnable = nullptr;
    }
    if (m_hwnd != nullptr) {
        ShowWindow(m_hwnd, SW_HIDE);
    }
}

void DialogWindow::Deliver(const Event& event) {
    if (m_owner != nullptr) {
        m_owner->Deliver(event);
    }
}

void DialogWindow::KeepRadioTabStop(HWND radio) {
    // A group of radio buttons is one tab stop, on its checked button (the
    // first when none is), as the dialog manager keeps it when the user
    // clicks; this keeps it so when the program sets the checks too.
    if (radio == nullptr || !IsAutoRadio(radio)) {
        return;
    }
    HWND first = radio;
    while ((GetWindowLongW(first, GWL_STYLE) & WS_GROUP) == 0) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr || !IsAutoRadio(previous)) {
            break;
        }
        first = previous;
    }
    std::vector<HWND> group;
    for (HWND w = first; w != nullptr && IsAutoRadio(w); w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (GetWindowLongW(w, GWL_STYLE) & WS_GROUP) != 0) {
            break;
        }
        group.push_back(w);
    }
    HWND stop = group.front();
    for (HWND w : group) {
        if (SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            stop = w;
            break;
        }
    }
    for (HWND w : group) {
        const LONG style = GetWindowLongW(w, GWL_STYLE);
        SetWindowLongW(w, GWL_STYLE, w == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

bool DialogWindow::OnCommand(int id, int code, HWND control) {
    if (control == nullptr || code != BN_CLICKED) {
        // Enter and Escape come as IDOK and IDCANCEL from the dialog manager.
        if (control == nullptr && (id == IDOK || id == IDCANCEL) && m_owner != nullptr &&
            !m_child) {
            if (!m_owner->Deliver(Event{Notification::Clicked, id, 0, 0})) {
                id == IDOK ? m_owner->OnOK() : m_owner->OnCancel();
            }
            return true;
        }
        return false;
    }
    if (IsAutoRadio(control)) {
        KeepRadioTabStop(control);
    }
    if (m_owner == nullptr) {
        return true;
    }
    if (!m_owner->Deliver(Event{Notification::Clicked, id, 0, 0})) {
        if (id == IDOK) {
            m_owner->OnOK();
        } else if (id == IDCANCEL) {
            m_owner->OnCancel();
        }
    }
    return true;
}

void DialogWindow::OpenLink(int id) {
    const auto it = m_linkUrls.find(id);
    if (it == m_linkUrls.end()) {
        return;
    }
    // A local page that is not there would open as the browser's "file not
    // found"; say so instead, naming the file.
    if (const std::optional<std::u16string> missing = MissingLocalPage(it->second)) {
        ShowMessageBox({m_owner != nullptr ? m_owner->AsDialog() : nullptr,
                        std::u16string(kMissingPageText) + *missing, u"错误",
                        MB_OK | MB_ICONEXCLAMATION});
        return;
    }
    OpenUrl(it->second);
}

bool DialogWindow::OnNotify(const NMHDR& header, LRESULT& result) {
    const int id = static_cast<int>(header.idFrom);
    if (ReportList* list = List(id); list != nullptr && header.hwndFrom == Control(id)) {
        return list->OnNotify(header, result);
    }
    if ((header.code == NM_CLICK || header.code == NM_RETURN) && m_linkUrls.count(id) != 0) {
        OpenLink(id);
        result = 0;
        return true;
    }
    return false;
}

void DialogWindow::OpenSystemMenu(POINT at) {
    HWND top = GetAncestor(m_hwnd, GA_ROOT);
    HMENU menu = GetSystemMenu(top, FALSE);
    if (menu == nullptr) {
        return;
    }
    SendMessageW(top, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, top, nullptr));
    if (command != 0) {
        PostMessageW(top, WM_SYSCOMMAND, command, MAKELPARAM(at.x, at.y));
    }
}

void DialogWindow::OnContextMenu(HWND from, POINT at) {
    const bool keyboard = at.x == -1 && at.y == -1;
    const int id = IdOf(from);
    if (ReportList* list = List(id)) {
        const int row = keyboard ? list->FocusedRow() : list->RowAt(at);
        if (row >= 0) {
            m_menuPoint = keyboard ? list->RowPoint(row) : at;
            if (m_owner != nullptr &&
                m_owner->Deliver(Event{Notification::RightClicked, id, row, list->ColumnAt(at)})) {
                return;
            }
        }
    }
    if (m_child) {
        // The page's background belongs to the window around it.
        if (DialogWindow* parent = Of(GetParent(m_hwnd))) {
            parent->OnContextMenu(from, at);
        }
        return;
    }
    if (keyboard) {
        RECT frame{};
        GetWindowRect(m_hwnd, &frame);
        at = POINT{frame.left, frame.top};
    }
    OpenSystemMenu(at);
}

void DialogWindow::NotifyInitialSize() {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    Deliver(Event{Notification::Size, 0, ToDips(client.right), ToDips(client.bottom)});
}

void DialogWindow::OnDpiChanged(const RECT& suggested) {
    // The new screen's size, fonts made for its density, and the layout
    // done again.
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_owner != nullptr) {
        m_owner->Deliver(Event{Notification::Size, 0, 0, 0});
    }
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        }
        case ReportList::kCatchUpMessage:
            if (ReportList* list = List(static_cast<int>(wParam))) {
                list->CatchUp();
            }
            return TRUE;
        case WM_TIMER:
            if (m_timers.count(static_cast<int>(wParam)) != 0) {
                Deliver(Event{Notification::Timer, 0, static_cast<int>(wParam), 0});
            }
            return TRUE;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                Deliver(
                    Event{Notification::Size, 0, ToDips(LOWORD(lParam)), ToDips(HIWORD(lParam))});
            }
            return FALSE;
        case WM_CLOSE:
            if (!m_child && m_owner != nullptr) {
                m_owner->OnCancel();
            }
            return TRUE;
        case WM_SYSCOMMAND: {
            if (m_owner == nullptr || m_child) {
                return FALSE;
            }
            if (!IsChosenCommand(wParam)) {
                return FALSE;  // the system's own business: opening the menu, say
            }
            m_sysCommandParam = lParam;
            const int command = static_cast<int>(wParam);
            if (!m_owner->Deliver(Event{Notification::SysCommand, 0, command, 0})) {
                m_owner->DefaultSysCommand(command);
            }
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) != 0) {  // the system menu
                Deliver(Event{Notification::InitMenu, 0, 0, 0});
            }
            return FALSE;
        case WM_CONTEXTMENU:
            OnContextMenu(
                reinterpret_cast<HWND>(wParam),
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_DESTROY:
            for (HWND control : m_templateControls) {
                if (control != nullptr) {
                    win32::ClearAccessibleProperties(control);
                }
            }
            return FALSE;
        default:
            return FALSE;
    }
}

namespace win32 {

HWND TopLevelWindowOf(const Dialog* dialog) {
    if (dialog == nullptr) {
        dialog = MainWindow();
    }
    const DialogWindow* window = dialog != nullptr ? dialog->Window() : nullptr;
    return window != nullptr && window->Created() ? GetAncestor(window->Handle(), GA_ROOT)
                                                  : nullptr;
}

}  // namespace win32

}  // namespace ui

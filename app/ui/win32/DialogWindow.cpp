#include "app/ui/win32/DialogWindow.h"

#include <algorithm>

#include "app/ui/DialogAccess.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/win32/Accessibility.h"
#include "app/ui/win32/Fonts.h"
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

// The program scales its windows itself when the DPI changes, the same on
// every Windows version (and under Wine, whose dialog manager scales
// nothing): the dialog manager's own scaling is switched off
// (SetDialogDpiChangeBehavior, Windows 10 1703), asked for by name so that a
// system without it still runs the program.
void DisableDialogManagerScaling(HWND dialog) {
    using Behaviour = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto set = reinterpret_cast<Behaviour>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (set != nullptr) {
        set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

// A font's dialog base units, as the dialog manager measures them: the
// average width of the 52 Latin letters, rounded, and the character height
// ("How To Calculate Dialog Base Units with Non-System-Based Font").
SIZE BaseUnitsOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE letters{};
    constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(dc, kLetters, 52, &letters);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// `font` made again at `pointSize` for `dpi`, otherwise as it is.
HFONT FontAtDpi(HFONT font, int pointSize, int dpi) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    description.lfHeight = -MulDiv(pointSize, dpi, 72);
    description.lfWidth = 0;
    return CreateFontIndirectW(&description);
}

// A template rectangle in device pixels at base units `base`, position and
// size each mapped on its own, as the dialog manager maps them.
RECT TemplateRect(const Rect& units, SIZE base) {
    const int left = MulDiv(units.x, base.cx, 4);
    const int top = MulDiv(units.y, base.cy, 8);
    return RECT{left, top, left + MulDiv(units.width, base.cx, 4),
                top + MulDiv(units.height, base.cy, 8)};
}

bool IsIconStatic(const ControlTemplate& control) {
    return control.cls == ControlClass::Static && (control.style & 0x1Fu) == SS_ICON;
}

HICON LoadIconSized(int iconId, int size) {
    // Not LR_SHARED: a shared icon comes at one size for the whole process,
    // and this one is made for its window's DPI and destroyed with it
    // (LoadImageW, LR_SHARED: not for images of non-standard sizes).
    return static_cast<HICON>(LoadImageW(win32::ModuleInstance(), MAKEINTRESOURCEW(iconId),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// The standard items' states, as Windows' own system menu shows them for the
// window's style and state at the moment it opens.
void PrepareSystemMenu(HWND window, HMENU menu) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const bool minimized = (style & WS_MINIMIZE) != 0;
    const bool maximized = (style & WS_MAXIMIZE) != 0;
    const auto state = [menu](UINT command, bool enabled) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    state(SC_RESTORE, minimized || maximized);
    state(SC_MOVE, !maximized);
    state(SC_SIZE, (style & WS_THICKFRAME) != 0 && !minimized && !maximized);
    state(SC_MINIMIZE, (style & WS_MINIMIZEBOX) != 0 && !minimized);
    state(SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) != 0 && !maximized);
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
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
        self->m_dpi = static_cast<int>(GetDpiForWindow(window));
        if (self->m_dpi == 0) {
            self->m_dpi = static_cast<int>(GetDpiForSystem());
        }
        RECT units{0, 0, 4, 8};  // MapDialogRect of 4 x 8 units: the base units
        MapDialogRect(window, &units);
        self->m_base = SIZE{units.right, units.bottom};
        DisableDialogManagerScaling(window);
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
        self->ReleaseDrawingObjects();
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
    LoadIconStatics();
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

int DialogWindow::DpiOf(HWND window) {
    if (const DialogWindow* dialog = window != nullptr ? Of(window) : nullptr) {
        return dialog->Dpi();
    }
    const UINT dpi = window != nullptr ? GetDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : static_cast<int>(GetDpiForSystem());
}

int DialogWindow::ToDevice(int dips) const {
    return MulDiv(dips, Dpi(), 96);
}

int DialogWindow::ToDips(int devicePixels) const {
    return MulDiv(devicePixels, 96, Dpi());
}

BaseUnits DialogWindow::Units() const {
    return BaseUnits{ToDips(m_base.cx), ToDips(m_base.cy)};
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
            // and selects an edit's text, as tabbing there would
            // (WM_NEXTDLGCTL, Remarks).
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
    // The owner is enabled before the dialog hides: hidden first, with its
    // owner still disabled, Windows gives the activation to another program
    // (The Old New Thing, "The correct order for disabling and enabling
    // windows"); Wine gives it back to the owner either way.
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
    if (it != m_linkUrls.end()) {
        ui::OpenLink(m_owner != nullptr ? m_owner->AsDialog() : nullptr, it->second);
    }
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
    PrepareSystemMenu(top, menu);
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
            if (keyboard) {
                list->ShowRow(row);  // the menu opens by the row it acts on, in view
            }
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

HFONT DialogWindow::DialogFont() const {
    return m_ownFont != nullptr ? m_ownFont
                                : reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
}

void DialogWindow::NoteItemFont(HWND control, const Font& font) {
    m_itemFonts[control] = &font;
}

void DialogWindow::SetIcon(int iconId) {
    m_iconId = iconId;
    LoadIcons();
}

void DialogWindow::LoadIcons() {
    if (m_hwnd == nullptr || m_iconId == 0) {
        return;
    }
    const auto dpi = static_cast<UINT>(m_dpi);
    const HICON big = LoadIconSized(m_iconId, GetSystemMetricsForDpi(SM_CXICON, dpi));
    const HICON small = LoadIconSized(m_iconId, GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    for (HICON& icon : m_icons) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    m_icons[0] = big;
    m_icons[1] = small;
}

void DialogWindow::LoadIconStatics() {
    std::vector<HICON> given;
    for (std::size_t i = 0; i < m_template.controls.size(); ++i) {
        const ControlTemplate& control = m_template.controls[i];
        if (m_templateControls[i] != nullptr && IsIconStatic(control)) {
            const int size = GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(m_dpi));
            const HICON icon = LoadIconSized(control.iconId, size);
            SendMessageW(m_templateControls[i], STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            given.push_back(icon);
        }
    }
    for (HICON icon : m_staticIcons) {
        DestroyIcon(icon);
    }
    m_staticIcons = std::move(given);
}

void DialogWindow::ReleaseDrawingObjects() {
    for (HICON& icon : m_icons) {
        if (icon != nullptr) {
            DestroyIcon(icon);
            icon = nullptr;
        }
    }
    for (HICON icon : m_staticIcons) {
        DestroyIcon(icon);
    }
    m_staticIcons.clear();
    if (m_ownFont != nullptr) {
        DeleteObject(m_ownFont);
        m_ownFont = nullptr;
    }
}

SIZE DialogWindow::ClientSizeFor(int dpi) const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const HFONT font = FontAtDpi(DialogFont(), m_template.font.pointSize, dpi);
    const SIZE base = BaseUnitsOf(font);
    DeleteObject(font);
    const Rect size{0, 0, m_template.width, m_template.height};
    const RECT now = TemplateRect(size, m_base);
    if (client.right == now.right && client.bottom == now.bottom) {
        const RECT then = TemplateRect(size, base);
        return SIZE{then.right, then.bottom};
    }
    return SIZE{MulDiv(client.right, base.cx, m_base.cx),
                MulDiv(client.bottom, base.cy, m_base.cy)};
}

void DialogWindow::ScaleControl(HWND control, std::size_t templateIndex, SIZE oldBase) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
    const bool fromTemplate =
        templateIndex < m_template.controls.size() && m_placedByProgram.count(control) == 0;
    RECT scaled{};
    if (fromTemplate) {
        scaled = TemplateRect(m_template.controls[templateIndex].rect, m_base);
    } else {
        scaled.left = MulDiv(place.left, m_base.cx, oldBase.cx);
        scaled.top = MulDiv(place.top, m_base.cy, oldBase.cy);
        scaled.right = scaled.left + MulDiv(place.right - place.left, m_base.cx, oldBase.cx);
        scaled.bottom = scaled.top + MulDiv(place.bottom - place.top, m_base.cy, oldBase.cy);
    }
    SetWindowPos(control, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                 scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::ScaleTo(int dpi) {
    if (m_hwnd == nullptr || dpi == m_dpi) {
        return;
    }
    const int oldDpi = m_dpi;
    const SIZE oldBase = m_base;
    const HFONT oldOwnFont = m_ownFont;
    m_ownFont = FontAtDpi(DialogFont(), m_template.font.pointSize, dpi);
    m_dpi = dpi;
    m_base = BaseUnitsOf(m_ownFont);
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto found = std::find(m_templateControls.begin(), m_templateControls.end(), child);
        const auto index = static_cast<std::size_t>(found - m_templateControls.begin());
        if (DialogWindow* page = Of(child); page != nullptr && page != this) {
            page->ScaleTo(dpi);  // a page scales its own controls
        } else {
            // The font first: a combo box takes its closed height from it.
            const auto own = m_itemFonts.find(child);
            const HFONT font =
                own != m_itemFonts.end() ? win32::FontHandle(*own->second, dpi) : m_ownFont;
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        ScaleControl(child, index, oldBase);
    }
    for (const auto& [id, list] : m_lists) {
        list->ScaleColumns(oldDpi, dpi);
    }
    LoadIconStatics();
    if (oldOwnFont != nullptr) {
        DeleteObject(oldOwnFont);
    }
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool DialogWindow::OnGetDpiScaledSize(int dpi, SIZE& size) const {
    const SIZE client = ClientSizeFor(dpi);
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi));
    size = SIZE{frame.right - frame.left, frame.bottom - frame.top};
    return true;
}

void DialogWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    // Where the system suggests, at the size the new DPI gives the client.
    SIZE frame{};
    const SIZE client = ClientSizeFor(dpi);
    OnGetDpiScaledSize(dpi, frame);
    ScaleTo(dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame of another thickness than the new DPI's (Wine draws every
    // frame at the system's DPI) would leave the client another size.
    RECT now{};
    GetClientRect(m_hwnd, &now);
    if (now.right != client.cx || now.bottom != client.cy) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.cx + client.cx - now.right,
                     frame.cy + client.cy - now.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LoadIcons();
    NotifyInitialSize();
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
            if (HIWORD(lParam) != 0 && !m_child) {  // the system menu
                PrepareSystemMenu(m_hwnd, reinterpret_cast<HMENU>(wParam));
                Deliver(Event{Notification::InitMenu, 0, 0, 0});
            }
            return FALSE;
        case WM_CONTEXTMENU:
            OnContextMenu(
                reinterpret_cast<HWND>(wParam),
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_GETFONT:
            // After a DPI change the template font is the window's own, made
            // for the new DPI; before, the dialog manager answers.
            if (m_ownFont == nullptr) {
                return FALSE;
            }
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(m_ownFont));
            return TRUE;
        // TRUE with the size in lParam, or the system scales the frame
        // linearly (WM_GETDPISCALEDSIZE, Return value).
        case WM_GETDPISCALEDSIZE: {
            SIZE size{};
            if (m_child || !OnGetDpiScaledSize(static_cast<int>(wParam), size)) {
                return FALSE;
            }
            *reinterpret_cast<SIZE*>(lParam) = size;
            SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
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
    const DialogWindow* window = dialog != nullptr ? ui::DialogAccess::WindowOf(*dialog) : nullptr;
    return window != nullptr && window->Created() ? GetAncestor(window->Handle(), GA_ROOT)
                                                  : nullptr;
}

}  // namespace win32

}  // namespace ui

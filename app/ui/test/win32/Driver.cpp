// The test driver over the Win32 backend: input posted to the real windows'
// message queue, as the window system delivers a user's, through the layer's
// own message loop; what windows show read with the messages and calls
// screen readers and automation tools use.
#include "app/ui/win32/Windows.h"
//
#include "app/ui/test/Driver.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/ui/Backend.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/MessageLoop.h"
#include "app/ui/win32/ReportList.h"
#include "app/ui/win32/Text.h"

namespace ui::test {

namespace {

using Clock = std::chrono::steady_clock;

HWND HandleOf(Window window) {
    return static_cast<HWND>(window.Native());
}

DialogWindow* DialogOf(Window window) {
    HWND handle = HandleOf(window);
    DialogWindow* dialog = handle != nullptr ? DialogWindow::Of(handle) : nullptr;
    return dialog != nullptr && dialog->Handle() == handle ? dialog : nullptr;
}

HWND ControlOf(Window window, int id) {
    if (DialogWindow* dialog = DialogOf(window)) {
        return dialog->Control(id);
    }
    return GetDlgItem(HandleOf(window), id);
}

int DpiOf(HWND window) {
    const UINT dpi = window != nullptr ? GetDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : static_cast<int>(GetDpiForSystem());
}

int ToDips(HWND window, int pixels) {
    return MulDiv(pixels, 96, DpiOf(window));
}

int ToDevice(HWND window, int dips) {
    return MulDiv(dips, DpiOf(window), 96);
}

Rect ToDipsRect(HWND window, const RECT& r) {
    return Rect{ToDips(window, r.left), ToDips(window, r.top), ToDips(window, r.right - r.left),
                ToDips(window, r.bottom - r.top)};
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The menu open now: the first one opened when submenus stand over it (the
// system keeps hidden menu windows of the same class too).
HWND OpenMenu() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            if (IsWindowVisible(window) && ClassOf(window) == L"#32768") {
                *reinterpret_cast<HWND*>(result) = window;  // the lowest one last
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsMenuOpen() {
    return OpenMenu() != nullptr;
}

// Handles what is waiting, unless a menu runs its own loop beneath this
// call: the input posted for it is the menu's to read.
void Pump() {
    if (!IsMenuOpen()) {
        win32::ProcessPendingMessages();
    }
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<short>(point.x), static_cast<short>(point.y));
}

// The keys held down while an input arrives, as GetKeyState reports them.
class HeldModifiers {
public:
    explicit HeldModifiers(unsigned modifiers) {
        GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), std::begin(state));
        const auto hold = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
        hold(VK_SHIFT, (modifiers & kShift) != 0);
        hold(VK_LSHIFT, (modifiers & kShift) != 0);
        hold(VK_CONTROL, (modifiers & kControl) != 0);
        hold(VK_LCONTROL, (modifiers & kControl) != 0);
        hold(VK_MENU, (modifiers & kAlt) != 0);
        hold(VK_LMENU, (modifiers & kAlt) != 0);
        SetKeyboardState(state);
    }
    ~HeldModifiers() { SetKeyboardState(m_saved); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    BYTE m_saved[256] = {};
};

WPARAM MouseKeys(unsigned modifiers, WPARAM button) {
    return button | ((modifiers & kShift) != 0 ? MK_SHIFT : 0) |
           ((modifiers & kControl) != 0 ? MK_CONTROL : 0);
}

// A click of `down`/`up` at `point` of `window`'s client area, the pointer
// moved there first, as a hand moves it.
void ClickAt(HWND window, POINT point, UINT down, UINT up, WPARAM button, unsigned modifiers,
             bool twice = false) {
    POINT screen = point;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    HeldModifiers held(modifiers);
    const WPARAM keys = MouseKeys(modifiers, button);
    PostMessageW(window, WM_MOUSEMOVE, MouseKeys(modifiers, 0), PointParam(point));
    PostMessageW(window, down, keys, PointParam(point));
    PostMessageW(window, up, MouseKeys(modifiers, 0), PointParam(point));
    if (twice) {
        PostMessageW(window, down == WM_LBUTTONDOWN ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK, keys,
                     PointParam(point));
        PostMessageW(window, up, MouseKeys(modifiers, 0), PointParam(point));
    }
    Pump();
}

POINT Middle(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return POINT{client.right / 2, client.bottom / 2};
}

int VirtualKey(Key key) {
    switch (key) {
        case Key::Return:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Tab:
            return VK_TAB;
        case Key::Space:
            return VK_SPACE;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
        case Key::F5:
            return VK_F1 + 4;
        case Key::F10:
            return VK_F1 + 9;
        case Key::Menu:
            return VK_APPS;
        case Key::A:
            return 'A';
        case Key::C:
            return 'C';
    }
    return 0;
}

LPARAM KeyParam(int virtualKey, bool up, bool alt) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    LPARAM param = 1 | (static_cast<LPARAM>(scan) << 16);
    if (alt) {
        param |= 1 << 29;  // the context bit: Alt is held
    }
    if (up) {
        param |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
    }
    return param;
}

HWND KeyTarget() {
    HWND focus = GetFocus();
    return focus != nullptr ? focus : GetActiveWindow();
}

void PostKey(HWND target, int virtualKey, unsigned modifiers) {
    const bool alt = (modifiers & kAlt) != 0;
    // F10 and every key with Alt are the system's keys.
    const bool system = alt || virtualKey == VK_F1 + 9;
    PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(virtualKey),
                 KeyParam(virtualKey, false, alt));
    PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(virtualKey),
                 KeyParam(virtualKey, true, alt));
}

// --- Menus: read through the menu handle a menu window holds.

HMENU MenuOf(Window menu) {
    return reinterpret_cast<HMENU>(SendMessageW(HandleOf(menu), MN_GETHMENU, 0, 0));
}

MenuEntry EntryAt(HMENU menu, int position);

std::vector<MenuEntry> EntriesOf(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        entries.push_back(EntryAt(menu, i));
    }
    return entries;
}

MenuEntry EntryAt(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
    MenuEntry entry;
    entry.separator = (item.fType & MFT_SEPARATOR) != 0;
    entry.text = win32::FromWide(text);
    entry.enabled = (item.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    if (item.hSubMenu != nullptr) {
        entry.submenu = EntriesOf(item.hSubMenu);
    } else {
        entry.command = static_cast<int>(item.wID);
    }
    return entry;
}

int HighlightedItem(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0) {
            return i;
        }
    }
    return -1;
}

// The presses of the Down key that take a menu's highlight from `from` (-1:
// none) to `to`: the arrow steps over separators.
int DownPresses(HMENU menu, int from, int to) {
    const int count = GetMenuItemCount(menu);
    int presses = 0;
    for (int at = from; at != to && presses <= count;) {
        at = (at + 1) % count;
        if ((GetMenuState(menu, static_cast<UINT>(at), MF_BYPOSITION) & MF_SEPARATOR) == 0) {
            ++presses;
        }
    }
    return presses;
}

int PositionOf(HMENU menu, std::u16string_view text) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (EntryAt(menu, i).text == text) {
            return i;
        }
    }
    return -1;
}

// --- What a control is, for assistive tools as the system's own proxies
// present the standard classes.

Role RoleOfClass(HWND control) {
    const std::wstring name = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (lstrcmpiW(name.c_str(), L"Button") == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_AUTORADIOBUTTON:
            case BS_RADIOBUTTON:
                return Role::RadioButton;
            case BS_GROUPBOX:
                return Role::Grouping;
            default:
                return Role::Button;
        }
    }
    if (lstrcmpiW(name.c_str(), L"Static") == 0) {
        return (style & 0x1F) == SS_ICON ? Role::Graphic : Role::StaticText;
    }
    if (lstrcmpiW(name.c_str(), L"Edit") == 0) {
        return Role::EditableText;
    }
    if (lstrcmpiW(name.c_str(), L"ComboBox") == 0) {
        return Role::ComboBox;
    }
    if (lstrcmpiW(name.c_str(), L"SysListView32") == 0) {
        return Role::List;
    }
    if (lstrcmpiW(name.c_str(), L"SysLink") == 0) {
        return Role::Link;
    }
    return Role::Other;
}

Role RoleOfMsaa(long role) {
    switch (role) {
        case ROLE_SYSTEM_PUSHBUTTON:
            return Role::Button;
        case ROLE_SYSTEM_RADIOBUTTON:
            return Role::RadioButton;
        case ROLE_SYSTEM_GROUPING:
            return Role::Grouping;
        case ROLE_SYSTEM_STATICTEXT:
            return Role::StaticText;
        case ROLE_SYSTEM_GRAPHIC:
            return Role::Graphic;
        case ROLE_SYSTEM_TEXT:
            return Role::EditableText;
        case ROLE_SYSTEM_COMBOBOX:
            return Role::ComboBox;
        case ROLE_SYSTEM_LIST:
        case ROLE_SYSTEM_TABLE:
            return Role::List;
        case ROLE_SYSTEM_LINK:
            return Role::Link;
        default:
            return Role::Other;
    }
}

Accessible Msaa(HWND control) {
    Accessible result;
    IAccessible* accessible = nullptr;
    if (control == nullptr ||
        FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return result;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) {
        result.role = RoleOfMsaa(role.lVal);
    }
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        result.name = win32::FromWide(name, SysStringLen(name));
        SysFreeString(name);
    }
    accessible->Release();
    return result;
}

// --- Text extents, in the control's own font.

HFONT FontOf(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void MeasureText(HWND control, std::u16string text, const RECT& room, ControlInfo& info) {
    text.erase(std::remove(text.begin(), text.end(), u'&'), text.end());
    if (text.empty()) {
        return;
    }
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, FontOf(control));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int width = 0;
    int lines = 0;
    for (std::size_t start = 0; start <= text.size(); ++lines) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        SIZE extent{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data() + start),
                              static_cast<int>(end - start), &extent);
        // To the ink: the blank after the last character (its C width) takes
        // no room a reader sees.
        ABC last{};
        const bool measured =
            end > start && GetCharABCWidthsW(dc, text[end - 1], text[end - 1], &last);
        width = std::max(width, static_cast<int>(extent.cx) - (measured ? last.abcC : 0));
        start = end + 1;
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    info.textWidth = ToDips(control, width);
    info.textHeight = ToDips(control, lines * metrics.tmHeight);
    info.textRoom = ToDipsRect(control, room);
}

// The room a control gives its text, in its own coordinates, as the
// standard classes draw.
RECT TextRoom(HWND control, Role role, int fontHeight) {
    RECT room{};
    GetClientRect(control, &room);
    const int edge = ToDevice(control, 3);
    switch (role) {
        case Role::Button:
            InflateRect(&room, -edge, -ToDevice(control, 1));
            break;
        case Role::RadioButton:
            room.left +=
                GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(DpiOf(control))) + edge;
            break;
        case Role::Grouping:
            room.left += ToDevice(control, 8);
            room.right -= ToDevice(control, 8);
            room.bottom = room.top + fontHeight;
            break;
        default:
            break;
    }
    return room;
}

ControlInfo InfoOf(HWND control, HWND window, int id) {
    ControlInfo info;
    info.id = id;
    info.role = RoleOfClass(control);
    info.accessibleName = Msaa(control).name;
    RECT frame{};
    GetWindowRect(control, &frame);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
    info.rect = ToDipsRect(window, frame);
    info.templateRect = info.rect;
    info.visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    info.focusable = info.role != Role::StaticText && info.role != Role::Graphic &&
                     info.role != Role::Grouping && info.role != Role::Other;
    int index = 0;
    for (HWND w = GetWindow(control, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        ++index;  // windows below this one are drawn before it
    }
    info.stackIndex = index;
    if (info.role == Role::Graphic) {
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0))) {
            ICONINFO iconInfo{};
            BITMAP picture{};
            if (GetIconInfo(icon, &iconInfo)) {
                GetObjectW(iconInfo.hbmColor != nullptr ? iconInfo.hbmColor : iconInfo.hbmMask,
                           sizeof(picture), &picture);
                info.iconWidth = ToDips(control, picture.bmWidth);
                info.iconHeight =
                    ToDips(control,
                           iconInfo.hbmColor != nullptr ? picture.bmHeight : picture.bmHeight / 2);
                DeleteObject(iconInfo.hbmColor);
                DeleteObject(iconInfo.hbmMask);
            }
        }
        RECT room{};
        GetClientRect(control, &room);
        info.iconRoom = ToDipsRect(control, room);
        return info;
    }
    info.text = win32::WindowText(control);
    if (info.role == Role::Link) {
        std::u16string plain;  // the markup is the control's, not its text
        bool inTag = false;
        for (const char16_t c : info.text) {
            if (c == u'<' || c == u'>') {
                inTag = c == u'<';
            } else if (!inTag) {
                plain += c;
            }
        }
        info.text = plain;
    }
    if (info.role == Role::Button || info.role == Role::RadioButton ||
        info.role == Role::Grouping || info.role == Role::StaticText || info.role == Role::Link) {
        TEXTMETRICW metrics{};
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, FontOf(control));
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        MeasureText(control, info.text, TextRoom(control, info.role, metrics.tmHeight), info);
    }
    return info;
}

// --- Pictures: an uncompressed PNG, written by hand to need no library.

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0xFFFFFFFFu) {
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return crc;
}

void PutBig(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    PutBig(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBig(out,
           Crc32(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()) ^ 0xFFFFFFFFu);
}

// Rows of RGB, each after its filter byte, in stored (uncompressed) deflate
// blocks.
std::string Png(int width, int height, const std::vector<std::uint8_t>& bgra) {
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* pixel = &bgra[(static_cast<std::size_t>(y) * width + x) * 4];
            raw += static_cast<char>(pixel[2]);
            raw += static_cast<char>(pixel[1]);
            raw += static_cast<char>(pixel[0]);
        }
    }
    std::string zlib = "\x78\x01";
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t start = 0; start < raw.size() || start == 0; start += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - start);
        const bool last = start + length >= raw.size();
        zlib += static_cast<char>(last ? 1 : 0);
        zlib += static_cast<char>(length & 0xFF);
        zlib += static_cast<char>(length >> 8);
        zlib += static_cast<char>(~length & 0xFF);
        zlib += static_cast<char>((~length >> 8) & 0xFF);
        zlib.append(raw, start, length);
        if (last) {
            break;
        }
    }
    for (const char c : raw) {
        a = (a + static_cast<std::uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    PutBig(zlib, (b << 16) | a);
    std::string header;
    PutBig(header, static_cast<std::uint32_t>(width));
    PutBig(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    std::string png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", zlib);
    Chunk(png, "IEND", "");
    return png;
}

std::wstring ScreenshotFolder() {
    std::string folder = TICKWRIGHT_SCREENSHOT_DIR;
    // A Linux path, reached under Wine through its drive Z:.
    if (!folder.empty() && folder.front() == '/') {
        folder = "Z:" + folder;
    }
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return std::wstring(folder.begin(), folder.end());
}

std::map<UINT_PTR, std::function<void()>>& LaterActions() {
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunLater(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto it = LaterActions().find(id);
    if (it != LaterActions().end()) {
        std::function<void()> action = std::move(it->second);
        LaterActions().erase(it);
        action();
    }
}

bool IsModalRun(HWND window) {
    for (const DialogWindow* run : DialogWindow::ModalRuns()) {
        if (run->Handle() == window) {
            return true;
        }
    }
    return false;
}

}  // namespace

void PrepareEnvironment() {
    // The tests' local zone is UTC+08:00, in the C runtime's own TZ form.
    const char* zone = std::getenv("TZ");
    if (zone == nullptr || *zone == '\0') {
        _putenv_s("TZ", "CST-8");
    }
}

double ScaleFactor() {
    return static_cast<double>(GetDpiForSystem()) / 96.0;
}

void RunPendingEvents() {
    Pump();
}

void Wait(int milliseconds) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::max<long long>(0, left.count())),
                                  QS_ALLINPUT);
        Pump();
    }
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
    return true;
}

void Later(std::function<void()> action) {
    // A thread timer: every message loop hands its WM_TIMER on, a modal
    // dialog's, a message box's and a menu's alike.
    const UINT_PTR id = SetTimer(nullptr, 0, 1, &RunLater);
    LaterActions()[id] = std::move(action);
}

Window ActiveModal() {
    // The dialog in front that a modal loop runs: one of the layer's in
    // DoModal, or a box of the system's (a message box, the save dialog).
    Window found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            if (!IsWindowVisible(window) || !IsWindowEnabled(window) ||
                ClassOf(window) != L"#32770") {
                return TRUE;
            }
            if (DialogWindow::Of(window) == nullptr || IsModalRun(window)) {
                *reinterpret_cast<Window*>(result) = Window(window);
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

Window ActiveMenu() {
    HWND menu = OpenMenu();
    return menu != nullptr ? Window(menu) : Window();
}

Window WindowOf(const Dialog& dialog) {
    const DialogWindow* window = ui::DialogAccess::WindowOf(dialog);
    return window != nullptr ? Window(window->Handle()) : Window();
}

void Activate(Window window) {
    HWND handle = GetAncestor(HandleOf(window), GA_ROOT);
    ShowWindow(handle, SW_SHOW);
    SetForegroundWindow(handle);
    SetActiveWindow(handle);
    Pump();
}

std::u16string Title(Window window) {
    return win32::WindowText(HandleOf(window));
}

bool HasIcon(Window window) {
    return SendMessageW(HandleOf(window), WM_GETICON, ICON_BIG, 0) != 0 &&
           SendMessageW(HandleOf(window), WM_GETICON, ICON_SMALL, 0) != 0;
}

std::u16string MessageText(Window box) {
    // A message box shows its message in the static of id 0xFFFF.
    HWND text = GetDlgItem(HandleOf(box), 0xFFFF);
    return text != nullptr ? win32::WindowText(text) : std::u16string();
}

bool IsVisible(Window window) {
    return IsWindowVisible(HandleOf(window)) != 0;
}

bool IsMinimized(Window window) {
    return IsIconic(HandleOf(window)) != 0;
}

bool IsMaximized(Window window) {
    return IsZoomed(HandleOf(window)) != 0;
}

Rect Placement(Window window) {
    HWND handle = HandleOf(window);
    RECT frame{};
    GetWindowRect(handle, &frame);
    HWND parent = (GetWindowLongW(handle, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(handle) : nullptr;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&frame), 2);
    return ToDipsRect(handle, frame);
}

Rect ClientRect(Window window) {
    RECT client{};
    GetClientRect(HandleOf(window), &client);
    return ToDipsRect(HandleOf(window), client);
}

Rect DialogUnitsInWindow(Window window, const Rect& dialogUnits) {
    // The dialog manager maps a control's position and its size each on
    // their own, and so rounds them.
    const HWND handle = HandleOf(window);
    RECT place{dialogUnits.x, dialogUnits.y, dialogUnits.x, dialogUnits.y};
    RECT size{0, 0, dialogUnits.width, dialogUnits.height};
    MapDialogRect(handle, &place);
    MapDialogRect(handle, &size);
    return ToDipsRect(
        handle, RECT{place.left, place.top, place.left + size.right, place.top + size.bottom});
}

void Close(Window window) {
    // The close box: a system command, as the frame sends it.
    PostMessageW(HandleOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
}

void Resize(Window window, int width, int height) {
    HWND handle = HandleOf(window);
    RECT frame{0, 0, ToDevice(handle, width), ToDevice(handle, height)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(handle, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(handle, GWL_EXSTYLE)),
                             static_cast<UINT>(DpiOf(handle)));
    SetWindowPos(handle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
}

void Minimize(Window window) {
    PostMessageW(HandleOf(window), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
}

void Restore(Window window) {
    ShowWindow(HandleOf(window), SW_RESTORE);
    Pump();
}

void Repaint(Window window, int id) {
    if (HWND control = ControlOf(window, id)) {
        RedrawWindow(control, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void Click(Window window, int id) {
    HWND control = ControlOf(window, id);
    if (control == nullptr) {
        return;
    }
    POINT at = Middle(control);
    if (ClassOf(control) == L"SysLink") {
        at.x = std::min(at.x, static_cast<LONG>(ToDevice(control, 6)));  // on the link's text
    }
    ClickAt(control, at, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, kNoModifier);
}

void RightClickAt(Window window, int x, int y) {
    HWND handle = HandleOf(window);
    ClickAt(handle, POINT{ToDevice(handle, x), ToDevice(handle, y)}, WM_RBUTTONDOWN, WM_RBUTTONUP,
            MK_RBUTTON, kNoModifier);
}

void TypeText(Window window, int id, std::u16string_view text) {
    HWND control = ControlOf(window, id);
    SetFocus(control);
    for (const char16_t c : text) {
        // A digit or small letter is typed as its key, which the message loop
        // translates into the character as it does a real key's; any other
        // character comes as an input method gives it, as a character alone.
        const bool keyed = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z');
        if (keyed) {
            const int key = c >= u'a' ? c - u'a' + 'A' : c;
            PostMessageW(control, WM_KEYDOWN, static_cast<WPARAM>(key),
                         KeyParam(key, false, false));
            PostMessageW(control, WM_KEYUP, static_cast<WPARAM>(key), KeyParam(key, true, false));
        } else {
            PostMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
        }
    }
    Pump();
}

void PressKey(Key key, unsigned modifiers) {
    HeldModifiers held(modifiers);
    const HWND target = KeyTarget();
    PostKey(target, VirtualKey(key), modifiers);
    if (key == Key::Menu) {
        // Windows' keyboard input, not the window, turns the menu key's
        // release into WM_CONTEXTMENU for the focused window; the driver
        // stands in for the keyboard.
        PostMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), -1);
    }
    Pump();
}

void ChooseComboItem(Window window, int id, int index) {
    HWND combo = ControlOf(window, id);
    SetFocus(combo);
    // The arrow keys move a closed drop-down list's choice, which it reports
    // as the user's (CBN_SELCHANGE), one item a press.
    const int current = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    const int steps = index - (current < 0 ? -1 : current);
    const int key = steps >= 0 ? VK_DOWN : VK_UP;
    for (int i = 0; i < std::abs(steps); ++i) {
        PostMessageW(combo, WM_KEYDOWN, static_cast<WPARAM>(key), KeyParam(key, false, false));
        PostMessageW(combo, WM_KEYUP, static_cast<WPARAM>(key), KeyParam(key, true, false));
    }
    Pump();
}

namespace {

HWND ListControl(Window window, int id) {
    HWND list = ControlOf(window, id);
    // A list takes its model's row count when the event loop turns; what the
    // driver reads or clicks is the list as it will then be drawn. Only that
    // posted message is delivered, so nothing else runs meanwhile.
    MSG message{};
    while (list != nullptr && PeekMessageW(&message, GetParent(list), ReportList::kCatchUpMessage,
                                           ReportList::kCatchUpMessage, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    return list;
}

POINT CellPoint(HWND list, int row, int column) {
    RECT cell{};
    ListView_GetSubItemRect(list, row, column, LVIR_LABEL, &cell);
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

POINT BelowRowsPoint(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    return POINT{ToDevice(list, 10), client.bottom - ToDevice(list, 5)};
}

}  // namespace

int RowCount(Window window, int id) {
    HWND list = ListControl(window, id);
    return list != nullptr ? ListView_GetItemCount(list) : 0;
}

int ColumnCount(Window window, int id) {
    HWND list = ListControl(window, id);
    return list != nullptr ? Header_GetItemCount(ListView_GetHeader(list)) : 0;
}

void ClickRow(Window window, int id, int row, unsigned modifiers, int column) {
    HWND list = ListControl(window, id);
    ClickAt(list, CellPoint(list, row, column), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON,
            modifiers);
}

void DoubleClickRow(Window window, int id, int row, int column) {
    HWND list = ListControl(window, id);
    ClickAt(list, CellPoint(list, row, column), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON,
            kNoModifier, true);
}

void RightClickRow(Window window, int id, int row, int column) {
    HWND list = ListControl(window, id);
    ClickAt(list, CellPoint(list, row, column), WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON,
            kNoModifier);
}

void DoubleClickBelowRows(Window window, int id) {
    HWND list = ListControl(window, id);
    ClickAt(list, BelowRowsPoint(list), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, kNoModifier,
            true);
}

void RightClickBelowRows(Window window, int id) {
    HWND list = ListControl(window, id);
    ClickAt(list, BelowRowsPoint(list), WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, kNoModifier);
}

void SelectRows(Window window, int id, const std::vector<int>& rows, int current) {
    HWND list = ListControl(window, id);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    for (const int row : rows) {
        ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (current >= 0) {
        ListView_SetItemState(list, current, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    Pump();
}

void ClickHeading(Window window, int id, int column) {
    HWND header = ListView_GetHeader(ListControl(window, id));
    RECT item{};
    Header_GetItemRect(header, column, &item);
    ClickAt(header, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2},
            WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, kNoModifier);
}

ListLook LookOf(Window window, int id) {
    const DWORD style = ListView_GetExtendedListViewStyle(ListControl(window, id));
    return {(style & LVS_EX_GRIDLINES) != 0, (style & LVS_EX_FULLROWSELECT) != 0};
}

std::u16string CellShown(Window window, int id, int row, int column) {
    // As the control draws it: asked of the dialog through LVN_GETDISPINFO.
    std::wstring text(kMostCharactersShown + 8, L'\0');
    ListView_GetItemText(ListControl(window, id), row, column, text.data(),
                         static_cast<int>(text.size()));
    return win32::FromWide(text.c_str());
}

std::u16string Heading(Window window, int id, int column) {
    wchar_t text[256] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 255;
    Header_GetItem(ListView_GetHeader(ListControl(window, id)), column, &item);
    return win32::FromWide(text);
}

std::u16string RowHint(Window window, int id, int row, int column) {
    // The tip the list shows when the pointer rests on a row, asked of the
    // dialog as the list asks for it (LVN_GETINFOTIP).
    HWND list = ListControl(window, id);
    std::wstring text(INFOTIPSIZE, L'\0');
    NMLVGETINFOTIPW tip{};
    tip.hdr.hwndFrom = list;
    tip.hdr.idFrom = static_cast<UINT_PTR>(id);
    tip.hdr.code = LVN_GETINFOTIPW;
    tip.pszText = text.data();
    tip.cchTextMax = static_cast<int>(text.size());
    tip.iItem = row;
    tip.iSubItem = column;
    SendMessageW(GetParent(list), WM_NOTIFY, static_cast<WPARAM>(id),
                 reinterpret_cast<LPARAM>(&tip));
    return win32::FromWide(text.c_str());
}

std::vector<MenuEntry> WindowMenu(Window window) {
    // Opened for real, as Alt+Space does: the system sets the standard
    // items' states and the dialog its own only as the menu opens.
    const HWND handle = HandleOf(window);
    std::vector<MenuEntry> entries;
    WithMenu([handle] { PostMessageW(handle, WM_SYSCOMMAND, SC_KEYMENU, L' '); },
             [&entries](Window menu) {
                 entries = MenuEntries(menu);
                 DismissMenu(menu);
             });
    // Wine puts an "About Wine" item of its own (SC_SCREENSAVE + 1) after
    // a separator into every window menu; Windows has none.
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].command == SC_SCREENSAVE + 1 && entries[i - 1].separator) {
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i - 1),
                          entries.begin() + static_cast<std::ptrdiff_t>(i + 1));
            break;
        }
    }
    return entries;
}

std::vector<MenuEntry> MenuEntries(Window menu) {
    return EntriesOf(MenuOf(menu));
}

void ChooseMenuItem(Window menu, const std::vector<std::u16string>& path) {
    // With the keys, as the menu's own loop reads them once this returns:
    // down to each item, into its submenu, and Enter.
    HWND window = HandleOf(menu);
    HMENU current = MenuOf(menu);
    int highlighted = HighlightedItem(current);
    for (std::size_t level = 0; level < path.size() && current != nullptr; ++level) {
        const int target = PositionOf(current, path[level]);
        if (target < 0) {
            return;
        }
        for (int i = DownPresses(current, highlighted, target); i > 0; --i) {
            PostKey(window, VK_DOWN, kNoModifier);
        }
        if (level + 1 < path.size()) {
            PostKey(window, VK_RIGHT, kNoModifier);
            current = GetSubMenu(current, target);
            highlighted = 0;  // a submenu opened with the keys shows its first item
        } else {
            PostKey(window, VK_RETURN, kNoModifier);
        }
    }
}

void DismissMenu(Window) {
    EndMenu();
}

std::vector<ControlInfo> Controls(Window window) {
    std::vector<ControlInfo> controls;
    HWND handle = HandleOf(window);
    if (const DialogWindow* dialog = DialogOf(window)) {
        const DialogTemplate& dialogTemplate = dialog->Template();
        const std::vector<HWND>& windows = dialog->TemplateControls();
        for (std::size_t i = 0; i < windows.size(); ++i) {
            if (windows[i] == nullptr) {
                continue;
            }
            const ControlTemplate& control = dialogTemplate.controls[i];
            ControlInfo info = InfoOf(windows[i], handle, control.id);
            info.templateRect = DialogUnitsInWindow(window, control.rect);
            if (control.cls == ControlClass::ComboBox) {
                info.templateRect.height = info.rect.height;  // the closed list
            }
            controls.push_back(info);
        }
        return controls;
    }
    // Any other window (a message box): every control in it.
    struct Gathering {
        std::vector<ControlInfo>* list;
        HWND parent;
    } gathering{&controls, handle};
    EnumChildWindows(
        handle,
        [](HWND child, LPARAM state) -> BOOL {
            auto* gathering = reinterpret_cast<Gathering*>(state);
            gathering->list->push_back(InfoOf(child, gathering->parent, GetDlgCtrlID(child)));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&gathering));
    return controls;
}

int StackIndexOf(Window child) {
    int index = 0;
    for (HWND w = GetWindow(HandleOf(child), GW_HWNDNEXT); w != nullptr;
         w = GetWindow(w, GW_HWNDNEXT)) {
        ++index;
    }
    return index;
}

Accessible AccessibleOf(Window window, int id) {
    return Msaa(ControlOf(window, id));
}

bool IsReadOnly(Window window, int id) {
    HWND control = ControlOf(window, id);
    return control == nullptr || ClassOf(control) != L"Edit" ||
           (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

std::u16string ControlText(Window window, int id) {
    HWND control = ControlOf(window, id);
    return control != nullptr ? win32::WindowText(control) : std::u16string();
}

std::u16string ClipboardText() {
    // Windows holds text with lines ending in CR LF; the tests read lines.
    std::u16string text = backend::ClipboardText().value_or(std::u16string());
    std::u16string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
            lines += text[i];
        }
    }
    return lines;
}

void SetClipboardText(std::u16string_view text) {
    // As another program puts text there: with a window of its own, lines
    // ending in CR LF.
    static const HWND owner =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::wstring lines;
    for (const char16_t c : text) {
        if (c == u'\n') {
            lines += L'\r';
        }
        lines += static_cast<wchar_t>(c);
    }
    if (!OpenClipboard(owner)) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (lines.size() + 1) * sizeof(wchar_t))) {
        if (auto* copy = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy(lines.begin(), lines.end(), copy);
            copy[lines.size()] = L'\0';
            GlobalUnlock(memory);
        }
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

std::optional<PictureSize> SaveScreenshot(Window window, std::string_view name) {
    HWND handle = HandleOf(window);
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(handle, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    HDC source = GetDC(handle);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint8_t> pixels(
        static_cast<const std::uint8_t*>(bits),
        static_cast<const std::uint8_t*>(bits) + static_cast<std::size_t>(width) * height * 4);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(handle, source);

    const std::wstring folder = ScreenshotFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    const UINT dpi = GetDpiForSystem();
    const std::string scale = dpi == 96    ? ""
                              : dpi == 144 ? "@1.5x"
                              : dpi == 192 ? "@2x"
                                           : "@dpi" + std::to_string(dpi);
    const std::string file = std::string(name) + scale + ".png";
    std::ofstream out(std::filesystem::path(folder) / file, std::ios::binary);
    out << Png(width, height, pixels);
    if (!out.good()) {
        return std::nullopt;
    }
    return PictureSize{width, height};
}

}  // namespace ui::test

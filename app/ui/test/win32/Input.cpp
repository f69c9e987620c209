// The Win32 driver's hands: mouse and key messages posted to the control
// under the point or with the focus, as Windows' input delivers a user's.
#include "app/ui/test/win32/DriverSupport.h"
//
#include <algorithm>
#include <cstdlib>

#include "app/ui/win32/Text.h"

namespace ui::test {

using namespace support;

namespace {

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<short>(point.x), static_cast<short>(point.y));
}

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
        case Key::V:
            return 'V';
        case Key::Insert:
            return VK_INSERT;
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

namespace support {

void PostKey(HWND target, int virtualKey, unsigned modifiers) {
    const bool alt = (modifiers & kAlt) != 0;
    // F10 and every key with Alt are the system's keys.
    const bool system = alt || virtualKey == VK_F1 + 9;
    PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(virtualKey),
                 KeyParam(virtualKey, false, alt));
    PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(virtualKey),
                 KeyParam(virtualKey, true, alt));
}

}  // namespace support

void Click(Window window, int id) {
    HWND control = ControlOf(window, id);
    if (control == nullptr) {
        return;
    }
    POINT at = Middle(control);
    if (win32::ClassName(control) == L"SysLink") {
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

}  // namespace ui::test

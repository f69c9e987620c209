// The Win32 driver's eyes on controls: what a control is and is called as
// assistive tools learn it (the system's own proxies, read through MSAA),
// and how its text fits, measured in its own font.
#include "app/ui/test/win32/DriverSupport.h"
//
#include <algorithm>

#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Text.h"

namespace ui::test {

using namespace support;

namespace {

Role RoleOfClass(HWND control) {
    const std::wstring name = win32::ClassName(control);
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
            room.left += GetSystemMetricsForDpi(SM_CXMENUCHECK,
                                                static_cast<UINT>(DialogWindow::DpiOf(control))) +
                         edge;
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

}  // namespace

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
    return control == nullptr || win32::ClassName(control) != L"Edit" ||
           (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

std::u16string ControlText(Window window, int id) {
    HWND control = ControlOf(window, id);
    return control != nullptr ? win32::WindowText(control) : std::u16string();
}

}  // namespace ui::test

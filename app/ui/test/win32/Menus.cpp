// The Win32 driver's menus: found as the "#32768" windows Windows makes,
// read through the menu handle such a window holds, chosen with the keys
// its own loop reads.
#include "app/ui/test/win32/DriverSupport.h"
//
#include "app/ui/win32/Text.h"

namespace ui::test {

using namespace support;

namespace {

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

}  // namespace

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

}  // namespace ui::test

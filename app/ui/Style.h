#pragma once

// Style flags of dialog templates. The values follow the classic window-style
// bits so that templates read like the resource scripts they describe; only
// the flags the layer honours are listed.

#include <cstdint>

namespace ui {

using StyleFlags = std::uint32_t;

// Window styles.
inline constexpr StyleFlags WS_POPUP = 0x80000000u;
inline constexpr StyleFlags WS_CHILD = 0x40000000u;
inline constexpr StyleFlags WS_MINIMIZEBOX = 0x00020000u;
inline constexpr StyleFlags WS_VISIBLE = 0x10000000u;
inline constexpr StyleFlags WS_CAPTION = 0x00C00000u;
inline constexpr StyleFlags WS_BORDER = 0x00800000u;
inline constexpr StyleFlags WS_VSCROLL = 0x00200000u;
inline constexpr StyleFlags WS_SYSMENU = 0x00080000u;
inline constexpr StyleFlags WS_THICKFRAME = 0x00040000u;
inline constexpr StyleFlags WS_GROUP = 0x00020000u;
inline constexpr StyleFlags WS_TABSTOP = 0x00010000u;

// Dialog styles.
inline constexpr StyleFlags DS_MODALFRAME = 0x0080u;
inline constexpr StyleFlags DS_SETFONT = 0x0040u;
inline constexpr StyleFlags DS_FIXEDSYS = 0x0008u;
inline constexpr StyleFlags DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Button styles (the low four bits are the kind).
inline constexpr StyleFlags BS_PUSHBUTTON = 0x0000u;
inline constexpr StyleFlags BS_DEFPUSHBUTTON = 0x0001u;
inline constexpr StyleFlags BS_AUTORADIOBUTTON = 0x0009u;
inline constexpr StyleFlags BS_GROUPBOX = 0x0007u;
inline constexpr StyleFlags BS_TYPEMASK = 0x000Fu;

// Edit styles.
inline constexpr StyleFlags ES_AUTOHSCROLL = 0x0080u;
inline constexpr StyleFlags ES_READONLY = 0x0800u;

// Combo box styles.
inline constexpr StyleFlags CBS_DROPDOWNLIST = 0x0003u;
inline constexpr StyleFlags CBS_SORT = 0x0100u;

// Static styles.
inline constexpr StyleFlags SS_ICON = 0x0003u;
inline constexpr StyleFlags SS_NOPREFIX = 0x0080u;

// List view styles.
inline constexpr StyleFlags LVS_REPORT = 0x0001u;

// List view extended styles.
inline constexpr StyleFlags LVS_EX_GRIDLINES = 0x0001u;
inline constexpr StyleFlags LVS_EX_FULLROWSELECT = 0x0020u;
inline constexpr StyleFlags LVS_EX_MULTIWORKAREAS = 0x2000u;

// Message box styles.
inline constexpr StyleFlags MB_OK = 0x0000u;
inline constexpr StyleFlags MB_ICONEXCLAMATION = 0x0030u;

// Dialog results and the standard button ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Window-menu commands; a command's low four bits are free for the caller.
inline constexpr int SC_MINIMIZE = 0xF020;
inline constexpr int SC_CLOSE = 0xF060;

// Key codes offered to key pre-translation.
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;

}  // namespace ui

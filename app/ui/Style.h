#pragma once

// Style flags of dialog templates. The values follow the classic window-style
// bits so that templates read like the resource scripts they describe. The
// first group is what the layer acts on; the second is recorded in the
// templates for fidelity and deliberately not acted on, each for the reason
// given.

#include <cstdint>

namespace ui {

using StyleFlags = std::uint32_t;

// ---- Acted on by the layer.

// Window styles.
inline constexpr StyleFlags WS_VISIBLE = 0x10000000u;      // shown when built
inline constexpr StyleFlags WS_BORDER = 0x00800000u;       // edits and lists get a frame
inline constexpr StyleFlags WS_SYSMENU = 0x00080000u;      // close box and window menu
inline constexpr StyleFlags WS_THICKFRAME = 0x00040000u;   // resizable; else fixed size
inline constexpr StyleFlags WS_MINIMIZEBOX = 0x00020000u;  // minimize box
inline constexpr StyleFlags WS_MAXIMIZEBOX = 0x00010000u;  // maximize box
inline constexpr StyleFlags WS_GROUP = 0x00020000u;        // opens a radio-button group
inline constexpr StyleFlags WS_TABSTOP = 0x00010000u;      // in the tab order

// Button styles: the low four bits are the kind; anything but the kinds
// below is a push button.
inline constexpr StyleFlags BS_PUSHBUTTON = 0x0000u;
inline constexpr StyleFlags BS_DEFPUSHBUTTON = 0x0001u;  // pressed by Enter in a modal dialog
inline constexpr StyleFlags BS_GROUPBOX = 0x0007u;
inline constexpr StyleFlags BS_AUTORADIOBUTTON = 0x0009u;
inline constexpr StyleFlags BS_TYPEMASK = 0x000Fu;

// Edit, combo box and static styles.
inline constexpr StyleFlags ES_READONLY = 0x0800u;
inline constexpr StyleFlags CBS_SORT = 0x0100u;  // items inserted in order
inline constexpr StyleFlags SS_ICON = 0x0003u;   // a static showing an icon

// List view extended styles.
inline constexpr StyleFlags LVS_EX_GRIDLINES = 0x0001u;
inline constexpr StyleFlags LVS_EX_FULLROWSELECT = 0x0020u;

// Message box styles: MB_OK is the only button set there is.
inline constexpr StyleFlags MB_OK = 0x0000u;
inline constexpr StyleFlags MB_ICONEXCLAMATION = 0x0030u;

// ---- Recorded, not acted on.

// Whether a dialog is a child or a window follows from how it is built
// (Create or DoModal), and every window has a caption and the template's font.
inline constexpr StyleFlags WS_POPUP = 0x80000000u;
inline constexpr StyleFlags WS_CHILD = 0x40000000u;
inline constexpr StyleFlags WS_CAPTION = 0x00C00000u;
inline constexpr StyleFlags DS_MODALFRAME = 0x0080u;
inline constexpr StyleFlags DS_SETFONT = 0x0040u;
inline constexpr StyleFlags DS_FIXEDSYS = 0x0008u;
inline constexpr StyleFlags DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;
// Lists and edits scroll whenever their content needs it.
inline constexpr StyleFlags WS_VSCROLL = 0x00200000u;
inline constexpr StyleFlags ES_AUTOHSCROLL = 0x0080u;
// The only kinds the layer builds: drop-down lists and report views.
inline constexpr StyleFlags CBS_DROPDOWNLIST = 0x0003u;
inline constexpr StyleFlags LVS_REPORT = 0x0001u;
// Statics show their text as it is; no "&" is ever taken as a mnemonic.
inline constexpr StyleFlags SS_NOPREFIX = 0x0080u;
// Work areas mean nothing in a report view; the bit is kept in the style.
inline constexpr StyleFlags LVS_EX_MULTIWORKAREAS = 0x2000u;

// ---- Results, commands and keys.

// Dialog results and the standard button ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The standard window-menu commands; a command's low four bits are free for
// the caller, and a dialog's own commands keep them zero and stay below
// 0xF000.
inline constexpr int SC_SIZE = 0xF000;
inline constexpr int SC_MOVE = 0xF010;
inline constexpr int SC_MINIMIZE = 0xF020;
inline constexpr int SC_MAXIMIZE = 0xF030;
inline constexpr int SC_CLOSE = 0xF060;
inline constexpr int SC_RESTORE = 0xF120;

// Virtual-key codes: every key-down offered to key pre-translation carries
// one. Letters and digits are their upper-case ASCII codes ('A' is 0x41,
// '0' is 0x30); the rest are named here.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;  // Alt
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;  // Page Up
inline constexpr int VK_NEXT = 0x22;   // Page Down
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_SNAPSHOT = 0x2C;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_APPS = 0x5D;  // the menu key
inline constexpr int VK_NUMPAD0 = 0x60;
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;  // VK_F1 + n - 1 is Fn, up to F24
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;

}  // namespace ui

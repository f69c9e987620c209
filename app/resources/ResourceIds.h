#pragma once

// Every resource and control id, named once. The template table builds its
// controls under these names and every dialog class and test addresses them
// by the same names, so a renumbered control cannot silently come apart from
// the code that drives it. Ids are unique within their dialog only; controls
// of different dialogs may share a number, as in any resource script.

namespace res {

// Dialogs, the icon and the string table.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDS_EXPORT_HISTORY = 102;  // the window-menu item that exports the history
inline constexpr int IDS_COPY_ROW = 103;        // the history list's shortcut menu
inline constexpr int IDS_COPY_OUTPUT = 104;
// "复制为" and its items, in the order of the IDM_COPY_AS_ commands.
inline constexpr int IDS_COPY_AS = 105;
inline constexpr int IDS_COPY_AS_ISO_ZONE = 106;
inline constexpr int IDS_COPY_AS_ISO_UTC = 107;
inline constexpr int IDS_COPY_AS_UNIX_SECONDS = 108;
inline constexpr int IDS_COPY_AS_UNIX_MS = 109;
inline constexpr int IDS_PASTE_CONVERT = 110;  // the same menu: a pasted text's numbers as rows
inline constexpr int IDD_TICKWRIGHT_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;  // the application icon
inline constexpr int IDD_SIMPLE = 131;
inline constexpr int IDD_ADVANCE = 133;
inline constexpr int IDD_LIST_DETAIL = 135;

// Window-menu commands (their low four bits are zero, as system commands'
// are): the About box, and exporting the history.
inline constexpr int IDM_ABOUTBOX = 0x0010;
inline constexpr int IDM_EXPORT_HISTORY = 0x0020;
// The history list's shortcut menu: copy the row, copy its output.
inline constexpr int IDM_COPY_ROW = 32771;
inline constexpr int IDM_COPY_OUTPUT = 32772;
// "复制为": the row's instant as ISO 8601 in its zone or in UTC, as Unix
// seconds or milliseconds; consecutive, in that order.
inline constexpr int IDM_COPY_AS_ISO_ZONE = 32773;
inline constexpr int IDM_COPY_AS_ISO_UTC = 32774;
inline constexpr int IDM_COPY_AS_UNIX_SECONDS = 32775;
inline constexpr int IDM_COPY_AS_UNIX_MS = 32776;
// The same menu: the clipboard's epoch numbers as history rows (Ctrl+V).
inline constexpr int IDM_PASTE_CONVERT = 32777;

// A control no code addresses: labels and frames.
inline constexpr int IDC_STATIC = -1;

// Main window (IDD_TICKWRIGHT_DIALOG).
inline constexpr int IDC_PRECISION = 1005;     // the precision selector
inline constexpr int IDC_INTRO_LINK = 1008;    // "软件简介"
inline constexpr int IDC_CURRENT_TIME = 1010;  // "当前时间"
inline constexpr int IDC_TOGGLE_MODE = 1012;   // "切换至高级模式" / "切换至普通模式"
inline constexpr int IDC_HISTORY = 1013;       // the history list
inline constexpr int IDC_HISTORY_STATUS = 1020;  // the static right of the strip; stays empty
inline constexpr int IDC_CLEAR = 1021;           // "清空"

// About box (IDD_ABOUTBOX).
inline constexpr int IDC_ABOUT_LINK = 1008;

// Simple page (IDD_SIMPLE).
inline constexpr int IDC_SIMPLE_TO_TIMESTAMP = 1014;  // "<<-"
inline constexpr int IDC_SIMPLE_TO_DATETIME = 1015;   // "->>"
inline constexpr int IDC_SIMPLE_ZONE = 1016;
inline constexpr int IDC_SIMPLE_TIMESTAMP = 1017;
inline constexpr int IDC_SIMPLE_TIME = 1019;
inline constexpr int IDC_SIMPLE_DATE = 1020;

// Advanced page (IDD_ADVANCE).
inline constexpr int IDC_INPUT_ZONE = 1000;
inline constexpr int IDC_OUTPUT_ZONE = 1001;
inline constexpr int IDC_SOURCE_TIMESTAMP = 1002;  // radio "时间戳"
inline constexpr int IDC_SOURCE_DATETIME = 1003;   // radio "时间"
inline constexpr int IDC_INPUT_TIMESTAMP = 1006;
inline constexpr int IDC_INPUT_TIME = 1007;
inline constexpr int IDC_INPUT_DATE = 1008;
inline constexpr int IDC_OUTPUT_DATE = 1009;
inline constexpr int IDC_CONVERT = 1011;  // "->>"
inline constexpr int IDC_OUTPUT_TIMESTAMP = 1016;
inline constexpr int IDC_OUTPUT_TIME = 1017;

// Detail dialog (IDD_LIST_DETAIL).
inline constexpr int IDC_DETAIL_INPUT = 1007;
inline constexpr int IDC_DETAIL_OUTPUT = 1017;
inline constexpr int IDC_DETAIL_NOTE = 1024;
inline constexpr int IDC_DETAIL_INPUT_ZONE = 1025;
inline constexpr int IDC_DETAIL_OUTPUT_ZONE = 1026;

}  // namespace res

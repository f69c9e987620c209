#pragma once

// The one way a file of the Win32 backend reaches <windows.h>. Include it
// instead of <windows.h>, and before any other header that might include
// that. It settles the names the layer's contract shares with <windows.h>:
//
// - The constants (WS_, BS_, ES_, CBS_, SS_, LVS_EX_, DS_, MB_, SC_, VK_,
//   IDOK, IDCANCEL): <windows.h> defines them as macros, which would rewrite
//   the contract's own declarations. So the contract's headers come first,
//   while the names are still free, and every constant the contract shares
//   is then checked to have Windows' value. After this header a backend file
//   writes them bare (WS_VISIBLE), and the macro and the contract agree.
// - The functions <windows.h> maps to their ...A or ...W forms by macro
//   (MessageBox, GetWindowText, LoadString, GetSaveFileName,
//   DispatchMessage): the contract's own functions and members of those
//   names would be renamed in one file and not in another. The macros are
//   taken away here; a backend file calls the ...W function it means.

#include "app/ui/Application.h"
#include "app/ui/CellText.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/Font.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/MessageMap.h"
#include "app/ui/ReportModel.h"
#include "app/ui/ResourceTables.h"
#include "app/ui/Style.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/WindowOwner.h"

// The constants the contract and <windows.h> both name, in one list.
// clang-format off
#define TICKWRIGHT_SHARED_CONSTANTS(X) \
    X(WS_VISIBLE) \
    X(WS_BORDER) \
    X(WS_SYSMENU) \
    X(WS_THICKFRAME) \
    X(WS_MINIMIZEBOX) \
    X(WS_MAXIMIZEBOX) \
    X(WS_GROUP) \
    X(WS_TABSTOP) \
    X(WS_POPUP) \
    X(WS_CHILD) \
    X(WS_CAPTION) \
    X(WS_VSCROLL) \
    X(BS_PUSHBUTTON) \
    X(BS_DEFPUSHBUTTON) \
    X(BS_GROUPBOX) \
    X(BS_AUTORADIOBUTTON) \
    X(BS_TYPEMASK) \
    X(ES_READONLY) \
    X(ES_AUTOHSCROLL) \
    X(CBS_SORT) \
    X(CBS_DROPDOWNLIST) \
    X(SS_ICON) \
    X(SS_NOPREFIX) \
    X(LVS_REPORT) \
    X(LVS_EX_GRIDLINES) \
    X(LVS_EX_FULLROWSELECT) \
    X(LVS_EX_MULTIWORKAREAS) \
    X(DS_MODALFRAME) \
    X(DS_SETFONT) \
    X(DS_FIXEDSYS) \
    X(DS_SHELLFONT) \
    X(MB_OK) \
    X(MB_ICONEXCLAMATION) \
    X(IDOK) \
    X(IDCANCEL) \
    X(SC_SIZE) \
    X(SC_MOVE) \
    X(SC_MINIMIZE) \
    X(SC_MAXIMIZE) \
    X(SC_CLOSE) \
    X(SC_RESTORE) \
    X(VK_BACK) \
    X(VK_TAB) \
    X(VK_RETURN) \
    X(VK_SHIFT) \
    X(VK_CONTROL) \
    X(VK_MENU) \
    X(VK_PAUSE) \
    X(VK_CAPITAL) \
    X(VK_ESCAPE) \
    X(VK_SPACE) \
    X(VK_PRIOR) \
    X(VK_NEXT) \
    X(VK_END) \
    X(VK_HOME) \
    X(VK_LEFT) \
    X(VK_UP) \
    X(VK_RIGHT) \
    X(VK_DOWN) \
    X(VK_SNAPSHOT) \
    X(VK_INSERT) \
    X(VK_DELETE) \
    X(VK_APPS) \
    X(VK_NUMPAD0) \
    X(VK_MULTIPLY) \
    X(VK_ADD) \
    X(VK_SUBTRACT) \
    X(VK_DECIMAL) \
    X(VK_DIVIDE) \
    X(VK_F1) \
    X(VK_NUMLOCK) \
    X(VK_SCROLL)
// clang-format on

namespace ui::win32::contract {
// The contract's values, taken while the names are still its own.
#define TICKWRIGHT_CONTRACT_VALUE(name) static_cast<long long>(::ui::name),
inline constexpr long long kValues[] = {TICKWRIGHT_SHARED_CONSTANTS(TICKWRIGHT_CONTRACT_VALUE)};
#undef TICKWRIGHT_CONTRACT_VALUE
}  // namespace ui::win32::contract

#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00  // Windows 10: per-monitor DPI, precise time
#endif
#ifndef WINVER
#define WINVER 0x0A00
#endif
#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max stay functions
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#undef MessageBox
#undef GetWindowText
#undef LoadString
#undef GetSaveFileName
#undef DispatchMessage

namespace ui::win32::contract {
// Windows' values, in the same order.
#define TICKWRIGHT_WINDOWS_VALUE(name) static_cast<long long>(name),
inline constexpr long long kWindowsValues[] = {
    TICKWRIGHT_SHARED_CONSTANTS(TICKWRIGHT_WINDOWS_VALUE)};
#undef TICKWRIGHT_WINDOWS_VALUE

constexpr bool SameValues() {
    static_assert(sizeof(kValues) == sizeof(kWindowsValues));
    for (std::size_t i = 0; i < sizeof(kValues) / sizeof(kValues[0]); ++i) {
        if (kValues[i] != kWindowsValues[i]) {
            return false;
        }
    }
    return true;
}
static_assert(SameValues(), "a constant of app/ui/Style.h differs from <windows.h>'s");
}  // namespace ui::win32::contract

#undef TICKWRIGHT_SHARED_CONSTANTS

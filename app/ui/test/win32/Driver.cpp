// The test driver over the Win32 backend: input posted to the real windows'
// message queue, as the window system delivers a user's, through the layer's
// own message loop; what windows show read with the messages and calls
// screen readers and automation tools use. This part: events, windows, the
// list's contents and the clipboard; Input.cpp, Menus.cpp, Readers.cpp and
// Images.cpp hold the rest.
#include "app/ui/test/win32/DriverSupport.h"
//
#include <chrono>
#include <cstdlib>
#include <map>

#include "app/ui/Backend.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/MessageLoop.h"
#include "app/ui/win32/ReportList.h"
#include "app/ui/win32/Text.h"

namespace ui::test {

namespace support {

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

int ToDips(HWND window, int pixels) {
    return MulDiv(pixels, 96, DialogWindow::DpiOf(window));
}

int ToDevice(HWND window, int dips) {
    return MulDiv(dips, DialogWindow::DpiOf(window), 96);
}

Rect ToDipsRect(HWND window, const RECT& r) {
    return Rect{ToDips(window, r.left), ToDips(window, r.top), ToDips(window, r.right - r.left),
                ToDips(window, r.bottom - r.top)};
}

HWND OpenMenu() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            if (IsWindowVisible(window) && win32::ClassName(window) == L"#32768") {
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

void Pump() {
    if (!IsMenuOpen()) {
        win32::ProcessPendingMessages();
    }
}

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

}  // namespace support

using namespace support;

namespace {

using Clock = std::chrono::steady_clock;

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
                win32::ClassName(window) != L"#32770") {
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
                             static_cast<UINT>(DialogWindow::DpiOf(handle)));
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

int RowCount(Window window, int id) {
    HWND list = ListControl(window, id);
    return list != nullptr ? ListView_GetItemCount(list) : 0;
}

int ColumnCount(Window window, int id) {
    HWND list = ListControl(window, id);
    return list != nullptr ? Header_GetItemCount(ListView_GetHeader(list)) : 0;
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
    const std::wstring lines = win32::WithWindowsLineEnds(win32::WideString(text));
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

}  // namespace ui::test

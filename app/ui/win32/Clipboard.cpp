// The clipboard of the Win32 backend.
#include <chrono>
#include <thread>

#include "app/ui/Backend.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Text.h"

namespace ui::backend {

namespace {

// Another program may hold the clipboard open for a moment (clipboard
// history, a remote desktop's clipboard sync); OpenClipboard fails while it
// does, so it is asked again for about this long.
constexpr auto kWaitForClipboard = std::chrono::milliseconds(100);

bool OpenClipboardWaiting(HWND owner) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitForClipboard;
    while (!OpenClipboard(owner)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class OpenedClipboard {
public:
    ~OpenedClipboard() { CloseClipboard(); }
};

// Global memory holding `text` and its NUL, as CF_UNICODETEXT wants it, or
// nullptr with the reason in GetLastError.
HGLOBAL GlobalText(const std::wstring& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) {
        return nullptr;
    }
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    if (copy == nullptr) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        SetLastError(error);
        return nullptr;
    }
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = L'\0';
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

std::u16string PutOnClipboard(const Dialog& owner, std::u16string_view text) {
    const std::wstring lines = win32::WithWindowsLineEnds(win32::WideString(text));
    HGLOBAL memory = GlobalText(lines);
    if (memory == nullptr) {
        return win32::SystemMessage(GetLastError());
    }
    // The clipboard is opened with the dialog's window: EmptyClipboard makes
    // the opener its owner, and SetClipboardData fails on a clipboard that
    // was opened with no window, so has no owner (SetClipboardData, Remarks).
    if (!OpenClipboardWaiting(win32::TopLevelWindowOf(&owner))) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return u"另一个程序正在使用剪贴板。(" + win32::SystemMessage(error) + u")";
    }
    const OpenedClipboard opened;
    if (!EmptyClipboard()) {
        const DWORD error = GetLastError();
        GlobalFree(memory);
        return win32::SystemMessage(error);
    }
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        const DWORD error = GetLastError();
        // Still ours: the system owns it only once the call succeeded
        // (SetClipboardData, Remarks).
        GlobalFree(memory);
        return win32::SystemMessage(error);
    }
    return {};
}

std::optional<std::u16string> ClipboardText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardWaiting(nullptr)) {
        return std::nullopt;
    }
    const OpenedClipboard opened;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (chars == nullptr) {
        return std::nullopt;
    }
    // The text ends at its NUL, or where the memory does if it has none.
    const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < most && chars[length] != L'\0') {
        ++length;
    }
    std::u16string text = win32::FromWide(chars, length);
    GlobalUnlock(data);
    return text;
}

}  // namespace ui::backend

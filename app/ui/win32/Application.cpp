#include "app/ui/Application.h"

#include <string>

#include "app/ui/win32/Accessibility.h"
#include "app/ui/win32/Text.h"

namespace ui {

namespace {

// The name packaging/windows/installer.nsi looks for.
constexpr wchar_t kRunningMutex[] = L"Local\\Tickwright.Running";
bool g_comStarted = false;
HANDLE g_running = nullptr;

bool WriteTo(HANDLE handle, const std::wstring& text) {
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                             nullptr) != 0 &&
               written == text.size();
    }
    // A file or a pipe takes the answer in UTF-8, as on Linux.
    const std::string bytes = win32::Utf8FromWide(text);
    DWORD written = 0;
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) !=
               0 &&
           written == bytes.size();
}

}  // namespace

Application::Application(const ApplicationInfo&) {
    // The save dialog and the accessibility annotations are COM objects of
    // this, the user-interface thread. Without COM the program still runs,
    // without them; and only a call that succeeded (S_FALSE too) is undone
    // (CoInitializeEx, Remarks).
    g_comStarted =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    // The manifest asks for it; a program started without one gets it too.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // Held while the program runs, for its installer and uninstaller to find.
    g_running = CreateMutexW(nullptr, FALSE, kRunningMutex);
}

Application::~Application() {
    if (g_running != nullptr) {
        CloseHandle(g_running);
        g_running = nullptr;
    }
    win32::ReleaseAccessibilityService();  // a COM object, released while COM is up
    if (g_comStarted) {
        CoUninitialize();
        g_comStarted = false;
    }
}

void InitializeUi() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS;
    InitCommonControlsEx(&controls);
}

void SetRegistryKey(std::u16string_view) {
    // The program keeps no settings, so there is nothing to keep under it.
}

std::u16string ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return win32::FromWide(path.c_str(), slash == std::wstring::npos ? 0 : slash);
}

std::vector<std::u16string> DataDirectories() {
    return {};  // Windows has no list of desktop data folders; the page lies beside the program
}

std::int64_t SystemClockTicks() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const std::int64_t sinceYear1601 =
        (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr std::int64_t kYear1601To1970 = 116444736000000000;  // in 100-ns ticks
    return sinceYear1601 - kYear1601To1970;
}

bool WriteAnswer(std::string_view text, bool toErrors) {
    const std::wstring answer = win32::WithWindowsLineEnds(win32::WideFromUtf8(text));
    const DWORD which = toErrors ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        return WriteTo(handle, answer);  // a console, a file or a pipe the caller gave
    }
    // A program for the window system has no console of its own: it writes
    // to the one it was started from.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
        const bool written = console != INVALID_HANDLE_VALUE && WriteTo(console, L"\r\n" + answer);
        if (console != INVALID_HANDLE_VALUE) {
            CloseHandle(console);
        }
        return written;
    }
    // Started from Explorer or a shortcut: there is no console to read, so
    // the answer is shown where a Windows user looks.
    MessageBoxW(nullptr, answer.c_str(), L"Tickwright",
                MB_OK | (toErrors ? MB_ICONWARNING : MB_ICONINFORMATION));
    return true;
}

const WindowSystemOptions& CommandLineOptions() {
    // The Windows API reads nothing from the command line itself.
    static const WindowSystemOptions none{};
    return none;
}

}  // namespace ui

// The real program driven from another process, as Windows automation tools
// and screen readers reach a program: its main window by class and title,
// its controls by template id and window class, text through WM_GETTEXT and
// WM_CHAR, a click through BM_CLICK, and the close box's system command.
// Types a timestamp into the simple page, converts it, checks the date and
// time shown against its own reckoning, and closes the window.
//
//   drive_from_outside.exe          (exit 0 when all held; says what did not)
//   drive_from_outside.exe --wait   only waits for the main window to be up
//   drive_from_outside.exe --close  only closes it by its close box
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/resources/ResourceIds.h"

namespace {

constexpr wchar_t kTyped[] = L"1700000000123";  // milliseconds, the precision it starts with
constexpr std::int64_t kTypedMs = 1700000000123;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The page shown in the main window: a child dialog, as the dialog manager
// made it.
HWND ShownPage(HWND top) {
    for (HWND child = GetWindow(top, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"#32770" && IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

template <class Done>
bool WaitFor(Done done, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (done()) {
            return true;
        }
        Sleep(50);
    }
    return done();
}

// The calendar date of a day count since 1970-01-01 (H. Hinnant's
// civil_from_days), and the time of day, as the program writes them.
std::wstring DateAndTime(std::int64_t ms) {
    std::int64_t days = ms / 86400000;
    std::int64_t rest = ms % 86400000;
    if (rest < 0) {
        rest += 86400000;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    wchar_t text[64];
    swprintf(text, 64, L"%04lld-%02lld-%02lld %02lld:%02lld:%02lld.%03lld",
             static_cast<long long>(year), static_cast<long long>(month),
             static_cast<long long>(day), static_cast<long long>(rest / 3600000),
             static_cast<long long>(rest / 60000 % 60), static_cast<long long>(rest / 1000 % 60),
             static_cast<long long>(rest % 1000));
    return text;
}

int Fail(const char* what) {
    std::printf("FAIL: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    HWND main = nullptr;
    if (!WaitFor(
            [&] {
                main = FindWindowW(L"#32770", L"Tickwright");
                return main != nullptr && IsWindowVisible(main);
            },
            30000)) {
        return Fail("no window of class #32770 called \"Tickwright\" appeared");
    }
    if (mode == "--wait") {
        return 0;
    }
    if (mode == "--close") {
        PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    const HWND page = ShownPage(main);
    const HWND timestamp = GetDlgItem(page, res::IDC_SIMPLE_TIMESTAMP);
    const HWND convert = GetDlgItem(page, res::IDC_SIMPLE_TO_DATETIME);
    const HWND zone = GetDlgItem(page, res::IDC_SIMPLE_ZONE);
    const HWND date = GetDlgItem(page, res::IDC_SIMPLE_DATE);
    const HWND time = GetDlgItem(page, res::IDC_SIMPLE_TIME);
    if (timestamp == nullptr || convert == nullptr || zone == nullptr || date == nullptr ||
        time == nullptr) {
        return Fail("a control of the simple page is missing");
    }
    if (ClassOf(timestamp) != L"Edit" || ClassOf(convert) != L"Button" ||
        ClassOf(zone) != L"ComboBox") {
        return Fail("a control is not of its template's class");
    }

    // Typed over what the field holds, one character at a time.
    SendMessageW(timestamp, EM_SETSEL, 0, -1);
    for (const wchar_t* c = kTyped; *c != L'\0'; ++c) {
        PostMessageW(timestamp, WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
    if (!WaitFor([&] { return TextOf(timestamp) == kTyped; }, 5000)) {
        return Fail("the typed timestamp did not arrive in its field");
    }

    // The zone the page shows, "UTC+08H", read as hours east of UTC.
    const std::wstring zoneText = TextOf(zone);
    int hours = 0;
    wchar_t sign = L'+';
    if (swscanf(zoneText.c_str(), L"UTC%lc%dH", &sign, &hours) != 2) {
        return Fail("the zone selector shows no zone");
    }
    const std::int64_t offsetMs = (sign == L'-' ? -hours : hours) * std::int64_t{3600000};
    const std::wstring expected = DateAndTime(kTypedMs + offsetMs);

    PostMessageW(convert, BM_CLICK, 0, 0);
    const auto shown = [&] { return TextOf(date) + L" " + TextOf(time); };
    if (!WaitFor([&] { return shown() == expected; }, 5000)) {
        std::printf("FAIL: the page shows '%ls', not '%ls' (%ls)\n", shown().c_str(),
                    expected.c_str(), zoneText.c_str());
        return 1;
    }
    std::printf("converted %ls in %ls to %ls\n", kTyped, zoneText.c_str(), expected.c_str());

    // The close box sends the window this system command.
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

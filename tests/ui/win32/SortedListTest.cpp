// A sorted drop-down list on a Windows whose language sorts otherwise: the
// precision selector must show "毫秒(ms)" first and mean it, whatever the
// user's locale makes of "秒" and "毫".
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include "tests/mainwnd/StartedMainWindow.h"

namespace tickwright {
namespace {

// Traditional Chinese sorts by strokes: 秒 (9) before 毫 (11).
constexpr LCID kStrokeOrder =
    MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), SORT_DEFAULT);

// Every combo box made meanwhile sorts by `locale`, as on a system set to it.
class ComboLocale {
public:
    explicit ComboLocale(LCID locale) {
        s_locale = locale;
        m_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
    }
    ~ComboLocale() { UnhookWindowsHookEx(m_hook); }
    ComboLocale(const ComboLocale&) = delete;
    ComboLocale& operator=(const ComboLocale&) = delete;

private:
    static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        wchar_t name[16] = {};
        if (code == HC_ACTION && message->message == WM_CREATE &&
            GetClassNameW(message->hwnd, name, 16) > 0 && lstrcmpiW(name, L"ComboBox") == 0) {
            SendMessageW(message->hwnd, CB_SETLOCALE, s_locale, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline LCID s_locale = 0;
    HHOOK m_hook;
};

TEST(Win32SortedList, ThePrecisionSelectorShowsAndMeansMillisecondsFirstInEveryLanguage) {
    // The premise: this locale's own order puts "秒(s)" first.
    const wchar_t seconds[] = L"秒(s)";
    const wchar_t milliseconds[] = L"毫秒(ms)";
    ASSERT_EQ(CompareStringW(kStrokeOrder, NORM_IGNORECASE, seconds, -1, milliseconds, -1),
              CSTR_LESS_THAN);

    const ComboLocale locale(kStrokeOrder);
    testsupport::FixedClock clock;
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ASSERT_TRUE(ui::test::ShowModeless(main));
    EXPECT_EQ(main.ComboGetItemText(res::IDC_PRECISION, 0), u"毫秒(ms)");
    EXPECT_EQ(main.GetItemText(res::IDC_PRECISION), u"毫秒(ms)") << "what the box shows";
    EXPECT_EQ(main.GetPrecision(), Precision::Milliseconds) << "what the program converts in";
    main.SimplePage().SetItemText(res::IDC_SIMPLE_TIMESTAMP, u"1700000000123");
    main.SimplePage().OnBnClickedToDateTime();
    EXPECT_EQ(main.SimplePage().GetItemText(res::IDC_SIMPLE_TIME), u"06:13:20.123");
    ui::SetMainWindow(nullptr);
}

}  // namespace
}  // namespace tickwright

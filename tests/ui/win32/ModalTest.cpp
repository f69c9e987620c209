// Modal windows as a Windows user meets them: where they open, the owner
// given back before they hide (or Windows hands the activation to another
// program), and a main window that cannot be made said aloud.
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CTickwrightApp.h"
#include "app/ui/MessageBoxes.h"
#include "tests/Utf8.h"
#include "tests/mainwnd/StartedMainWindow.h"

namespace tickwright {
namespace {

using ui::test::Key;
using ui::test::Window;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) > 0 && std::wstring(name) == L"#32770";
}

// Notes, each time a top-level dialog hides, whether `owner` was enabled at
// that moment.
class HideWatch {
public:
    explicit HideWatch(HWND owner) {
        s_owner = owner;
        s_seen.clear();
        m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &Called, nullptr, GetCurrentThreadId());
    }
    ~HideWatch() { UnhookWindowsHookEx(m_hook); }
    HideWatch(const HideWatch&) = delete;
    HideWatch& operator=(const HideWatch&) = delete;
    const std::vector<bool>& OwnerEnabledAtEachHide() const { return s_seen; }

private:
    static LRESULT CALLBACK Called(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam == FALSE &&
            message->hwnd != s_owner && IsDialogClass(message->hwnd) &&
            GetWindow(message->hwnd, GW_OWNER) == s_owner) {
            s_seen.push_back(IsWindowEnabled(s_owner) != 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND s_owner = nullptr;
    static inline std::vector<bool> s_seen;
    HHOOK m_hook;
};

RECT FrameOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame;
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// Within a pixel: halves round either way.
void ExpectCentredOver(const RECT& inner, const RECT& outer, const std::string& what) {
    EXPECT_NEAR(inner.left - outer.left, outer.right - inner.right, 1) << what;
    EXPECT_NEAR(inner.top - outer.top, outer.bottom - inner.bottom, 1) << what;
}

void ExpectInside(const RECT& inner, const RECT& outer, const std::string& what) {
    EXPECT_GE(inner.left, outer.left) << what;
    EXPECT_GE(inner.top, outer.top) << what;
    EXPECT_LE(inner.right, outer.right) << what;
    EXPECT_LE(inner.bottom, outer.bottom) << what;
}

class Win32Modal : public testsupport::StartedMainWindow {
public:
    void ShowDetail() {
        m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00");
        m_main.ShowHistoryDetail(0, 1);
    }
    void ShowAbout() { m_main.OnSysCommand(res::IDM_ABOUTBOX); }
    HWND MainHandle() const { return static_cast<HWND>(Main().Native()); }
    void ShowBox() {
        ui::ShowMessageBox({&m_main, u"请输入正确的日期!", u"错误", MB_OK | MB_ICONEXCLAMATION});
    }
};

TEST_F(Win32Modal, TheMainWindowOpensCentredInItsMonitorsWorkArea) {
    ExpectCentredOver(FrameOf(MainHandle()), WorkAreaOf(MainHandle()), "main window");
}

TEST_F(Win32Modal, EveryClosingGivesTheOwnerBackBeforeHidingAndLeavesItActive) {
    struct Case {
        std::string name;
        std::function<void(Win32Modal&)> open;
        std::function<void(Window)> close;
        bool ours;  // a dialog of the layer's, not the system's message box
    };
    const auto press = [](Key key) { return [key](Window) { ui::test::PressKey(key); }; };
    const Case cases[] = {
        {"detail, Enter", &Win32Modal::ShowDetail, press(Key::Return), true},
        {"detail, Esc", &Win32Modal::ShowDetail, press(Key::Escape), true},
        {"detail, close box", &Win32Modal::ShowDetail, [](Window modal) { ui::test::Close(modal); },
         true},
        {"about, Enter", &Win32Modal::ShowAbout, press(Key::Return), true},
        {"about, Esc", &Win32Modal::ShowAbout, press(Key::Escape), true},
        {"about, close box", &Win32Modal::ShowAbout, [](Window modal) { ui::test::Close(modal); },
         true},
        {"message box, Enter", &Win32Modal::ShowBox, press(Key::Return), false},
    };
    for (const Case& c : cases) {
        ui::test::Activate(Main());
        const HideWatch watch(MainHandle());
        EXPECT_TRUE(ui::test::WithModal([&] { c.open(*this); }, c.close)) << c.name;
        if (c.ours) {
            EXPECT_EQ(watch.OwnerEnabledAtEachHide(), std::vector<bool>{true}) << c.name;
        }
        ui::test::RunPendingEvents();
        EXPECT_TRUE(IsWindowEnabled(MainHandle())) << c.name;
        EXPECT_EQ(GetActiveWindow(), MainHandle()) << c.name;
        EXPECT_EQ(GetForegroundWindow(), MainHandle()) << c.name;
    }
}

TEST_F(Win32Modal, DialogsOpenCentredOverTheMainWindowAndInsideTheWorkArea) {
    const RECT area = WorkAreaOf(MainHandle());
    const RECT main = FrameOf(MainHandle());
    const int width = main.right - main.left;
    const int height = main.bottom - main.top;
    struct Place {
        std::string name;
        int left;
        int top;
    };
    const Place places[] = {
        {"main window in the middle", main.left, main.top},
        {"main window half off the right", area.right - width / 4, main.top},
        {"main window above the top", main.left, area.top - height + 10},
    };
    for (const Place& place : places) {
        SetWindowPos(MainHandle(), nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT now = FrameOf(MainHandle());
        for (const auto& open : {&Win32Modal::ShowDetail, &Win32Modal::ShowAbout}) {
            RECT shown{};
            EXPECT_TRUE(ui::test::WithModal([&] { (this->*open)(); },
                                            [&](Window modal) {
                                                shown = FrameOf(static_cast<HWND>(modal.Native()));
                                                ui::test::PressKey(Key::Escape);
                                            }));
            ExpectInside(shown, area, place.name);
            if (place.left == main.left && place.top == main.top) {
                ExpectCentredOver(shown, now, place.name);
            }
        }
    }
}

// A window refused by the system, as a full desktop heap refuses one.
class RefuseDialogs {
public:
    RefuseDialogs() { m_hook = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId()); }
    ~RefuseDialogs() { UnhookWindowsHookEx(m_hook); }
    RefuseDialogs(const RefuseDialogs&) = delete;
    RefuseDialogs& operator=(const RefuseDialogs&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && IsDialogClass(reinterpret_cast<HWND>(wParam))) {
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
};

TEST(Win32StartUp, AMainWindowThatCannotBeMadeIsSaidAndEndsTheProgramWithOne) {
    ui::test::MessageBoxRecorder boxes;
    CTickwrightApp app;
    {
        const RefuseDialogs refuse;
        app.InitInstance();
    }
    EXPECT_EQ(app.ExitCode(), 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    const std::u16string& text = boxes.boxes[0].text;
    EXPECT_TRUE(text.starts_with(u"无法打开 Tickwright 的窗口:\n")) << testsupport::Utf8(text);
    EXPECT_GT(text.size(), std::u16string_view(u"无法打开 Tickwright 的窗口:\n").size())
        << "with the system's reason";
}

}  // namespace
}  // namespace tickwright

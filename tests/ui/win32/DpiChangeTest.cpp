// A window moved to a screen of another DPI must look as if it had been made
// there: the same control rectangles (to the pixel, rounding apart), font
// heights, column widths and icons. Wine has one system DPI, so the two
// halves run in prefixes of different DPIs: one records windows made at its
// DPI, the other makes them at its own, sends WM_DPICHANGED as Windows does
// when a window crosses to another monitor, and compares.
//   TICKWRIGHT_LAYOUT_DIR=DIR win32_backend_tests --gtest_filter=DpiChange.Record*
//   TICKWRIGHT_LAYOUT_DIR=DIR TICKWRIGHT_SCALE_TO=144 win32_backend_tests
//       --gtest_filter=DpiChange.Scaled*
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/about/CAboutDlg.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/MainWindow.h"
#include "app/ui/win32/DialogWindow.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/DlgListDetail.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

std::filesystem::path LayoutFile(int dpi) {
    const char* dir = std::getenv("TICKWRIGHT_LAYOUT_DIR");
    std::string folder = dir != nullptr ? dir : ".";
    if (!folder.empty() && folder.front() == '/') {
        folder = "Z:" + folder;  // a Linux path, under Wine
    }
    return std::filesystem::path(folder) / ("layout-" + std::to_string(dpi) + ".txt");
}

int FontHeight(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    return font != nullptr && GetObjectW(font, sizeof(description), &description) != 0
               ? static_cast<int>(description.lfHeight)
               : 0;
}

std::string IconSize(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return "none";
    }
    BITMAP picture{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(picture), &picture);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return std::to_string(picture.bmWidth) + " " + std::to_string(picture.bmWidth);
}

// Lines of "what: numbers"; a line naming "place" holds pixel positions and
// sizes, compared to within a pixel, any other is compared exactly.
void DescribeDialog(const ui::Dialog& dialog, const std::string& name,
                    std::vector<std::string>& lines) {
    const ui::DialogWindow* window = ui::DialogAccess::WindowOf(dialog);
    const HWND handle = window->Handle();
    RECT client{};
    GetClientRect(handle, &client);
    lines.push_back(name + " client place " + std::to_string(client.right) + " " +
                    std::to_string(client.bottom));
    lines.push_back(name + " font " + std::to_string(FontHeight(handle)));
    const std::vector<HWND>& controls = window->TemplateControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        RECT frame{};
        GetWindowRect(controls[i], &frame);
        MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&frame), 2);
        const std::string control = name + " control " + std::to_string(i);
        lines.push_back(control + " place " + std::to_string(frame.left) + " " +
                        std::to_string(frame.top) + " " + std::to_string(frame.right - frame.left) +
                        " " + std::to_string(frame.bottom - frame.top));
        lines.push_back(control + " font " + std::to_string(FontHeight(controls[i])));
        const auto icon = reinterpret_cast<HICON>(SendMessageW(controls[i], STM_GETICON, 0, 0));
        if (icon != nullptr) {
            lines.push_back(control + " icon " + IconSize(icon));
        }
        if (HWND header = ListView_GetHeader(controls[i])) {
            for (int column = 0; column < Header_GetItemCount(header); ++column) {
                lines.push_back(control + " column " + std::to_string(column) + " place " +
                                std::to_string(ListView_GetColumnWidth(controls[i], column)));
            }
        }
    }
    if ((GetWindowLongW(handle, GWL_STYLE) & WS_CHILD) == 0) {
        lines.push_back(
            name + " big icon " +
            IconSize(reinterpret_cast<HICON>(SendMessageW(handle, WM_GETICON, ICON_BIG, 0))));
        lines.push_back(
            name + " small icon " +
            IconSize(reinterpret_cast<HICON>(SendMessageW(handle, WM_GETICON, ICON_SMALL, 0))));
    }
}

// The program's windows, each as a user meets it.
class Windows {
public:
    Windows() {
        ui::SetMainWindow(&m_main);
        EXPECT_TRUE(ui::test::ShowModeless(m_main));
        EXPECT_TRUE(ui::test::WaitUntil(
            [&] { return !m_main.IsTimerRunning(CTickwrightDlg::kStartupTimer); }));
        m_main.AddHistoryRecord(12, u"1700000000123", 20, u"2023-11-15 06:13:20.123");
        m_detail.m_input = u"1700000000123";
        m_detail.m_output = u"2023-11-15 06:13:20.123";
        EXPECT_TRUE(ui::test::ShowModeless(m_detail));
        EXPECT_TRUE(ui::test::ShowModeless(m_about));
    }
    ~Windows() { ui::SetMainWindow(nullptr); }
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    std::vector<const ui::Dialog*> TopLevel() const { return {&m_main, &m_detail, &m_about}; }
    std::vector<std::string> Describe() {
        std::vector<std::string> lines;
        DescribeDialog(m_main, "main", lines);
        DescribeDialog(m_main.SimplePage(), "simple", lines);
        DescribeDialog(m_main.AdvancedPage(), "advanced", lines);
        DescribeDialog(m_detail, "detail", lines);
        DescribeDialog(m_about, "about", lines);
        return lines;
    }

private:
    testsupport::FixedClock m_clock;
    CTickwrightDlg m_main;
    DlgListDetail m_detail;
    CAboutDlg m_about;
};

// As Windows moves a window to a monitor of `dpi`: the size the window asks
// for, then the change itself with the rectangle suggested from it.
void MoveToDpi(HWND window, int dpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    SIZE size{MulDiv(frame.right - frame.left, dpi, static_cast<int>(GetDpiForWindow(window))),
              MulDiv(frame.bottom - frame.top, dpi, static_cast<int>(GetDpiForWindow(window)))};
    SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                 reinterpret_cast<LPARAM>(&size));
    RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ui::test::RunPendingEvents();
}

TEST(DpiChange, RecordNativeLayout) {
    Windows windows;
    const std::filesystem::path file = LayoutFile(static_cast<int>(GetDpiForSystem()));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file);
    for (const std::string& line : windows.Describe()) {
        out << line << '\n';
    }
    ASSERT_TRUE(out.good());
}

TEST(DpiChange, ScaledLayoutMatchesNative) {
    const char* target = std::getenv("TICKWRIGHT_SCALE_TO");
    ASSERT_NE(target, nullptr) << "TICKWRIGHT_SCALE_TO names the DPI to move to";
    const int dpi = std::atoi(target);
    std::ifstream in(LayoutFile(dpi));
    ASSERT_TRUE(in.good()) << "no windows recorded at " << dpi << " DPI";
    std::vector<std::string> native;
    for (std::string line; std::getline(in, line);) {
        native.push_back(line);
    }

    Windows windows;
    for (const ui::Dialog* dialog : windows.TopLevel()) {
        MoveToDpi(ui::DialogAccess::WindowOf(*dialog)->Handle(), dpi);
    }
    const std::vector<std::string> scaled = windows.Describe();
    ASSERT_EQ(scaled.size(), native.size());
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        std::istringstream a(scaled[i]);
        std::istringstream b(native[i]);
        const bool place = scaled[i].find(" place ") != std::string::npos;
        std::string x;
        std::string y;
        bool same = true;
        while (a >> x && b >> y) {
            char* endX = nullptr;
            char* endY = nullptr;
            const long vx = std::strtol(x.c_str(), &endX, 10);
            const long vy = std::strtol(y.c_str(), &endY, 10);
            const bool numbers = *endX == '\0' && *endY == '\0' && !x.empty() && !y.empty();
            same = same && (numbers && place ? std::labs(vx - vy) <= 1 : x == y);
        }
        EXPECT_TRUE(same) << "scaled: " << scaled[i] << "\nnative: " << native[i];
    }
}

}  // namespace
}  // namespace tickwright

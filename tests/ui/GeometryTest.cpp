// Every window in every state, measured as a user would see it: no control
// covers another unless its template places them so (a frame and what it
// holds), every text fits its control in the font the program draws it with,
// and every icon fits its control. Runs at every scale the test command sets
// (1, 1.5 and 2).
#include <gtest/gtest.h>

#include <sstream>

#include "app/about/CAboutDlg.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/DlgListDetail.h"
#include "tests/Utf8.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using ui::Rect;
using ui::test::ControlInfo;
using ui::test::Window;

bool Intersects(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return Rect{left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

Rect Moved(Rect r, int dx, int dy) {
    r.x += dx;
    r.y += dy;
    return r;
}

std::string Describe(const ControlInfo& control) {
    std::ostringstream out;
    out << "#" << control.id << " \"" << testsupport::Utf8(control.text) << "\" at "
        << control.rect.x << "," << control.rect.y << " " << control.rect.width << "x"
        << control.rect.height;
    return out.str();
}

// A control of a dialog with its rectangle and the template's, both in the
// coordinates of the window being checked.
struct Placed {
    ControlInfo control;
    Rect shown;
    Rect templated;
    const void* owner;
};

void CollectControls(Window window, int dx, int dy, std::vector<Placed>& placed) {
    for (const ControlInfo& control : ui::test::Controls(window)) {
        if (control.visible) {
            placed.push_back({control, Moved(control.rect, dx, dy),
                              Moved(control.templateRect, dx, dy), window.Native()});
        }
    }
}

// The main window's layout puts the pages' frames "输入" and "输出" so that
// their bottom line falls on the top row of the strip's "清空" (page top 35,
// page height 150, the strip at 121 units). The control is drawn over the
// line; that one row is all the two may share.
bool OnlyAFrameLineMeetsIt(const Placed& a, const Placed& b) {
    const bool aFrame = a.control.role == ui::test::Role::Grouping;
    const Placed& frame = aFrame ? a : b;
    const Placed& other = aFrame ? b : a;
    if (frame.control.role != ui::test::Role::Grouping || frame.owner == other.owner) {
        return false;
    }
    const Rect shared = Intersection(frame.shown, other.shown);
    const int frameBottom = frame.shown.y + frame.shown.height - 1;
    return shared.height == 1 && (shared.y == frameBottom || shared.y == frame.shown.y);
}

void ExpectNoOverlaps(const std::vector<Placed>& placed, const std::string& where) {
    for (std::size_t a = 0; a < placed.size(); ++a) {
        for (std::size_t b = a + 1; b < placed.size(); ++b) {
            if (!Intersects(placed[a].shown, placed[b].shown)) {
                continue;
            }
            const bool templateOverlaps = placed[a].owner == placed[b].owner &&
                                          Intersects(placed[a].templated, placed[b].templated);
            EXPECT_TRUE(templateOverlaps || OnlyAFrameLineMeetsIt(placed[a], placed[b]))
                << where << ": " << Describe(placed[a].control) << " overlaps "
                << Describe(placed[b].control);
        }
    }
}

void ExpectTextsAndIconsFit(Window window, const std::string& where) {
    for (const ControlInfo& control : ui::test::Controls(window)) {
        if (!control.visible) {
            continue;
        }
        if (control.iconWidth > 0) {
            EXPECT_LE(control.iconWidth, control.iconRoom.width)
                << where << ": the icon of " << Describe(control) << " is cut";
            EXPECT_LE(control.iconHeight, control.iconRoom.height)
                << where << ": the icon of " << Describe(control) << " is cut";
        }
        if (control.textWidth == 0) {
            continue;
        }
        const Rect room = control.textRoom;
        EXPECT_LE(control.textWidth, room.width) << where << ": the text of " << Describe(control)
                                                 << " is wider than its room " << room.width;
        EXPECT_LE(control.textHeight, room.height) << where << ": the text of " << Describe(control)
                                                   << " is taller than its room " << room.height;
        EXPECT_TRUE(room.x >= 0 && room.y >= 0 && room.x + room.width <= control.rect.width &&
                    room.y + room.height <= control.rect.height)
            << where << ": the text's room of " << Describe(control) << " leaves the control";
    }
}

// The main window, with the visible page's controls taken as the main
// window's own: a page is a background, not a control.
void ExpectMainWindowSound(CTickwrightDlg& main, const std::string& where) {
    const Window window = ui::test::WindowOf(main);
    std::vector<Placed> placed;
    CollectControls(window, 0, 0, placed);
    const std::size_t mainControls = placed.size();
    for (ui::Dialog* page : {static_cast<ui::Dialog*>(&main.SimplePage()),
                             static_cast<ui::Dialog*>(&main.AdvancedPage())}) {
        if (!page->IsWindowVisible()) {
            continue;
        }
        const Window pageWindow = ui::test::WindowOf(*page);
        const Rect at = ui::test::Placement(pageWindow);
        CollectControls(pageWindow, at.x, at.y, placed);
        // Where a control of the main window reaches into a page, it must be
        // drawn over the page's background, not under it.
        for (std::size_t i = 0; i < mainControls; ++i) {
            if (Intersects(placed[i].shown, at)) {
                EXPECT_GT(placed[i].control.stackIndex, ui::test::StackIndexOf(pageWindow))
                    << where << ": " << Describe(placed[i].control) << " is hidden under the page";
            }
        }
        ExpectTextsAndIconsFit(pageWindow, where);
    }
    ExpectNoOverlaps(placed, where);
    ExpectTextsAndIconsFit(window, where);
}

void ExpectDialogSound(const ui::Dialog& dialog, const std::string& where) {
    std::vector<Placed> placed;
    CollectControls(ui::test::WindowOf(dialog), 0, 0, placed);
    ExpectNoOverlaps(placed, where);
    ExpectTextsAndIconsFit(ui::test::WindowOf(dialog), where);
}

std::string At(const char* what) {
    std::ostringstream out;
    out << what << " at scale " << ui::test::ScaleFactor();
    return out.str();
}

TEST(Geometry, MainWindowInBothModesAtTheTemplateSizeAndResized) {
    testsupport::FixedClock clock;
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ASSERT_TRUE(ui::test::ShowModeless(main));
    const Window window = ui::test::WindowOf(main);
    ASSERT_TRUE(ui::test::WaitUntil([&] { return main.HistoryRowCount() == 0; }));
    main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");

    ExpectMainWindowSound(main, At("simple mode"));
    ui::test::Click(window, res::IDC_TOGGLE_MODE);
    ExpectMainWindowSound(main, At("advanced mode"));
    const Rect start = ui::test::ClientRect(window);
    for (const Rect size : {Rect{0, 0, 700, 520}, Rect{0, 0, start.width, 200}, start}) {
        ui::test::Resize(window, size.width, size.height);
        ExpectMainWindowSound(main, At("advanced mode resized"));
    }
    ui::test::Click(window, res::IDC_TOGGLE_MODE);
    ExpectMainWindowSound(main, At("simple mode resized back"));
    ui::SetMainWindow(nullptr);
}

TEST(Geometry, AboutBoxDetailDialogAndErrorBox) {
    CAboutDlg about;
    ASSERT_TRUE(ui::test::ShowModeless(about));
    ExpectDialogSound(about, At("About box"));

    DlgListDetail detail;
    detail.m_inputZone = u"UTC_UNKNOWN";
    detail.m_input = u"1985-01-01 15:25:35.001";
    ASSERT_TRUE(ui::test::ShowModeless(detail));
    ExpectDialogSound(detail, At("detail dialog"));

    EXPECT_TRUE(ui::test::WithModal(
        [&] {
            ui::ShowMessageBox({&about, u"请输入正确的时间!\n例:15:25:35.001", u"错误",
                                ui::MB_OK | ui::MB_ICONEXCLAMATION});
        },
        [](Window box) {
            ExpectTextsAndIconsFit(box, At("error box"));
            ui::test::PressKey(ui::test::Key::Return);
        }));
}

}  // namespace
}  // namespace tickwright

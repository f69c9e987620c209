#include <gtest/gtest.h>

#include "mainwnd/MainWindowLogic.h"

namespace tickwright {
namespace {

TEST(MainWindowLogic, PageHeightAndListRectFollowTheWindow) {
    struct Case {
        int width;
        int height;
        int listClientHeight;
        int pageHeight;
        ui::Rect list;
        const char* why;
    };
    // The template's own size: a client 324 high whose list leaves a client
    // 119 high, so pages 150 high and the list's top at 200.
    const Case cases[] = {
        {437, 324, 119, 150, {0, 200, 437, 124}, "the template's own size"},
        {600,
         500,
         119,
         326,
         {0, 200, 600, 300},
         "taller window: taller pages, the list reaches down"},
        {437, 200, 119, 100, {0, 200, 437, 105}, "shrunk below the minimum: list stays 105 high"},
        {300, 0, 0, 100, {0, 200, 300, 105}, "minimized"},
    };
    for (const Case& c : cases) {
        const int page = ComputePageHeight(c.height, c.listClientHeight);
        EXPECT_EQ(page, c.pageHeight) << c.why;
        EXPECT_EQ(ComputeListRect(c.width, c.height, 150), c.list) << c.why;
    }
    EXPECT_EQ(ComputeListRect(437, 600, 150), (ui::Rect{0, 200, 437, 400}))
        << "the list's bottom follows the window's";
}

TEST(MainWindowLogic, ToggleAndCurrentTimeAndKeys) {
    const ModeState toAdvanced = ToggleMode(true);
    EXPECT_FALSE(toAdvanced.simpleVisible);
    EXPECT_TRUE(toAdvanced.advancedVisible);
    EXPECT_EQ(toAdvanced.toggleText, u"切换至普通模式");
    const ModeState toSimple = ToggleMode(false);
    EXPECT_TRUE(toSimple.simpleVisible);
    EXPECT_EQ(toSimple.toggleText, u"切换至高级模式");

    using A = PageAction;
    EXPECT_EQ(CurrentTimeActions(true),
              (std::vector<A>{A::SimpleShowCurrentTimestamp, A::SimpleToDateTime}));
    EXPECT_EQ(CurrentTimeActions(false),
              (std::vector<A>{A::AdvancedFillWithCurrentTime, A::AdvancedRunConversion}));

    EXPECT_TRUE(SwallowsKey(ui::VK_RETURN));
    EXPECT_TRUE(SwallowsKey(ui::VK_ESCAPE));
    EXPECT_FALSE(SwallowsKey('A'));
}

}  // namespace
}  // namespace tickwright

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
    const Case cases[] = {
        {437, 324, 121, 148, {0, 198, 437, 126}, "the template's own size"},
        {600,
         500,
         121,
         324,
         {0, 198, 600, 302},
         "taller window: taller pages, the list reaches down"},
        {437, 200, 121, 100, {0, 198, 437, 105}, "shrunk below the minimum: list stays 105 high"},
        {300, 0, 0, 100, {0, 198, 300, 105}, "minimized"},
    };
    for (const Case& c : cases) {
        const int page = ComputePageHeight(c.height, c.listClientHeight);
        EXPECT_EQ(page, c.pageHeight) << c.why;
        EXPECT_EQ(ComputeListRect(c.width, c.height, 148), c.list) << c.why;
    }
    EXPECT_EQ(ComputeListRect(437, 600, 148), (ui::Rect{0, 198, 437, 402}))
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

// A block of log text pasted into the history list: every epoch number in it
// becomes a row, top to bottom in the order of the text, through Ctrl+V and
// through "粘贴并转换" on the list's menu, on whichever page is shown.
#include <gtest/gtest.h>

#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/HistoryPaste.h"
#include "tests/mainwnd/StartedMainWindow.h"

namespace tickwright {
namespace {

using ui::test::Window;

constexpr char16_t kLog[] =
    u"GET /v1.2/item 200 1700000000 took 12ms\r\n"
    u"at 1700000001123 from 10.0.0.1 (id1700000000)\r\n"
    u"done 1700000002.5.";

class HistoryPaste : public testsupport::StartedMainWindow {
protected:
    std::vector<std::u16string> Row(int row) {
        std::vector<std::u16string> cells;
        for (int column = 0; column < 4; ++column) {
            cells.push_back(ui::test::CellShown(Main(), kList, row, column));
        }
        return cells;
    }
};

TEST_F(HistoryPaste, CtrlVTurnsEveryEpochNumberIntoARowInTheOrderOfTheText) {
    ui::test::SetClipboardText(kLog);
    m_main.SetFocusTo(kList);
    ui::test::PressKey(ui::test::Key::V, ui::test::kControl);
    ASSERT_EQ(ui::test::RowCount(Main(), kList), 3);
    // The simple page shows UTC+08H.
    EXPECT_EQ(Row(0), (std::vector<std::u16string>{u"UTC+00H", u"1700000000", u"UTC+08H",
                                                   u"2023-11-15 06:13:20"}));
    EXPECT_EQ(Row(1), (std::vector<std::u16string>{u"UTC+00H", u"1700000001123", u"UTC+08H",
                                                   u"2023-11-15 06:13:21.123"}));
    EXPECT_EQ(Row(2), (std::vector<std::u16string>{u"UTC+00H", u"1700000002.5", u"UTC+08H",
                                                   u"2023-11-15 06:13:22.5"}));
    const std::u16string hint = ui::test::RowHint(Main(), kList, 1, 1);
    EXPECT_TRUE(hint.starts_with(u"ISO 8601：2023-11-15T06:13:21.123+08:00\nUTC："))
        << "the row knows its instant";
    ui::test::SaveScreenshot(Main(), "history_after_paste");

    // A paste below what is there puts its rows on top, the earlier rows
    // after them.
    ui::test::SetClipboardText(u"1699999999");
    ui::test::PressKey(ui::test::Key::Insert, ui::test::kShift);
    ASSERT_EQ(ui::test::RowCount(Main(), kList), 4);
    EXPECT_EQ(ui::test::CellShown(Main(), kList, 0, 1), u"1699999999");
    EXPECT_EQ(ui::test::CellShown(Main(), kList, 1, 1), u"1700000000");
}

TEST_F(HistoryPaste, TheMenuItemPastesIntoTheZoneOfTheAdvancedPage) {
    ui::test::Click(Main(), res::IDC_TOGGLE_MODE);
    ui::test::ChooseComboItem(ui::test::WindowOf(m_main.AdvancedPage()), res::IDC_OUTPUT_ZONE, 0);
    m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00");
    ui::test::SetClipboardText(u"ts=1700000000123456 ok");
    EXPECT_TRUE(ui::test::WithMenu([&] { ui::test::RightClickRow(Main(), kList, 0); },
                                   [](Window menu) {
                                       ui::test::SaveScreenshot(menu, "history_menu");
                                       ui::test::ChooseMenuItem(menu, {u"粘贴并转换(&P)"});
                                   }));
    ASSERT_EQ(ui::test::RowCount(Main(), kList), 2);
    EXPECT_EQ(Row(0), (std::vector<std::u16string>{u"UTC+00H", u"1700000000123456", u"UTC-12H",
                                                   u"2023-11-14 10:13:20.123456"}));
}

TEST_F(HistoryPaste, TextWithoutAnEpochNumberSaysSoAndAddsNothing) {
    ui::test::MessageBoxRecorder boxes;
    for (const std::u16string& text :
         {std::u16string(u"v1.1700000000, 0x1700000000, 17000000001234567890, 946684799"),
          std::u16string()}) {
        ui::test::SetClipboardText(text);
        m_main.SetFocusTo(kList);
        ui::test::PressKey(ui::test::Key::V, ui::test::kControl);
    }
    EXPECT_EQ(ui::test::RowCount(Main(), kList), 0);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, kNothingToPaste);
    EXPECT_EQ(boxes.boxes[0].caption, kPasteCaption);
}

}  // namespace
}  // namespace tickwright

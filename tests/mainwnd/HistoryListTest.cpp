#include <gtest/gtest.h>

#include "app/resources/ResourceIds.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/HistoryColumns.h"
#include "mainwnd/HistoryList.h"
#include "mainwnd/PrecisionSelector.h"

namespace tickwright {
namespace {

HistoryRecord Row(const char16_t* inZone, const char16_t* in, const char16_t* outZone,
                  const char16_t* out, const char16_t* note = u"") {
    return {inZone, in, outZone, out, note};
}

TEST(HistoryList, NewRowsGoOnTopWithAnEmptyNote) {
    HistoryList history;
    history.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00.000");
    ASSERT_EQ(history.RowCount(), 1);
    EXPECT_EQ(history.GetHistoryRecord(0),
              Row(u"UTC+00H", u"0", u"UTC+08H", u"1970-01-01 08:00:00.000"));

    history.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");
    history.AddHistoryRecord(0, u"third", 24, u"c");
    ASSERT_EQ(history.RowCount(), 3);
    EXPECT_EQ(history.GetHistoryRecord(0), Row(u"UTC-12H", u"third", u"UTC+12H", u"c"));
    EXPECT_EQ(history.GetHistoryRecord(1).Input, u"1985-01-01 15:25:35.001");
    EXPECT_EQ(history.GetHistoryRecord(2).Input, u"0");
}

TEST(HistoryList, ZonesOutsideTheTableReadUnknown) {
    struct Case {
        std::uint32_t zone;
        const char16_t* name;
    };
    const Case cases[] = {
        {0, u"UTC-12H"},
        {24, u"UTC+12H"},
        {25, u"UTC_UNKNOWN"},
        {static_cast<std::uint32_t>(-1), u"UTC_UNKNOWN"},  // a selector without selection
        {0x80000000u, u"UTC_UNKNOWN"},
    };
    for (const Case& c : cases) {
        HistoryList history;
        history.AddHistoryRecord(c.zone, u"in", c.zone, u"out");
        EXPECT_EQ(history.GetHistoryRecord(0).InputZone, c.name) << c.zone;
        EXPECT_EQ(history.GetHistoryRecord(0).OutputZone, c.name) << c.zone;
    }
}

TEST(HistoryList, NotesFollowTheirRowsAndGoWithThemOnClear) {
    HistoryList history;
    history.AddHistoryRecord(12, u"a", 12, u"A");
    history.SetHistoryNote(0, u"first note");
    history.AddHistoryRecord(12, u"b", 12, u"B");
    history.AddHistoryRecord(12, u"c", 12, u"C");
    EXPECT_EQ(history.GetHistoryRecord(2).Note, u"first note");
    EXPECT_EQ(history.GetHistoryRecord(0).Note, u"");
    history.SetHistoryNote(2, u"");
    EXPECT_EQ(history.GetHistoryRecord(2).Note, u"") << "an empty note can be stored";

    history.SetHistoryNote(1, u"middle");
    history.ClearHistory();
    EXPECT_EQ(history.RowCount(), 0);
    history.AddHistoryRecord(12, u"d", 12, u"D");
    EXPECT_EQ(history.GetHistoryRecord(0).Note, u"") << "notes leave with their rows";

    HistoryList empty;
    empty.ClearHistory();  // harmless
    EXPECT_EQ(empty.RowCount(), 0);
    EXPECT_EQ(empty.GetHistoryRecord(0), HistoryRecord{});
    empty.SetHistoryNote(0, u"nowhere");  // no row, no effect
    EXPECT_EQ(empty.RowCount(), 0);
}

TEST(HistoryList, LongTextsComeBackWhole) {
    HistoryList history;
    const std::u16string paste(10000, u'9');
    history.AddHistoryRecord(12, paste, 12, u"x");
    history.SetHistoryNote(0, paste + u"!");
    EXPECT_EQ(history.GetHistoryRecord(0).Input, paste);
    EXPECT_EQ(history.GetHistoryRecord(0).Note, paste + u"!");
}

TEST(HistoryColumns, WidthsAreTheIntegerPartOfTheirShare) {
    EXPECT_EQ(HistoryColumnWidths(433), (std::array<int, 5>{60, 151, 60, 151, 216}));
    EXPECT_EQ(HistoryColumnWidths(100), (std::array<int, 5>{14, 35, 14, 35, 50}));
    EXPECT_EQ(HistoryColumnWidths(0), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST(PrecisionSelector, OnlyTheFirstItemMeansMilliseconds) {
    EXPECT_EQ(PrecisionFromSelection(0), Precision::Milliseconds);
    EXPECT_EQ(PrecisionFromSelection(1), Precision::Seconds);
    EXPECT_EQ(PrecisionFromSelection(-1), Precision::Seconds);
}

// The history shown in the main window's list control.
class HistoryView : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ui::test::ShowModeless(m_dialog));
        m_dialog.ReportSetModel(kList, &m_history);
    }
    void TearDown() override { m_dialog.ReportSetModel(kList, nullptr); }
    ui::test::Window Window() const { return ui::test::WindowOf(m_dialog); }

    static constexpr int kList = res::IDC_HISTORY;
    ui::Dialog m_dialog{res::IDD_TICKWRIGHT_DIALOG};
    HistoryList m_history;
};

TEST_F(HistoryView, RowsAddedBeforeTheColumnsExistAreShownOnceTheyDo) {
    m_history.AddHistoryRecord(12, u"1700000000000", 20, u"2023-11-15 06:13:20.000");
    EXPECT_EQ(ui::test::RowCount(Window(), kList), 1);
    EXPECT_EQ(ui::test::ColumnCount(Window(), kList), 0);

    const int clientWidth = m_dialog.GetItemClientRect(kList).width;
    SetUpHistoryColumns(m_dialog, kList, clientWidth);
    ASSERT_EQ(m_dialog.ReportGetColumnCount(kList), 5);
    EXPECT_EQ(ui::test::ColumnCount(Window(), kList), 5);
    const std::array<int, 5> widths = HistoryColumnWidths(clientWidth);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(m_dialog.ReportGetColumnWidth(kList, c), widths[static_cast<std::size_t>(c)]);
        EXPECT_EQ(ui::test::Heading(Window(), kList, c),
                  kHistoryHeadings[static_cast<std::size_t>(c)]);
    }
    EXPECT_EQ(m_dialog.ReportGetExtendedStyle(kList), 0x2021u);
    const ui::test::ListLook look = ui::test::LookOf(Window(), kList);
    EXPECT_TRUE(look.gridLines);
    EXPECT_TRUE(look.fullRowSelect);
    EXPECT_EQ(ui::test::CellShown(Window(), kList, 0, 3), u"2023-11-15 06:13:20.000");
}

TEST_F(HistoryView, TheViewFollowsNotesAndClearsAndHeadingsDoNotSort) {
    SetUpHistoryColumns(m_dialog, kList, m_dialog.GetItemClientRect(kList).width);
    m_history.AddHistoryRecord(12, u"b", 12, u"B");
    m_history.AddHistoryRecord(12, u"a", 12, u"A");
    m_history.SetHistoryNote(1, u"note of b");
    EXPECT_EQ(ui::test::CellShown(Window(), kList, 1, 4), u"note of b");

    for (const int column : {0, 1}) {
        ui::test::ClickHeading(Window(), kList, column);
        EXPECT_EQ(ui::test::CellShown(Window(), kList, 0, 1), u"a") << column;
    }

    m_history.ClearHistory();
    EXPECT_EQ(ui::test::RowCount(Window(), kList), 0);
}

}  // namespace
}  // namespace tickwright

// The real main window with both real pages, end to end.
#include <gtest/gtest.h>

#include "app/ui/MainWindow.h"
#include "app/ui/ReportModel.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/mainwnd/StartedMainWindow.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using ui::test::Key;
using ui::test::PressKey;
using ui::test::WaitUntil;
using ui::test::Window;

constexpr int kList = res::IDC_HISTORY;

ui::Rect RectOf(Window window, int id) {
    for (const ui::test::ControlInfo& control : ui::test::Controls(window)) {
        if (control.id == id) {
            return control.rect;
        }
    }
    return {};
}

class MainDialog : public testsupport::StartedMainWindow {
protected:
    void Click(int id) { ui::test::Click(Main(), id); }
    Window Page(const ui::Dialog& page) { return ui::test::WindowOf(page); }
    // Double-clicks `row` and runs `act` in the detail dialog it opens.
    void InDetailOf(int row, std::function<void(Window)> act) {
        EXPECT_TRUE(ui::test::WithModal([&] { ui::test::DoubleClickRow(Main(), kList, row); },
                                        std::move(act)));
    }
};

// Counts what the history tells the list, and the rows there were when it
// last began to empty itself.
class HistoryWatch : public ui::ReportObserver {
public:
    explicit HistoryWatch(const HistoryList& history) : m_history(history) {
        m_history.AddObserver(this);
    }
    ~HistoryWatch() override { m_history.RemoveObserver(this); }
    void BeginInsertAtTop(int) override {}
    void EndInsertAtTop() override { ++inserted; }
    void BeginReset() override { rowsBeforeReset = m_history.RowCount(); }
    void EndReset() override { ++resets; }
    void CellChanged(int, int) override {}
    void ModelDestroyed() override {}

    int inserted = 0;
    int resets = 0;
    int rowsBeforeReset = -1;

private:
    const HistoryList& m_history;
};

TEST_F(MainDialog, StartsInSimpleModeWithMillisecondsAndAnEmptyHistory) {
    EXPECT_EQ(m_main.GetItemText(res::IDC_PRECISION), u"毫秒(ms)");
    EXPECT_EQ(m_main.GetPrecision(), Precision::Milliseconds);
    EXPECT_TRUE(m_main.SimplePage().IsWindowVisible());
    EXPECT_FALSE(m_main.AdvancedPage().IsWindowVisible());
    EXPECT_EQ(m_main.GetItemText(res::IDC_TOGGLE_MODE), u"切换至高级模式");
    EXPECT_EQ(m_main.GetWindowText(), u"Tickwright");
    EXPECT_EQ(ui::test::Title(Main()), u"Tickwright");
    EXPECT_TRUE(WaitUntil([&] { return ui::test::HasIcon(Main()); })) << "icon 128";
    EXPECT_EQ(ui::test::ColumnCount(Main(), kList), 5);
}

TEST(MainDialogStartUp, RunsInOrderAndTheClearComesAfterEveryStartUpConversion) {
    // Built here rather than in a fixture, so that nothing runs the event loop
    // between the start-up sequence and the first look at its results.
    testsupport::FixedClock clock;
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ASSERT_TRUE(ui::test::ShowModeless(main));

    // The pages initialised while milliseconds were already selected.
    EXPECT_EQ(main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(main.AdvancedPage().GetItemText(res::IDC_INPUT_TIMESTAMP), u"1700000000123");
    // The advanced page's row, added before the list had columns, is there.
    ASSERT_EQ(main.HistoryRowCount(), 1);
    EXPECT_EQ(main.GetHistoryRecord(0).Input, u"1700000000123");
    EXPECT_EQ(ui::test::ColumnCount(ui::test::WindowOf(main), kList), 5);

    HistoryWatch watch(main.History());
    ASSERT_TRUE(WaitUntil([&] {
        return !main.IsTimerRunning(CTickwrightDlg::kStartupTimer) && main.HistoryRowCount() == 0;
    }));
    EXPECT_EQ(watch.inserted, 2) << "each page's start-up timer adds a row";
    EXPECT_EQ(watch.resets, 1);
    EXPECT_EQ(watch.rowsBeforeReset, 3) << "the clear came after all three start-up rows";
    ui::SetMainWindow(nullptr);
}

TEST_F(MainDialog, TogglingTwiceRestoresTheSimplePageAndKeepsTypedFields) {
    m_main.SimplePage().SetItemText(res::IDC_SIMPLE_DATE, u"1985-01-01");
    Click(res::IDC_TOGGLE_MODE);
    EXPECT_FALSE(m_main.SimplePage().IsWindowVisible());
    EXPECT_TRUE(m_main.AdvancedPage().IsWindowVisible());
    EXPECT_EQ(m_main.GetItemText(res::IDC_TOGGLE_MODE), u"切换至普通模式");
    m_main.AdvancedPage().SetItemText(res::IDC_INPUT_TIMESTAMP, u"42");
    Click(res::IDC_TOGGLE_MODE);
    EXPECT_TRUE(m_main.SimplePage().IsWindowVisible());
    EXPECT_FALSE(m_main.AdvancedPage().IsWindowVisible());
    EXPECT_EQ(m_main.GetItemText(res::IDC_TOGGLE_MODE), u"切换至高级模式");
    EXPECT_EQ(m_main.SimplePage().GetItemText(res::IDC_SIMPLE_DATE), u"1985-01-01");
    Click(res::IDC_TOGGLE_MODE);
    EXPECT_EQ(m_main.AdvancedPage().GetItemText(res::IDC_INPUT_TIMESTAMP), u"42");
    EXPECT_EQ(m_main.HistoryRowCount(), 0) << "switching converts nothing";
}

TEST_F(MainDialog, CurrentTimeAddsOneRowInSimpleModeAndTwoInAdvancedMode) {
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 1);
    EXPECT_EQ(m_main.GetHistoryRecord(0).Output, u"2023-11-15 06:13:20.123");

    Click(res::IDC_TOGGLE_MODE);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 3);
    EXPECT_EQ(m_main.GetHistoryRecord(0), m_main.GetHistoryRecord(1))
        << "with the timestamp input chosen the two rows are equal";

    ui::test::Click(Page(m_main.AdvancedPage()), res::IDC_SOURCE_DATETIME);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 5);
    EXPECT_EQ(m_main.GetHistoryRecord(0).Input, u"2023-11-14 22:13:20.123");
    EXPECT_EQ(m_main.GetHistoryRecord(1).Input, u"1700000000123");
}

TEST_F(MainDialog, SecondsChosenInTheSelectorApplyFromTheNextConversion) {
    const std::u16string before = m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP);
    ui::test::ChooseComboItem(Main(), res::IDC_PRECISION, 1);
    EXPECT_EQ(m_main.GetItemText(res::IDC_PRECISION), u"秒(s)");
    EXPECT_EQ(m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), before);
    EXPECT_EQ(m_main.HistoryRowCount(), 0) << "choosing converts nothing";
    Click(res::IDC_CURRENT_TIME);
    EXPECT_EQ(m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"1700000000");
    m_main.ComboSetCurSel(res::IDC_PRECISION, -1);
    EXPECT_EQ(m_main.GetPrecision(), Precision::Seconds) << "no selection reads as seconds";
}

TEST_F(MainDialog, EnterAndEscapeOnTheListOrTheTopStripDoNothing) {
    Click(res::IDC_CURRENT_TIME);
    for (const int id :
         {kList, res::IDC_PRECISION, res::IDC_CURRENT_TIME, res::IDC_TOGGLE_MODE, res::IDC_CLEAR}) {
        m_main.SetFocusTo(id);
        PressKey(Key::Return);
        PressKey(Key::Escape);
    }
    EXPECT_TRUE(ui::test::IsVisible(Main())) << "the dialog was never ended";
    EXPECT_EQ(m_main.HistoryRowCount(), 1);
    EXPECT_TRUE(m_main.SimplePage().IsWindowVisible());
}

TEST_F(MainDialog, TheListFollowsTheWindowButNeverDropsBelow105Pixels) {
    const ui::Rect start = RectOf(Main(), kList);
    EXPECT_EQ(start.y + start.height, ui::test::ClientRect(Main()).height);
    EXPECT_EQ(start.y, m_main.SimplePage().GetClientRect().height + 50)
        << "the list stands under the page and its strip";
    ui::test::Resize(Main(), ui::test::ClientRect(Main()).width, 200);
    EXPECT_EQ(RectOf(Main(), kList).height, 105);
    EXPECT_EQ(RectOf(Main(), kList).y, start.y) << "pages and strips keep their place";
    ui::test::Resize(Main(), 700, 600);
    const ui::Rect grown = RectOf(Main(), kList);
    EXPECT_EQ(grown.y + grown.height, 600);
    EXPECT_EQ(grown.width, 700);
}

TEST_F(MainDialog, ClearEmptiesTheHistory) {
    Click(res::IDC_CURRENT_TIME);
    Click(res::IDC_CURRENT_TIME);
    Click(res::IDC_CLEAR);
    EXPECT_EQ(m_main.HistoryRowCount(), 0);
}

TEST_F(MainDialog, DoubleClickOpensTheDetailAndOkStoresTheNote) {
    m_main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");
    m_main.AddHistoryRecord(static_cast<std::uint32_t>(-1), u"top", 25, u"row");

    std::vector<std::u16string> shown;
    InDetailOf(1, [&](Window detail) {
        for (const int id :
             {res::IDC_DETAIL_INPUT_ZONE, res::IDC_DETAIL_INPUT, res::IDC_DETAIL_OUTPUT_ZONE,
              res::IDC_DETAIL_OUTPUT, res::IDC_DETAIL_NOTE}) {
            shown.push_back(ui::test::ControlText(detail, id));
        }
        EXPECT_EQ(ui::test::Title(detail), u"详情");
        EXPECT_TRUE(ui::test::IsReadOnly(detail, res::IDC_DETAIL_INPUT));
        ui::test::TypeText(detail, res::IDC_DETAIL_NOTE, u"checked");
        ui::test::SaveScreenshot(detail, "detail_dialog");
        PressKey(Key::Return);
    });
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"UTC+08H", u"1985-01-01 15:25:35.001",
                                                  u"UTC+00H", u"473412335001", u""}));
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked");

    InDetailOf(0, [&](Window detail) {
        EXPECT_EQ(ui::test::ControlText(detail, res::IDC_DETAIL_INPUT_ZONE), u"UTC_UNKNOWN");
        ui::test::TypeText(detail, res::IDC_DETAIL_NOTE, u"lost");
        PressKey(Key::Escape);
    });
    InDetailOf(1, [](Window detail) { ui::test::Close(detail); });
    EXPECT_EQ(m_main.GetHistoryRecord(0).Note, u"");
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked");

    InDetailOf(1, [](Window) { PressKey(Key::Return); });
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked") << "OK without a change keeps it";

    InDetailOf(1, [&](Window detail) {
        ui::test::TypeText(detail, res::IDC_DETAIL_NOTE, u"");
        PressKey(Key::A, ui::test::kControl);
        PressKey(Key::Delete);
        PressKey(Key::Return);
    });
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"") << "a cleared note is stored empty";
}

TEST_F(MainDialog, DoubleClickOffAnyRowOpensNothing) {
    m_main.AddHistoryRecord(12, u"only", 12, u"row");
    ui::test::DoubleClickBelowRows(Main(), kList);
    EXPECT_FALSE(ui::test::ActiveModal());
    m_main.ShowHistoryDetail(0, -1);
    m_main.ShowHistoryDetail(-1, 0);
    EXPECT_FALSE(ui::test::ActiveModal());
}

TEST_F(MainDialog, TheWindowMenuEndsWithAboutWhichOpensTheAboutBox) {
    std::vector<ui::test::MenuEntry> entries;
    std::u16string title;
    std::u16string version;
    bool aboutClosed = false;
    m_main.SetFocusTo(res::IDC_CURRENT_TIME);
    ASSERT_TRUE(ui::test::WithMenu([] { PressKey(Key::Space, ui::test::kAlt); },
                                   [&](Window menu) {
                                       ui::test::SaveScreenshot(menu, "window_menu");
                                       entries = ui::test::MenuEntries(menu);
                                       ui::test::OnNextModal([&](Window about) {
                                           title = ui::test::Title(about);
                                           const auto controls = ui::test::Controls(about);
                                           version = controls.size() > 1 ? controls[1].text : u"";
                                           ui::test::SaveScreenshot(about, "about_box");
                                           PressKey(Key::Escape);
                                           aboutClosed = true;
                                       });
                                       ui::test::ChooseMenuItem(menu, {entries.back().text});
                                   }));
    EXPECT_TRUE(WaitUntil([&] { return aboutClosed; }));
    ASSERT_GE(entries.size(), 2u);
    EXPECT_TRUE(entries[entries.size() - 2].separator);
    EXPECT_EQ(entries.back().text, u"关于 Tickwright(&A)...");
    EXPECT_EQ(entries.back().command, res::IDM_ABOUTBOX);
    EXPECT_EQ(title, u"关于 Tickwright");
    EXPECT_EQ(version, u"Tickwright，版本 1.0");
    EXPECT_TRUE(ui::test::IsVisible(Main()));
}

TEST_F(MainDialog, TheWindowMenusMinimizeAndCloseGetTheDefaultHandling) {
    const auto choose = [&](int command) {
        const std::vector<ui::test::MenuEntry> entries = ui::test::WindowMenu(Main());
        const std::optional<ui::test::MenuEntry> entry = ui::test::FindCommand(entries, command);
        ASSERT_TRUE(entry) << command;
        const std::u16string text = entry->text;
        m_main.SetFocusTo(res::IDC_CURRENT_TIME);
        EXPECT_TRUE(
            ui::test::WithMenu([] { PressKey(Key::Space, ui::test::kAlt); },
                               [&](Window menu) { ui::test::ChooseMenuItem(menu, {text}); }));
    };
    choose(ui::SC_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return ui::test::IsMinimized(Main()); }));
    ui::test::Restore(Main());
    ui::test::Activate(Main());
    choose(ui::SC_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !ui::test::IsVisible(Main()); }))
        << "closed as by the close box";
}

TEST_F(MainDialog, ScreenshotsOfEachMode) {
    Click(res::IDC_CURRENT_TIME);
    ASSERT_TRUE(ui::test::SaveScreenshot(Main(), "main_simple_mode"));
    Click(res::IDC_TOGGLE_MODE);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_TRUE(ui::test::SaveScreenshot(Main(), "main_advanced_mode"));

    // The real error box, as a user sees it.
    std::u16string text;
    const Window page = Page(m_main.AdvancedPage());
    ui::test::Click(page, res::IDC_SOURCE_DATETIME);
    m_main.AdvancedPage().SetItemText(res::IDC_INPUT_DATE, u"1985-02-30-");
    EXPECT_TRUE(ui::test::WithModal([&] { ui::test::Click(page, res::IDC_CONVERT); },
                                    [&](Window box) {
                                        text = ui::test::MessageText(box);
                                        ui::test::SaveScreenshot(box, "error_box");
                                        PressKey(Key::Return);
                                    }));
    EXPECT_EQ(text, u"请输入正确的日期!\n例:1985-01-01");
    EXPECT_EQ(m_main.AdvancedPage().GetItemText(res::IDC_OUTPUT_TIME), u"-");
}

}  // namespace
}  // namespace tickwright

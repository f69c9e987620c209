// The real main window with both real pages, end to end.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

#include "app/ui/MainWindow.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/pages/PageTestHost.h"
#include "tests/ui/GuiTestSupport.h"

namespace tickwright {
namespace {

using testsupport::PressKey;
using testsupport::WaitUntil;

constexpr int kList = res::IDC_HISTORY;

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ui::SetMainWindow(&m_main);
        ASSERT_TRUE(m_main.CreateModeless());
        m_window = ui::WidgetOf(m_main);
        testsupport::Activate(m_window);
    }
    void TearDown() override { ui::SetMainWindow(nullptr); }

    void WaitForStartUpClear() {
        ASSERT_TRUE(WaitUntil([&] {
            return !m_main.IsTimerRunning(CTickwrightDlg::kStartupTimer) &&
                   m_main.HistoryRowCount() == 0;
        }));
    }
    void Click(int id) { QTest::mouseClick(ui::ControlWidget(m_main, id), Qt::LeftButton); }
    QTableView* List() { return qobject_cast<QTableView*>(ui::ControlWidget(m_main, kList)); }
    // Double-clicks a row of the history list (or below the rows for -1).
    void DoubleClickRow(int row) {
        QTableView* list = List();
        const QPoint point = row >= 0 ? list->visualRect(list->model()->index(row, 1)).center()
                                      : QPoint(10, list->viewport()->height() - 5);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }
    // Runs `act` on the modal dialog that opens next, once it is up.
    void OnNextModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }));
            QWidget* modal = QApplication::activeModalWidget();
            testsupport::Activate(modal);
            act(modal);
        });
    }

    testsupport::FixedClock m_clock;
    CTickwrightDlg m_main;
    QWidget* m_window = nullptr;
};

TEST_F(MainDialog, StartsInSimpleModeWithMillisecondsAndAnEmptyHistory) {
    EXPECT_EQ(m_main.GetItemText(res::IDC_PRECISION), u"毫秒(ms)");
    EXPECT_EQ(m_main.GetPrecision(), Precision::Milliseconds);
    EXPECT_TRUE(m_main.SimplePage().IsWindowVisible());
    EXPECT_FALSE(m_main.AdvancedPage().IsWindowVisible());
    EXPECT_EQ(m_main.GetItemText(res::IDC_TOGGLE_MODE), u"切换至高级模式");
    EXPECT_EQ(m_main.GetWindowText(), u"Tickwright");
    EXPECT_FALSE(m_window->windowIcon().isNull());
    WaitForStartUpClear();
    EXPECT_EQ(List()->model()->columnCount(), 5);
}

TEST(MainDialogStartUp, RunsInOrderAndTheClearComesAfterEveryStartUpConversion) {
    // Built here rather than in a fixture, so that nothing runs the event loop
    // between the start-up sequence and the first look at its results.
    testsupport::FixedClock clock;
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ASSERT_TRUE(main.CreateModeless());
    auto* list = qobject_cast<QTableView*>(ui::ControlWidget(main, kList));

    // The pages initialised while milliseconds were already selected.
    EXPECT_EQ(main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(main.AdvancedPage().GetItemText(res::IDC_INPUT_TIMESTAMP), u"1700000000123");
    // The advanced page's row, added before the list had columns, is there.
    ASSERT_EQ(main.HistoryRowCount(), 1);
    EXPECT_EQ(main.GetHistoryRecord(0).Input, u"1700000000123");
    EXPECT_EQ(list->model()->columnCount(), 5);

    QSignalSpy inserted(list->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(list->model(), &QAbstractItemModel::modelReset);
    int rowsBeforeClear = -1;
    const QMetaObject::Connection watch =
        QObject::connect(list->model(), &QAbstractItemModel::modelAboutToBeReset,
                         [&] { rowsBeforeClear = main.HistoryRowCount(); });
    ASSERT_TRUE(WaitUntil([&] {
        return !main.IsTimerRunning(CTickwrightDlg::kStartupTimer) && main.HistoryRowCount() == 0;
    }));
    QObject::disconnect(watch);
    EXPECT_EQ(inserted.count(), 2) << "each page's start-up timer adds a row";
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(rowsBeforeClear, 3) << "the clear came after all three start-up rows";
    ui::SetMainWindow(nullptr);
}

TEST_F(MainDialog, TogglingTwiceRestoresTheSimplePageAndKeepsTypedFields) {
    WaitForStartUpClear();
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
    WaitForStartUpClear();
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 1);
    EXPECT_EQ(m_main.GetHistoryRecord(0).Output, u"2023-11-15 06:13:20.123");

    Click(res::IDC_TOGGLE_MODE);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 3);
    EXPECT_EQ(m_main.GetHistoryRecord(0), m_main.GetHistoryRecord(1))
        << "with the timestamp input chosen the two rows are equal";

    QTest::mouseClick(ui::ControlWidget(m_main.AdvancedPage(), res::IDC_SOURCE_DATETIME),
                      Qt::LeftButton);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_EQ(m_main.HistoryRowCount(), 5);
    EXPECT_EQ(m_main.GetHistoryRecord(0).Input, u"2023-11-14 22:13:20.123");
    EXPECT_EQ(m_main.GetHistoryRecord(1).Input, u"1700000000123");
}

TEST_F(MainDialog, SecondsChosenInTheSelectorApplyFromTheNextConversion) {
    WaitForStartUpClear();
    const std::u16string before = m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP);
    auto* selector = qobject_cast<QComboBox*>(ui::ControlWidget(m_main, res::IDC_PRECISION));
    selector->setCurrentIndex(1);
    EXPECT_EQ(m_main.GetItemText(res::IDC_PRECISION), u"秒(s)");
    EXPECT_EQ(m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), before);
    Click(res::IDC_CURRENT_TIME);
    EXPECT_EQ(m_main.SimplePage().GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"1700000000");
    selector->setCurrentIndex(-1);
    EXPECT_EQ(m_main.GetPrecision(), Precision::Seconds) << "no selection reads as seconds";
}

TEST_F(MainDialog, EnterAndEscapeOnTheListOrTheTopStripDoNothing) {
    WaitForStartUpClear();
    Click(res::IDC_CURRENT_TIME);
    for (const int id :
         {kList, res::IDC_PRECISION, res::IDC_CURRENT_TIME, res::IDC_TOGGLE_MODE, res::IDC_CLEAR}) {
        m_main.SetFocusTo(id);
        PressKey(Qt::Key_Return);
        PressKey(Qt::Key_Escape);
    }
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(qobject_cast<QDialog*>(m_window)->result(), 0) << "the dialog was never ended";
    EXPECT_EQ(m_main.HistoryRowCount(), 1);
    EXPECT_TRUE(m_main.SimplePage().IsWindowVisible());
}

TEST_F(MainDialog, TheListFollowsTheWindowButNeverDropsBelow105Pixels) {
    WaitForStartUpClear();
    const QRect start = List()->geometry();
    EXPECT_EQ(start.bottom() + 1, m_window->height());
    m_window->resize(437, 200);
    QApplication::processEvents();
    EXPECT_EQ(List()->height(), 105);
    EXPECT_EQ(List()->y(), start.y()) << "pages and strips keep their place";
    m_window->resize(700, 600);
    QApplication::processEvents();
    EXPECT_EQ(List()->geometry().bottom() + 1, 600);
    EXPECT_EQ(List()->width(), 700);
}

TEST_F(MainDialog, ClearEmptiesTheHistory) {
    WaitForStartUpClear();
    Click(res::IDC_CURRENT_TIME);
    Click(res::IDC_CURRENT_TIME);
    Click(res::IDC_CLEAR);
    EXPECT_EQ(m_main.HistoryRowCount(), 0);
}

TEST_F(MainDialog, DoubleClickOpensTheDetailAndOkStoresTheNote) {
    WaitForStartUpClear();
    m_main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");
    m_main.AddHistoryRecord(static_cast<std::uint32_t>(-1), u"top", 25, u"row");

    std::vector<std::u16string> shown;
    const auto field = [](QWidget* detail, int id) {
        return detail->findChild<QLineEdit*>(QString::number(id));
    };
    OnNextModal([&](QWidget* detail) {
        for (const int id :
             {res::IDC_DETAIL_INPUT_ZONE, res::IDC_DETAIL_INPUT, res::IDC_DETAIL_OUTPUT_ZONE,
              res::IDC_DETAIL_OUTPUT, res::IDC_DETAIL_NOTE}) {
            shown.push_back(field(detail, id)->text().toStdU16String());
        }
        EXPECT_EQ(detail->windowTitle(), QStringLiteral("详情"));
        auto* note = field(detail, res::IDC_DETAIL_NOTE);
        EXPECT_TRUE(field(detail, res::IDC_DETAIL_INPUT)->isReadOnly());
        note->setFocus();
        QTest::keyClicks(note, "checked");
        testsupport::SaveScreenshot(detail, QStringLiteral("detail_dialog"));
        PressKey(Qt::Key_Return);
    });
    DoubleClickRow(1);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"UTC+08H", u"1985-01-01 15:25:35.001",
                                                  u"UTC+00H", u"473412335001", u""}));
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked");

    OnNextModal([&](QWidget* detail) {
        EXPECT_EQ(field(detail, res::IDC_DETAIL_INPUT_ZONE)->text(), QStringLiteral("UTC_UNKNOWN"));
        QTest::keyClicks(field(detail, res::IDC_DETAIL_NOTE), "lost");
        PressKey(Qt::Key_Escape);
    });
    DoubleClickRow(0);
    OnNextModal([](QWidget* detail) { detail->close(); });
    DoubleClickRow(1);
    EXPECT_EQ(m_main.GetHistoryRecord(0).Note, u"");
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked");

    OnNextModal([](QWidget*) { PressKey(Qt::Key_Return); });
    DoubleClickRow(1);
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"checked") << "OK without a change keeps it";

    OnNextModal([&](QWidget* detail) {
        QLineEdit* note = field(detail, res::IDC_DETAIL_NOTE);
        note->setFocus();
        QTest::keyClick(note, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(note, Qt::Key_Delete);
        PressKey(Qt::Key_Return);
    });
    DoubleClickRow(1);
    EXPECT_EQ(m_main.GetHistoryRecord(1).Note, u"") << "a cleared note is stored empty";
}

TEST_F(MainDialog, DoubleClickOffAnyRowOpensNothing) {
    WaitForStartUpClear();
    m_main.AddHistoryRecord(12, u"only", 12, u"row");
    DoubleClickRow(-1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    m_main.ShowHistoryDetail(0, -1);
    m_main.ShowHistoryDetail(-1, 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainDialog, TheWindowMenuEndsWithAboutWhichOpensTheAboutBox) {
    WaitForStartUpClear();
    PressKey(Qt::Key_Space, Qt::AltModifier);
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return menu->isVisible(); }));
    testsupport::SaveScreenshot(menu, QStringLiteral("window_menu"));
    const QList<QAction*> actions = menu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text(), QStringLiteral("关于 Tickwright(&A)..."));
    menu->hide();

    QString title;
    QString version;
    OnNextModal([&](QWidget* about) {
        title = about->windowTitle();
        version = about->findChildren<QLabel*>().size() > 1
                      ? about->findChildren<QLabel*>()[1]->text()
                      : QString();
        testsupport::SaveScreenshot(about, QStringLiteral("about_box"));
        PressKey(Qt::Key_Escape);
    });
    actions.back()->trigger();
    EXPECT_EQ(title, QStringLiteral("关于 Tickwright"));
    EXPECT_EQ(version, QStringLiteral("Tickwright，版本 1.0"));
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(MainDialog, TheWindowMenusMinimizeAndCloseGetTheDefaultHandling) {
    WaitForStartUpClear();
    QMenu* menu = m_main.Window()->WindowMenu();
    const auto command = [&](int id) {
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == id) {
                action->trigger();
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(command(ui::SC_MINIMIZE));
    EXPECT_TRUE(m_window->isMinimized());
    m_window->showNormal();
    ASSERT_TRUE(command(ui::SC_CLOSE));
    EXPECT_FALSE(m_window->isVisible()) << "closed as by the close box";
}

TEST_F(MainDialog, ScreenshotsOfEachMode) {
    WaitForStartUpClear();
    Click(res::IDC_CURRENT_TIME);
    ASSERT_TRUE(testsupport::SaveScreenshot(m_window, QStringLiteral("main_simple_mode")));
    Click(res::IDC_TOGGLE_MODE);
    Click(res::IDC_CURRENT_TIME);
    ASSERT_TRUE(testsupport::SaveScreenshot(m_window, QStringLiteral("main_advanced_mode")));

    // The real error box, as a user sees it.
    QString text;
    OnNextModal([&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text();
        testsupport::SaveScreenshot(box, QStringLiteral("error_box"));
        PressKey(Qt::Key_Return);
    });
    QTest::mouseClick(ui::ControlWidget(m_main.AdvancedPage(), res::IDC_SOURCE_DATETIME),
                      Qt::LeftButton);
    m_main.AdvancedPage().SetItemText(res::IDC_INPUT_DATE, u"1985-02-30-");
    QTest::mouseClick(ui::ControlWidget(m_main.AdvancedPage(), res::IDC_CONVERT), Qt::LeftButton);
    EXPECT_EQ(text, QStringLiteral("请输入正确的日期!\n例:1985-01-01"));
    EXPECT_EQ(m_main.AdvancedPage().GetItemText(res::IDC_OUTPUT_TIME), u"-");
}

}  // namespace
}  // namespace tickwright

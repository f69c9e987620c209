#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/UrlOpener.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

using testsupport::PressKey;
using testsupport::WaitUntil;

constexpr int kTestParent = 901;
constexpr int kTestChild = 902;
constexpr int kTestModal = 903;
// The one edit of each test template.
constexpr int kParentEdit = 10;
constexpr int kChildEdit = 20;
constexpr int kModalEdit = 30;

constexpr ui::StyleFlags kVisible = ui::WS_CHILD | ui::WS_VISIBLE;

// Small templates of the tests' own, registered once.
void RegisterTestTemplates() {
    static const bool registered = [] {
        using ui::ControlClass;
        ui::RegisterTemplate(
            {kTestParent,
             u"Parent",
             ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_MINIMIZEBOX,
             200,
             120,
             {u"宋体", 9},
             {{kParentEdit, ControlClass::Edit, u"", kVisible | ui::WS_TABSTOP, {5, 5, 60, 14}}},
             {}});
        ui::RegisterTemplate(
            {kTestChild,
             u"",
             ui::WS_CHILD,
             150,
             60,
             {u"宋体", 9},
             {{kChildEdit, ControlClass::Edit, u"", kVisible | ui::WS_TABSTOP, {5, 5, 60, 14}}},
             {}});
        ui::RegisterTemplate(
            {kTestModal,
             u"Modal",
             ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU,
             120,
             50,
             {u"MS Shell Dlg", 8},
             {{kModalEdit, ControlClass::Edit, u"", kVisible | ui::WS_TABSTOP, {5, 5, 60, 14}},
              {ui::IDOK,
               ControlClass::Button,
               u"确定",
               kVisible | ui::BS_DEFPUSHBUTTON | ui::WS_TABSTOP,
               {5, 25, 40, 14}}},
             {}});
        return true;
    }();
    static_cast<void>(registered);
}

// Records the keys it is offered; consumes them when told to.
class KeyLoggingDialog : public ui::Dialog {
public:
    KeyLoggingDialog(int templateId, Dialog* parent, std::string name,
                     std::vector<std::string>& log)
        : Dialog(templateId, parent), m_name(std::move(name)), m_log(log) {}

    bool PreTranslateKeyDown(int key) override {
        m_log.push_back(m_name + ":" + std::to_string(key));
        return consume;
    }
    void OnCancel() override {
        m_log.push_back(m_name + ":cancel");
        Dialog::OnCancel();
    }

    bool consume = false;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

// A top-level dialog with a child page shown in it, both logging their keys.
struct ParentWithChild {
    std::vector<std::string> log;
    KeyLoggingDialog parent{kTestParent, nullptr, "parent", log};
    KeyLoggingDialog child{kTestChild, &parent, "child", log};

    bool Open() {
        if (!parent.CreateModeless() || !child.Create()) {
            return false;
        }
        child.ShowWindow(true);
        testsupport::Activate(ui::WidgetOf(parent));
        return true;
    }
};

class TimerDialog : public ui::Dialog {
    UI_DECLARE_MESSAGE_MAP(TimerDialog)
public:
    TimerDialog() : Dialog(kTestParent) {}
    void OnTimer(int id) {
        ticks.push_back(id);
        if (id == 7) {
            KillTimer(7);  // one-shot, the way the pages use their start-up timer
        }
    }
    std::vector<int> ticks;
};

const ui::MessageMap<TimerDialog>& TimerDialog::GetMessageMap() {
    static const ui::MessageMap<TimerDialog> map = {ui::OnTimerMessage(&TimerDialog::OnTimer)};
    return map;
}

class SysCommandDialog : public ui::Dialog {
    UI_DECLARE_MESSAGE_MAP(SysCommandDialog)
public:
    SysCommandDialog() : Dialog(kTestParent) {}
    void OnSysCommand(int command) { commands.push_back(command); }
    std::vector<int> commands;
};

const ui::MessageMap<SysCommandDialog>& SysCommandDialog::GetMessageMap() {
    static const ui::MessageMap<SysCommandDialog> map = {
        ui::OnSysCommandMessage(&SysCommandDialog::OnSysCommand)};
    return map;
}

class DialogLayer : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestTemplates(); }
};

TEST_F(DialogLayer, ControlsArePlacedFromDialogUnits) {
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ASSERT_TRUE(main.CreateModeless());
    struct Case {
        int id;
        QRect expected;  // dialog units x 6/4 and x 12/8, rounded half up
    };
    const Case cases[] = {
        {res::IDC_CURRENT_TIME, QRect(203, 8, 75, 24)},  // 135, 5, 50, 16
        {res::IDC_TOGGLE_MODE, QRect(305, 8, 104, 24)},  // 203, 5, 69, 16
        {res::IDC_HISTORY, QRect(0, 200, 437, 123)},     // 0, 133, 291, 82
        {res::IDC_CLEAR, QRect(56, 182, 39, 18)},        // 37, 121, 26, 12
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ControlWidget(main, c.id)->geometry(), c.expected) << c.id;
    }
    EXPECT_EQ(ui::WidgetOf(main)->size(), QSize(437, 324));  // 291 x 216 units

    ui::Dialog about(res::IDD_ABOUTBOX);
    ASSERT_TRUE(about.CreateModeless());
    EXPECT_EQ(ui::WidgetOf(about)->size(), QSize(298, 116));  // 170 x 62 at 7 x 15
    EXPECT_EQ(ui::ControlWidget(about, ui::IDOK)->geometry(), QRect(198, 77, 88, 26));
}

TEST_F(DialogLayer, AutomaticRadioButtonsOfOneGroupExcludeEachOther) {
    ui::Dialog page(res::IDD_ADVANCE);
    ASSERT_TRUE(page.CreateModeless());
    auto* timestamp =
        qobject_cast<QRadioButton*>(ui::ControlWidget(page, res::IDC_SOURCE_TIMESTAMP));
    auto* dateTime = qobject_cast<QRadioButton*>(ui::ControlWidget(page, res::IDC_SOURCE_DATETIME));
    ASSERT_NE(timestamp, nullptr);
    ASSERT_NE(dateTime, nullptr);

    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_DATETIME));
    QTest::mouseClick(timestamp, Qt::LeftButton);
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    QTest::mouseClick(dateTime, Qt::LeftButton);
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_DATETIME));
    QTest::mouseClick(dateTime, Qt::LeftButton);
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_DATETIME))
        << "clicking a checked radio button keeps it checked";

    // The program sets checks one button at a time, as a dialog manager does.
    page.SetCheck(res::IDC_SOURCE_DATETIME, false);
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_DATETIME));
}

TEST_F(DialogLayer, SortedListsInsertInOrderAndUnsortedOnesAppend) {
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ASSERT_TRUE(main.CreateModeless());
    // The template adds "秒(s)" first; the sorted list shows "毫秒(ms)" first.
    ASSERT_EQ(main.ComboGetCount(res::IDC_PRECISION), 2);
    EXPECT_EQ(main.ComboGetItemText(res::IDC_PRECISION, 0), u"毫秒(ms)");
    EXPECT_EQ(main.ComboGetItemText(res::IDC_PRECISION, 1), u"秒(s)");
    EXPECT_EQ(main.ComboGetCurSel(res::IDC_PRECISION), -1) << "adding items selects nothing";
    EXPECT_EQ(main.ComboAddString(res::IDC_PRECISION, u"分(m)"), 0)
        << "sorted insert reports its index";

    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(page.CreateModeless());
    EXPECT_EQ(page.ComboAddString(res::IDC_SIMPLE_ZONE, u"b"), 0);
    EXPECT_EQ(page.ComboAddString(res::IDC_SIMPLE_ZONE, u"a"), 1);
    page.ComboSetCurSel(res::IDC_SIMPLE_ZONE, 1);
    EXPECT_EQ(page.ComboGetCurSel(res::IDC_SIMPLE_ZONE), 1);
    EXPECT_EQ(page.GetItemText(res::IDC_SIMPLE_ZONE), u"a");
    page.ComboSetCurSel(res::IDC_SIMPLE_ZONE, 5);
    EXPECT_EQ(page.ComboGetCurSel(res::IDC_SIMPLE_ZONE), -1)
        << "an index past the end clears the selection";
}

TEST_F(DialogLayer, ReadOnlyEditsRefuseTypingButTakeTextFromTheProgram) {
    ui::Dialog page(res::IDD_ADVANCE);
    ASSERT_TRUE(page.CreateModeless());
    auto* output = qobject_cast<QLineEdit*>(ui::ControlWidget(page, res::IDC_OUTPUT_TIMESTAMP));
    auto* input = qobject_cast<QLineEdit*>(ui::ControlWidget(page, res::IDC_INPUT_TIMESTAMP));
    ASSERT_TRUE(page.IsReadOnly(res::IDC_OUTPUT_TIMESTAMP));
    ASSERT_FALSE(page.IsReadOnly(res::IDC_INPUT_TIMESTAMP));

    QTest::keyClicks(output, "123");
    EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIMESTAMP), u"");
    page.SetItemText(res::IDC_OUTPUT_TIMESTAMP, u"28800000");
    EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIMESTAMP), u"28800000");

    QTest::keyClicks(input, "42");
    EXPECT_EQ(page.GetItemText(res::IDC_INPUT_TIMESTAMP), u"42");
    page.SetReadOnly(res::IDC_INPUT_TIMESTAMP, true);
    QTest::keyClicks(input, "7");
    EXPECT_EQ(page.GetItemText(res::IDC_INPUT_TIMESTAMP), u"42");
}

TEST_F(DialogLayer, QtsOwnTextsAreChinese) {
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(page.CreateModeless());
    auto* edit = qobject_cast<QLineEdit*>(ui::ControlWidget(page, res::IDC_SIMPLE_TIMESTAMP));
    ASSERT_NE(edit, nullptr);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts.push_back(action->text());
        }
    }
    const QString all = texts.join(u' ');
    EXPECT_TRUE(all.contains(QStringLiteral("粘贴")) && all.contains(QStringLiteral("全选")))
        << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Paste"))) << all.toStdString();
}

TEST_F(DialogLayer, TextIsReadUpToTheFirstNul) {
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(page.CreateModeless());
    page.SetItemText(res::IDC_SIMPLE_TIMESTAMP, std::u16string(u"12\0"
                                                               u"34",
                                                               5));
    EXPECT_EQ(page.GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"12");
}

TEST_F(DialogLayer, KeysGoToTheFocusedChildFirstThenItsParent) {
    ParentWithChild dialogs;
    ASSERT_TRUE(dialogs.Open());
    auto& [log, parent, child] = dialogs;

    child.SetFocusTo(kChildEdit);
    ASSERT_EQ(child.GetFocusId(), kChildEdit);
    PressKey(Qt::Key_A);
    EXPECT_EQ(log, (std::vector<std::string>{"child:65", "parent:65"}));

    log.clear();
    child.consume = true;
    PressKey(Qt::Key_Return);
    EXPECT_EQ(log, (std::vector<std::string>{"child:13"})) << "a consumed key goes no further";

    log.clear();
    parent.SetFocusTo(kParentEdit);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(log, (std::vector<std::string>{"parent:13"})) << "the child is not asked";
}

TEST_F(DialogLayer, EscapeNeverClosesOrHidesAChildPage) {
    ParentWithChild dialogs;
    ASSERT_TRUE(dialogs.Open());
    auto& [log, parent, child] = dialogs;
    parent.consume = true;

    child.SetFocusTo(kChildEdit);
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(parent.IsWindowVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"child:27", "parent:27", "child:27", "parent:27"}));

    // Even a page that does not consume it stays, and Qt's own reject never runs.
    QMetaObject::invokeMethod(ui::WidgetOf(child), "reject");
    EXPECT_TRUE(child.IsWindowVisible());
}

TEST_F(DialogLayer, TimersFireUntilKilled) {
    TimerDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    dialog.SetTimer(7, 10);
    dialog.SetTimer(8, 10);
    ASSERT_TRUE(
        WaitUntil([&] { return std::count(dialog.ticks.begin(), dialog.ticks.end(), 8) >= 3; }));
    EXPECT_EQ(std::count(dialog.ticks.begin(), dialog.ticks.end(), 7), 1);
    EXPECT_FALSE(dialog.IsTimerRunning(7));
    EXPECT_TRUE(dialog.IsTimerRunning(8));
    dialog.KillTimer(8);
    const auto eights = std::count(dialog.ticks.begin(), dialog.ticks.end(), 8);
    QTest::qWait(50);
    EXPECT_EQ(std::count(dialog.ticks.begin(), dialog.ticks.end(), 8), eights);
}

TEST_F(DialogLayer, ModalDialogResultForEnterEscapeAndTheCloseBox) {
    struct Case {
        const char* how;
        std::function<void(QWidget*)> end;
        int expected;
    };
    const Case cases[] = {
        {"Enter presses the default button", [](QWidget*) { PressKey(Qt::Key_Return); }, ui::IDOK},
        {"Escape cancels", [](QWidget*) { PressKey(Qt::Key_Escape); }, ui::IDCANCEL},
        {"the close box cancels", [](QWidget* w) { w->close(); }, ui::IDCANCEL},
        {"a click on OK",
         [](QWidget* w) {
             QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
         },
         ui::IDOK},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(kTestModal);
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            ASSERT_NE(window, nullptr);
            testsupport::Activate(window);
            c.end(window);
        });
        EXPECT_EQ(dialog.DoModal(), c.expected) << c.how;
    }
}

TEST_F(DialogLayer, MessageBoxesGoThroughTheSeam) {
    testsupport::MessageBoxRecorder recorder;
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(page.CreateModeless());
    EXPECT_EQ(page.MessageBox(u"请输入正确的日期!\n例:1985-01-01", u"错误",
                              ui::MB_OK | ui::MB_ICONEXCLAMATION),
              ui::IDOK);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].owner, &page);
    EXPECT_EQ(recorder.boxes[0].caption, u"错误");
    EXPECT_EQ(recorder.boxes[0].text, u"请输入正确的日期!\n例:1985-01-01");
    EXPECT_EQ(recorder.boxes[0].style, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

TEST_F(DialogLayer, AnAppendedWindowMenuItemArrivesAsASystemCommand) {
    SysCommandDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    dialog.AppendWindowMenuSeparator();
    dialog.AppendWindowMenuItem(16, u"关于 Tickwright(&A)...");
    auto* menu = ui::WidgetOf(dialog)->findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);  // minimize, close, separator, the new item
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text(), QStringLiteral("关于 Tickwright(&A)..."));
    actions[3]->trigger();
    actions[0]->trigger();
    EXPECT_EQ(dialog.commands, (std::vector<int>{16, ui::SC_MINIMIZE}));
}

TEST_F(DialogLayer, TheWindowMenuOffersMinimizeOnlyWhereTheWindowHasAMinimizeBox) {
    struct Case {
        int templateId;
        std::vector<int> commands;
    };
    const Case cases[] = {
        {res::IDD_TICKWRIGHT_DIALOG, {ui::SC_MINIMIZE, ui::SC_CLOSE}},
        {res::IDD_ABOUTBOX, {ui::SC_CLOSE}},
        {res::IDD_LIST_DETAIL, {ui::SC_CLOSE}},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(dialog.CreateModeless());
        std::vector<int> commands;
        for (const QAction* action : dialog.Window()->WindowMenu()->actions()) {
            commands.push_back(action->data().toInt());
        }
        EXPECT_EQ(commands, c.commands) << c.templateId;
        dialog.DefaultSysCommand(ui::SC_MINIMIZE);
        EXPECT_EQ(dialog.Window()->isMinimized(), c.commands.size() == 2) << c.templateId;
    }
}

TEST_F(DialogLayer, AltSpaceAndARightClickOpenTheWindowMenu) {
    ui::Dialog dialog(kTestParent);
    ASSERT_TRUE(dialog.CreateModeless());
    QWidget* window = ui::WidgetOf(dialog);
    testsupport::Activate(window);
    dialog.SetFocusTo(kParentEdit);
    PressKey(Qt::Key_Space, Qt::AltModifier);
    auto* menu = window->findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return menu->isVisible(); }));
    menu->hide();

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(150, 100),
                                 window->mapToGlobal(QPoint(150, 100)));
    QApplication::sendEvent(window, &rightClick);
    EXPECT_TRUE(WaitUntil([&] { return menu->isVisible(); }));
    menu->hide();
}

TEST_F(DialogLayer, TheWindowMenusCloseCancelsAModalDialog) {
    ui::Dialog dialog(kTestModal);
    QTimer::singleShot(0, [&] { dialog.DefaultSysCommand(ui::SC_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
}

TEST_F(DialogLayer, LinksOpenTheirAddressThroughTheDesktop) {
    std::vector<std::u16string> opened;
    ui::SetUrlOpener([&](const std::u16string& url) { opened.push_back(url); });
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ASSERT_TRUE(main.CreateModeless());
    QTest::mouseClick(ui::ControlWidget(main, res::IDC_INTRO_LINK), Qt::LeftButton);
    ui::SetUrlOpener({});
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].starts_with(u"file://")) << "the installed introduction page";
    EXPECT_TRUE(opened[0].ends_with(u"/tickwright/intro.html"));
}

TEST_F(DialogLayer, TheSaveDialogAddsTheDefaultSuffixToANameTypedWithoutOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct Case {
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("history"), QStringLiteral("history.csv")},
        {QStringLiteral("history.csv"), QStringLiteral("history.csv")},
        {QStringLiteral("history.txt"), QStringLiteral("history.txt")},
    };
    for (const Case& c : cases) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        const std::u16string chosen =
            ui::GetSaveFileName({nullptr, u"导出历史记录",
                                 (folder.path() + QStringLiteral("/proposed.csv")).toStdU16String(),
                                 u"CSV 文件 (*.csv)", u"csv"});
        EXPECT_EQ(chosen, QDir(folder.path()).filePath(c.expected).toStdU16String())
            << c.typed.toStdString();
    }
}

TEST(DialogUnits, BaseUnitsAreFixedPerNominalFont) {
    EXPECT_EQ(ui::DialogUnitsToPixels({4, 8, 4, 8}, ui::BaseUnitsOf({u"宋体", 9})),
              (ui::Rect{6, 12, 6, 12}));
    EXPECT_EQ(ui::DialogUnitsToPixels({4, 8, 4, 8}, ui::BaseUnitsOf({u"MS Shell Dlg", 8})),
              (ui::Rect{6, 13, 6, 13}));
    EXPECT_EQ(ui::DialogUnitsToPixels({4, 8, 4, 8}, ui::BaseUnitsOf({u"MS Shell Dlg", 9})),
              (ui::Rect{7, 15, 7, 15}));
    EXPECT_EQ(ui::PointsToPixels(9), 12);
    EXPECT_EQ(ui::PointsToPixels(12), 16);
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/ReportCopy.h"
#include "app/ui/ReportModel.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/test/Driver.h"

namespace {

using ui::test::Key;
using ui::test::PressKey;
using ui::test::WaitUntil;
using ui::test::Window;

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
        if (!ui::test::ShowModeless(parent) || !child.Create()) {
            return false;
        }
        child.ShowWindow(true);
        ui::test::Activate(ui::test::WindowOf(parent));
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
    struct Case {
        int templateId;
        std::vector<int> ids;  // buttons and lists stand exactly on their template rectangle
    };
    const Case cases[] = {
        {res::IDD_TICKWRIGHT_DIALOG,
         {res::IDC_CURRENT_TIME, res::IDC_TOGGLE_MODE, res::IDC_HISTORY, res::IDC_CLEAR}},
        {res::IDD_ABOUTBOX, {ui::IDOK}},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(ui::test::ShowModeless(dialog));
        const Window window = ui::test::WindowOf(dialog);
        const ui::DialogTemplate& dialogTemplate = *ui::FindTemplate(c.templateId);
        const ui::Rect client = ui::test::ClientRect(window);
        EXPECT_EQ(client, ui::test::DialogUnitsInWindow(
                              window, {0, 0, dialogTemplate.width, dialogTemplate.height}))
            << c.templateId;
        const std::vector<ui::test::ControlInfo> controls = ui::test::Controls(window);
        ASSERT_EQ(controls.size(), dialogTemplate.controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const int id = dialogTemplate.controls[i].id;
            if (std::find(c.ids.begin(), c.ids.end(), id) != c.ids.end()) {
                EXPECT_EQ(controls[i].rect,
                          ui::test::DialogUnitsInWindow(window, dialogTemplate.controls[i].rect))
                    << c.templateId << " control " << id;
            }
        }
    }
}

TEST_F(DialogLayer, AutomaticRadioButtonsOfOneGroupExcludeEachOther) {
    ui::Dialog page(res::IDD_ADVANCE);
    ASSERT_TRUE(ui::test::ShowModeless(page));
    const Window window = ui::test::WindowOf(page);

    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_DATETIME));
    ui::test::Click(window, res::IDC_SOURCE_TIMESTAMP);
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    ui::test::Click(window, res::IDC_SOURCE_DATETIME);
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_DATETIME));
    ui::test::Click(window, res::IDC_SOURCE_DATETIME);
    EXPECT_TRUE(page.GetCheck(res::IDC_SOURCE_DATETIME))
        << "clicking a checked radio button keeps it checked";

    // The program sets checks one button at a time, as a dialog manager does.
    page.SetCheck(res::IDC_SOURCE_DATETIME, false);
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(page.GetCheck(res::IDC_SOURCE_DATETIME));
}

TEST_F(DialogLayer, SortedListsInsertInOrderAndUnsortedOnesAppend) {
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ASSERT_TRUE(ui::test::ShowModeless(main));
    // The template adds "秒(s)" first; the sorted list shows "毫秒(ms)" first.
    ASSERT_EQ(main.ComboGetCount(res::IDC_PRECISION), 2);
    EXPECT_EQ(main.ComboGetItemText(res::IDC_PRECISION, 0), u"毫秒(ms)");
    EXPECT_EQ(main.ComboGetItemText(res::IDC_PRECISION, 1), u"秒(s)");
    EXPECT_EQ(main.ComboGetCurSel(res::IDC_PRECISION), -1) << "adding items selects nothing";
    EXPECT_EQ(main.ComboAddString(res::IDC_PRECISION, u"分(m)"), 0)
        << "sorted insert reports its index";

    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(ui::test::ShowModeless(page));
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
    ASSERT_TRUE(ui::test::ShowModeless(page));
    const Window window = ui::test::WindowOf(page);
    ASSERT_TRUE(page.IsReadOnly(res::IDC_OUTPUT_TIMESTAMP));
    ASSERT_FALSE(page.IsReadOnly(res::IDC_INPUT_TIMESTAMP));

    ui::test::TypeText(window, res::IDC_OUTPUT_TIMESTAMP, u"123");
    EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIMESTAMP), u"");
    page.SetItemText(res::IDC_OUTPUT_TIMESTAMP, u"28800000");
    EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIMESTAMP), u"28800000");

    ui::test::TypeText(window, res::IDC_INPUT_TIMESTAMP, u"42");
    EXPECT_EQ(page.GetItemText(res::IDC_INPUT_TIMESTAMP), u"42");
    page.SetReadOnly(res::IDC_INPUT_TIMESTAMP, true);
    ui::test::TypeText(window, res::IDC_INPUT_TIMESTAMP, u"7");
    EXPECT_EQ(page.GetItemText(res::IDC_INPUT_TIMESTAMP), u"42");
    EXPECT_TRUE(ui::test::IsReadOnly(window, res::IDC_INPUT_TIMESTAMP));
}

TEST_F(DialogLayer, TextIsReadUpToTheFirstNul) {
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(ui::test::ShowModeless(page));
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
    // Each key as its virtual-key code.
    const std::pair<Key, int> keys[] = {
        {Key::A, 'A'}, {Key::Delete, ui::VK_DELETE}, {Key::Home, ui::VK_HOME}, {Key::F5, 0x74}};
    for (const auto& [key, code] : keys) {
        log.clear();
        PressKey(key);
        EXPECT_EQ(log, (std::vector<std::string>{"child:" + std::to_string(code),
                                                 "parent:" + std::to_string(code)}));
    }

    log.clear();
    child.consume = true;
    PressKey(Key::Return);
    EXPECT_EQ(log, (std::vector<std::string>{"child:13"})) << "a consumed key goes no further";

    log.clear();
    parent.SetFocusTo(kParentEdit);
    PressKey(Key::Return);
    EXPECT_EQ(log, (std::vector<std::string>{"parent:13"})) << "the child is not asked";
}

TEST_F(DialogLayer, EscapeNeverClosesOrHidesAChildPage) {
    ParentWithChild dialogs;
    ASSERT_TRUE(dialogs.Open());
    auto& [log, parent, child] = dialogs;
    parent.consume = true;

    child.SetFocusTo(kChildEdit);
    PressKey(Key::Escape);
    PressKey(Key::Escape);
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(parent.IsWindowVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"child:27", "parent:27", "child:27", "parent:27"}));
}

TEST_F(DialogLayer, TimersFireUntilKilled) {
    TimerDialog dialog;
    ASSERT_TRUE(ui::test::ShowModeless(dialog));
    dialog.SetTimer(7, 10);
    dialog.SetTimer(8, 10);
    ASSERT_TRUE(
        WaitUntil([&] { return std::count(dialog.ticks.begin(), dialog.ticks.end(), 8) >= 3; }));
    EXPECT_EQ(std::count(dialog.ticks.begin(), dialog.ticks.end(), 7), 1);
    EXPECT_FALSE(dialog.IsTimerRunning(7));
    EXPECT_TRUE(dialog.IsTimerRunning(8));
    dialog.KillTimer(8);
    const auto eights = std::count(dialog.ticks.begin(), dialog.ticks.end(), 8);
    ui::test::Wait(50);
    EXPECT_EQ(std::count(dialog.ticks.begin(), dialog.ticks.end(), 8), eights);
}

TEST_F(DialogLayer, ModalDialogResultForEnterEscapeAndTheCloseBox) {
    struct Case {
        const char* how;
        std::function<void(Window)> end;
        int expected;
    };
    const Case cases[] = {
        {"Enter presses the default button", [](Window) { PressKey(Key::Return); }, ui::IDOK},
        {"Escape cancels", [](Window) { PressKey(Key::Escape); }, ui::IDCANCEL},
        {"the close box cancels", [](Window w) { ui::test::Close(w); }, ui::IDCANCEL},
        {"a click on OK", [](Window w) { ui::test::Click(w, ui::IDOK); }, ui::IDOK},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(kTestModal);
        int result = 0;
        EXPECT_TRUE(ui::test::WithModal([&] { result = dialog.DoModal(); }, c.end)) << c.how;
        EXPECT_EQ(result, c.expected) << c.how;
    }
}

TEST_F(DialogLayer, MessageBoxesGoThroughTheSeam) {
    ui::test::MessageBoxRecorder recorder;
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(ui::test::ShowModeless(page));
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
    ASSERT_TRUE(ui::test::ShowModeless(dialog));
    const Window window = ui::test::WindowOf(dialog);
    ui::test::Activate(window);
    dialog.AppendWindowMenuSeparator();
    dialog.AppendWindowMenuItem(16, u"关于 Tickwright(&A)...");
    const std::vector<ui::test::MenuEntry> entries = ui::test::WindowMenu(window);
    ASSERT_GE(entries.size(), 3u);
    EXPECT_TRUE(entries[entries.size() - 2].separator);
    EXPECT_EQ(entries.back().text, u"关于 Tickwright(&A)...");
    EXPECT_EQ(entries.back().command, 16);
    const std::optional<ui::test::MenuEntry> minimize =
        ui::test::FindCommand(entries, ui::SC_MINIMIZE);
    ASSERT_TRUE(minimize);
    for (const std::u16string& text : {entries.back().text, minimize->text}) {
        dialog.SetFocusTo(kParentEdit);
        EXPECT_TRUE(
            ui::test::WithMenu([] { PressKey(Key::Space, ui::test::kAlt); },
                               [&](Window menu) { ui::test::ChooseMenuItem(menu, {text}); }));
    }
    EXPECT_EQ(dialog.commands, (std::vector<int>{16, ui::SC_MINIMIZE}))
        << "a dialog that maps system commands gets the standard ones too";
}

// The window menu opens with the standard commands the window's style
// allows, then the dialog's own items, whether Alt+Space or a right-click on
// the background opens it; and a command the style does not allow does
// nothing, even when sent.
TEST_F(DialogLayer, TheWindowMenuOffersTheStandardCommandsTheStyleAllows) {
    const auto chosenCommands = [](const std::vector<ui::test::MenuEntry>& entries) {
        // The standard commands that may be chosen (Windows shows the others
        // greyed).
        const int commands[] = {ui::SC_RESTORE,  ui::SC_MOVE,     ui::SC_SIZE,
                                ui::SC_MINIMIZE, ui::SC_MAXIMIZE, ui::SC_CLOSE};
        std::vector<int> standard;
        for (const ui::test::MenuEntry& entry : entries) {
            if (!entry.separator && entry.enabled &&
                std::find(std::begin(commands), std::end(commands), entry.command) !=
                    std::end(commands)) {
                standard.push_back(entry.command);
            }
        }
        return standard;
    };
    for (const int templateId :
         {res::IDD_TICKWRIGHT_DIALOG, res::IDD_ABOUTBOX, res::IDD_LIST_DETAIL, kTestParent}) {
        ui::Dialog dialog(templateId);
        ASSERT_TRUE(ui::test::ShowModeless(dialog));
        const Window window = ui::test::WindowOf(dialog);
        const ui::StyleFlags style = ui::FindTemplate(templateId)->style;
        const auto has = [style](ui::StyleFlags flag) { return (style & flag) == flag; };
        const std::string where = std::to_string(templateId);
        const std::vector<int> standard = chosenCommands(ui::test::WindowMenu(window));
        std::vector<int> clicked;
        EXPECT_TRUE(ui::test::WithMenu([&] { ui::test::RightClickAt(window, 2, 2); },
                                       [&](Window menu) {
                                           clicked = chosenCommands(ui::test::MenuEntries(menu));
                                           ui::test::DismissMenu(menu);
                                       }))
            << where;
        EXPECT_EQ(clicked, standard) << where << ": the right-click's menu";
        const auto offers = [&](int command) {
            return std::find(standard.begin(), standard.end(), command) != standard.end();
        };
        EXPECT_TRUE(offers(ui::SC_CLOSE)) << where;
        EXPECT_FALSE(offers(ui::SC_RESTORE)) << where << ": neither minimized nor maximized";
        EXPECT_EQ(offers(ui::SC_MINIMIZE), has(ui::WS_MINIMIZEBOX)) << where;
        EXPECT_TRUE(!offers(ui::SC_SIZE) || has(ui::WS_THICKFRAME)) << where;
        EXPECT_TRUE(!offers(ui::SC_MAXIMIZE) || has(ui::WS_MAXIMIZEBOX)) << where;
        dialog.DefaultSysCommand(ui::SC_MAXIMIZE);
        EXPECT_EQ(ui::test::IsMaximized(window), has(ui::WS_MAXIMIZEBOX)) << where;
        dialog.DefaultSysCommand(ui::SC_MINIMIZE);
        EXPECT_EQ(ui::test::IsMinimized(window), has(ui::WS_MINIMIZEBOX)) << where;
    }
}

TEST_F(DialogLayer, AltSpaceAndARightClickOpenTheWindowMenu) {
    ui::Dialog dialog(kTestParent);
    ASSERT_TRUE(ui::test::ShowModeless(dialog));
    const Window window = ui::test::WindowOf(dialog);
    ui::test::Activate(window);
    dialog.SetFocusTo(kParentEdit);
    const auto isTheWindowMenu = [&](Window menu) {
        const auto entries = ui::test::MenuEntries(menu);
        EXPECT_TRUE(ui::test::FindCommand(entries, ui::SC_CLOSE));
        ui::test::DismissMenu(menu);
    };
    EXPECT_TRUE(ui::test::WithMenu([] { PressKey(Key::Space, ui::test::kAlt); }, isTheWindowMenu));
    EXPECT_TRUE(
        ui::test::WithMenu([&] { ui::test::RightClickAt(window, 150, 100); }, isTheWindowMenu));
    EXPECT_TRUE(ui::test::IsVisible(window)) << "dismissed, nothing chosen";
}

TEST_F(DialogLayer, TheWindowMenusCloseCancelsAModalDialog) {
    ui::Dialog dialog(kTestModal);
    ui::test::Later([&] { dialog.DefaultSysCommand(ui::SC_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
}

TEST_F(DialogLayer, LinksOpenTheirAddressThroughTheDesktop) {
    std::vector<std::u16string> opened;
    ui::SetUrlOpener([&](const std::u16string& url) { opened.push_back(url); });
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ASSERT_TRUE(ui::test::ShowModeless(main));
    ui::test::Click(ui::test::WindowOf(main), res::IDC_INTRO_LINK);
    ui::SetUrlOpener({});
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].starts_with(u"file://")) << "the installed introduction page";
    EXPECT_TRUE(opened[0].ends_with(u"/tickwright/intro.html"));
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

// What copying takes from a list: a cell's line breaks and tabs never split
// a pasted row or column, whichever of the two is copied.
TEST(ReportCopy, CellsAreFlattenedInRowsAndInOneColumnAlike) {
    class Cells : public ui::ReportModel {
    public:
        int RowCount() const override { return 2; }
        std::u16string_view CellText(int row, int column) const override {
            static const std::u16string cells[2][2] = {{u"a\tb", u"c\nd"},
                                                       {u"e\u2028f", u"g\r\nh"}};
            return cells[row][column];
        }
    } model;
    struct Case {
        std::u16string copied;
        std::u16string expected;
    };
    const Case cases[] = {
        {ui::RowsText(model, 2, {0, 1}), u"a b\tc d\ne f\tg  h"},
        {ui::ColumnText(model, 1, {0, 1}), u"c d\ng  h"},
        {ui::ColumnText(model, 0, {1}), u"e f"},
        {ui::RowsText(model, 2, {}), u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.copied, c.expected);
    }
    EXPECT_EQ(ui::RowsForCopyKey({3, 1}, 7), (std::vector<int>{1, 3}))
        << "the selection, top first";
    EXPECT_EQ(ui::RowsForCopyKey({}, 7), (std::vector<int>{7})) << "else the focused row";
    EXPECT_EQ(ui::RowsForCopyKey({}, -1), (std::vector<int>{})) << "else none";
}

}  // namespace

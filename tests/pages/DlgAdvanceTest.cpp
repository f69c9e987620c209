#include <gtest/gtest.h>

#include "core/TextParsing.h"
#include "pages/DlgAdvance.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using testsupport::PressKey;
using testsupport::Record;
using D = DlgAdvance;

class AdvancedPage : public ::testing::Test {
protected:
    void StartPage() {
        ASSERT_TRUE(m_page.Create());
        m_page.ShowWindow(true);
        testsupport::Activate(ui::WidgetOf(m_host));
    }
    void WaitForStartUpConversions() {
        ASSERT_TRUE(testsupport::WaitUntil([&] { return m_host.history.RowCount() == 2; }));
        m_host.history.ClearHistory();
    }
    void Click(int id) { QTest::mouseClick(ui::ControlWidget(m_page, id), Qt::LeftButton); }
    std::u16string Text(int id) const { return m_page.GetItemText(id); }
    std::vector<std::u16string> Fields() const {
        std::vector<std::u16string> texts;
        for (const int id : {D::kInputTimestampEdit, D::kInputDateEdit, D::kInputTimeEdit,
                             D::kOutputTimestampEdit, D::kOutputDateEdit, D::kOutputTimeEdit}) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    void ChooseDateTimeInput(const char16_t* date, const char16_t* time) {
        Click(D::kDateTimeRadio);
        m_page.SetItemText(D::kInputDateEdit, date);
        m_page.SetItemText(D::kInputTimeEdit, time);
    }

    testsupport::FixedClock m_clock;
    testsupport::PageTestHost m_host;
    DlgAdvance m_page{&m_host, m_host};
};

TEST_F(AdvancedPage, StartsFilledWithThePresentAndConvertsItAgainOnce) {
    // No event loop may run before the first look: the start-up timer is 10 ms.
    ASSERT_TRUE(m_page.Create());
    EXPECT_EQ(m_page.ComboGetCount(D::kInputZoneList), 25);
    EXPECT_EQ(m_page.ComboGetCount(D::kOutputZoneList), 25);
    EXPECT_EQ(m_page.ComboGetCurSel(D::kInputZoneList), 12);
    EXPECT_EQ(m_page.ComboGetCurSel(D::kOutputZoneList), 20);
    EXPECT_TRUE(m_page.GetCheck(D::kTimestampRadio));
    EXPECT_FALSE(m_page.GetCheck(D::kDateTimeRadio));
    EXPECT_FALSE(m_page.IsReadOnly(D::kInputTimestampEdit));
    EXPECT_TRUE(m_page.IsReadOnly(D::kInputDateEdit));
    EXPECT_TRUE(m_page.IsReadOnly(D::kInputTimeEdit));
    EXPECT_EQ(Fields(),
              (std::vector<std::u16string>{u"1700000000123", u"2023-11-14", u"22:13:20.123",
                                           u"1700028800123", u"2023-11-15", u"06:13:20.123"}));
    const auto startRow =
        Record(u"UTC+00H", u"1700000000123", u"UTC+08H", u"2023-11-15 06:13:20.123");
    ASSERT_EQ(m_host.history.RowCount(), 1) << "one row while it initialises";
    EXPECT_EQ(m_host.Row(0), startRow);

    ASSERT_TRUE(testsupport::WaitUntil([&] { return m_host.history.RowCount() == 2; }));
    EXPECT_EQ(m_host.Row(0), startRow);
    QTest::qWait(30);
    EXPECT_EQ(m_host.history.RowCount(), 2) << "the start-up timer fires once";
}

TEST_F(AdvancedPage, RadioButtonsSwapEditableFieldsAndConvertNothing) {
    StartPage();
    WaitForStartUpConversions();
    const auto before = Fields();
    Click(D::kDateTimeRadio);
    EXPECT_FALSE(m_page.GetCheck(D::kTimestampRadio));
    EXPECT_TRUE(m_page.GetCheck(D::kDateTimeRadio));
    EXPECT_TRUE(m_page.IsReadOnly(D::kInputTimestampEdit));
    EXPECT_FALSE(m_page.IsReadOnly(D::kInputDateEdit));
    EXPECT_FALSE(m_page.IsReadOnly(D::kInputTimeEdit));
    EXPECT_TRUE(m_page.IsReadOnly(D::kOutputTimestampEdit)) << "output fields stay read-only";
    Click(D::kTimestampRadio);
    EXPECT_TRUE(m_page.GetCheck(D::kTimestampRadio));
    EXPECT_FALSE(m_page.IsReadOnly(D::kInputTimestampEdit));
    EXPECT_EQ(Fields(), before);
    EXPECT_EQ(m_host.history.RowCount(), 0);
}

TEST_F(AdvancedPage, ConvertsFromADateAndTimeBetweenTwoZones) {
    StartPage();
    WaitForStartUpConversions();
    m_page.ComboSetCurSel(D::kInputZoneList, 20);
    m_page.ComboSetCurSel(D::kOutputZoneList, 12);
    ChooseDateTimeInput(u"1985-01-01", u"15:25:35.001");
    Click(D::kConvertButton);
    EXPECT_EQ(Fields(),
              (std::vector<std::u16string>{u"473441135001", u"1985-01-01", u"15:25:35.001",
                                           u"473412335001", u"1985-01-01", u"07:25:35.001"}));
    EXPECT_EQ(m_host.Row(0), Record(u"UTC+08H", u"1985-01-01 15:25:35.001", u"UTC+00H",
                                    u"1985-01-01 07:25:35.001"));

    m_host.precision = Precision::Seconds;
    Click(D::kConvertButton);
    EXPECT_EQ(Text(D::kInputTimestampEdit), u"473441135");
    EXPECT_EQ(Text(D::kOutputTimestampEdit), u"473412335");
    EXPECT_EQ(Text(D::kOutputTimeEdit), u"07:25:35");
    EXPECT_EQ(m_host.Row(0).Input, u"1985-01-01 15:25:35.001");
}

TEST_F(AdvancedPage, EnterFromAnyControlConvertsByTheRadioButtonsAndEscapeDoesNothing) {
    StartPage();
    WaitForStartUpConversions();
    m_page.SetItemText(D::kInputTimestampEdit, u"0");
    m_page.ComboSetCurSel(D::kInputZoneList, 0);
    m_page.ComboSetCurSel(D::kOutputZoneList, 24);
    for (const int id :
         {D::kInputZoneList, D::kTimestampRadio, D::kConvertButton, D::kOutputTimestampEdit}) {
        m_page.SetFocusTo(id);
        PressKey(Qt::Key_Return);
    }
    ASSERT_EQ(m_host.history.RowCount(), 4);
    EXPECT_EQ(m_host.Row(0), Record(u"UTC-12H", u"0", u"UTC+12H", u"1970-01-02 00:00:00.000"));
    EXPECT_EQ(Text(D::kOutputTimestampEdit), u"86400000");

    m_page.SetFocusTo(D::kInputTimestampEdit);
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(m_host.history.RowCount(), 4);
    EXPECT_TRUE(m_page.IsWindowVisible());
}

TEST_F(AdvancedPage, AnErrorLeavesThePreviousOutputAndADashInTheTimeField) {
    StartPage();
    WaitForStartUpConversions();
    const auto before = Fields();
    struct Case {
        const char16_t* date;
        const char16_t* time;
        std::u16string_view message;
        const char16_t* timeAfter;
    };
    const Case cases[] = {
        {u"1985-01-32", u"", kBadDateMessage, u"00:00:00"},
        {u"1985-01-01", u"23:59:60", kBadTimeMessage, u"23:59:60"},
        {u"", u"x", kBadDateMessage, u"x"},
    };
    for (const Case& c : cases) {
        testsupport::MessageBoxRecorder boxes;
        ChooseDateTimeInput(c.date, c.time);
        Click(D::kConvertButton);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].caption, u"错误");
        EXPECT_EQ(boxes.boxes[0].text, c.message);
        EXPECT_EQ(boxes.boxes[0].style, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        EXPECT_EQ(Text(D::kInputTimeEdit), c.timeAfter);
        EXPECT_EQ(Text(D::kInputDateEdit), c.date);
        EXPECT_EQ(Text(D::kOutputTimeEdit), u"-");
        EXPECT_EQ(Text(D::kInputTimestampEdit), before[0]);
        EXPECT_EQ(Text(D::kOutputTimestampEdit), before[3]);
        EXPECT_EQ(Text(D::kOutputDateEdit), before[4]);
    }
    EXPECT_EQ(m_host.history.RowCount(), 0);
}

TEST_F(AdvancedPage, PresentTimeFillConvertsTheTimestampWhateverTheInputKind) {
    StartPage();
    WaitForStartUpConversions();
    ChooseDateTimeInput(u"1999-12-31", u"23:59:59");
    m_page.FillWithCurrentTime();
    EXPECT_EQ(Text(D::kInputTimestampEdit), u"1700000000123");
    EXPECT_EQ(Text(D::kInputDateEdit), u"2023-11-14");
    EXPECT_EQ(Text(D::kInputTimeEdit), u"22:13:20.123");
    ASSERT_EQ(m_host.history.RowCount(), 1);
    EXPECT_EQ(m_host.Row(0).Input, u"1700000000123");
    EXPECT_TRUE(m_page.GetCheck(D::kDateTimeRadio)) << "the input kind is untouched";

    m_page.RunConversion();  // what the current-time button does next
    ASSERT_EQ(m_host.history.RowCount(), 2);
    EXPECT_EQ(m_host.Row(0).Input, u"2023-11-14 22:13:20.123");
}

TEST_F(AdvancedPage, AChangedPrecisionTakesEffectAtTheNextConversionOnly) {
    StartPage();
    WaitForStartUpConversions();
    const auto before = Fields();
    m_host.precision = Precision::Seconds;
    QTest::keyClick(ui::ControlWidget(m_page, D::kOutputZoneList), Qt::Key_Up);
    EXPECT_EQ(Fields(), before);
    m_page.SetItemText(D::kInputTimestampEdit, u"1700000000");
    Click(D::kConvertButton);
    EXPECT_EQ(Fields(), (std::vector<std::u16string>{u"1700000000", u"2023-11-14", u"22:13:20",
                                                     u"1700025200", u"2023-11-15", u"05:13:20"}));
}

TEST_F(AdvancedPage, ExtremeAndHugeInputsConvertWithoutHarm) {
    StartPage();
    WaitForStartUpConversions();
    for (const std::u16string& text :
         {std::u16string(u"-1"), std::u16string(u"-86400001"),
          std::u16string(u"9223372036854775807"), std::u16string(u"-9223372036854775808"),
          std::u16string(10000, u'7')}) {
        for (const Precision precision : {Precision::Milliseconds, Precision::Seconds}) {
            m_host.precision = precision;
            m_page.SetItemText(D::kInputTimestampEdit, text);
            m_page.ComboSetCurSel(D::kInputZoneList, 0);
            m_page.ComboSetCurSel(D::kOutputZoneList, 24);
            Click(D::kConvertButton);
            EXPECT_EQ(m_host.Row(0).Input, text);
        }
    }
    m_host.precision = Precision::Milliseconds;
    m_page.SetItemText(D::kInputTimestampEdit, u"-86400001");
    Click(D::kConvertButton);
    EXPECT_EQ(Text(D::kInputDateEdit), u"1969-12-30");
    EXPECT_EQ(Text(D::kInputTimeEdit), u"23:59:59.999");
    EXPECT_EQ(Text(D::kOutputDateEdit), u"1969-12-31");
    EXPECT_EQ(Text(D::kOutputTimestampEdit), u"-1");
}

TEST_F(AdvancedPage, Screenshots) {
    StartPage();
    WaitForStartUpConversions();
    ASSERT_TRUE(
        testsupport::SaveScreenshot(ui::WidgetOf(m_page), QStringLiteral("advanced_page_startup")));
    testsupport::MessageBoxRecorder boxes;
    ChooseDateTimeInput(u"1985-01-01", u"25:00");
    Click(D::kConvertButton);
    ASSERT_TRUE(testsupport::SaveScreenshot(ui::WidgetOf(m_page),
                                            QStringLiteral("advanced_page_after_error")));
}

}  // namespace
}  // namespace tickwright

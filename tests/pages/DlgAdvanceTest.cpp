#include <gtest/gtest.h>

#include "pages/DateTimeInput.h"
#include "pages/DlgAdvance.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using testsupport::Record;
using ui::test::Key;
using ui::test::PressKey;

class AdvancedPage : public testsupport::PageTest<DlgAdvance, 2> {
protected:
    std::vector<std::u16string> Fields() const {
        std::vector<std::u16string> texts;
        for (const int id :
             {res::IDC_INPUT_TIMESTAMP, res::IDC_INPUT_DATE, res::IDC_INPUT_TIME,
              res::IDC_OUTPUT_TIMESTAMP, res::IDC_OUTPUT_DATE, res::IDC_OUTPUT_TIME}) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    void ChooseDateTimeInput(const char16_t* date, const char16_t* time) {
        Click(res::IDC_SOURCE_DATETIME);
        m_page.SetItemText(res::IDC_INPUT_DATE, date);
        m_page.SetItemText(res::IDC_INPUT_TIME, time);
    }
};

TEST_F(AdvancedPage, StartsFilledWithThePresentAndConvertsItAgainOnce) {
    // No event loop may run before the first look: the start-up timer is 10 ms.
    ASSERT_TRUE(m_page.Create());
    EXPECT_EQ(m_page.ComboGetCount(res::IDC_INPUT_ZONE), 25);
    EXPECT_EQ(m_page.ComboGetCount(res::IDC_OUTPUT_ZONE), 25);
    EXPECT_EQ(m_page.ComboGetCurSel(res::IDC_INPUT_ZONE), 12);
    EXPECT_EQ(m_page.ComboGetCurSel(res::IDC_OUTPUT_ZONE), 20);
    EXPECT_TRUE(m_page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(m_page.GetCheck(res::IDC_SOURCE_DATETIME));
    EXPECT_FALSE(m_page.IsReadOnly(res::IDC_INPUT_TIMESTAMP));
    EXPECT_TRUE(m_page.IsReadOnly(res::IDC_INPUT_DATE));
    EXPECT_TRUE(m_page.IsReadOnly(res::IDC_INPUT_TIME));
    EXPECT_EQ(Fields(),
              (std::vector<std::u16string>{u"1700000000123", u"2023-11-14", u"22:13:20.123",
                                           u"1700028800123", u"2023-11-15", u"06:13:20.123"}));
    const auto startRow =
        Record(u"UTC+00H", u"1700000000123", u"UTC+08H", u"2023-11-15 06:13:20.123");
    ASSERT_EQ(m_host.history.RowCount(), 1) << "one row while it initialises";
    EXPECT_EQ(m_host.Row(0), startRow);

    ASSERT_TRUE(ui::test::WaitUntil([&] { return m_host.history.RowCount() == 2; }));
    EXPECT_EQ(m_host.Row(0), startRow);
    ui::test::Wait(30);
    EXPECT_EQ(m_host.history.RowCount(), 2) << "the start-up timer fires once";
}

TEST_F(AdvancedPage, RadioButtonsSwapEditableFieldsAndConvertNothing) {
    StartPage();
    WaitForStartUpConversions();
    const auto before = Fields();
    Click(res::IDC_SOURCE_DATETIME);
    EXPECT_FALSE(m_page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_TRUE(m_page.GetCheck(res::IDC_SOURCE_DATETIME));
    EXPECT_TRUE(m_page.IsReadOnly(res::IDC_INPUT_TIMESTAMP));
    EXPECT_FALSE(m_page.IsReadOnly(res::IDC_INPUT_DATE));
    EXPECT_FALSE(m_page.IsReadOnly(res::IDC_INPUT_TIME));
    EXPECT_TRUE(m_page.IsReadOnly(res::IDC_OUTPUT_TIMESTAMP)) << "output fields stay read-only";
    Click(res::IDC_SOURCE_TIMESTAMP);
    EXPECT_TRUE(m_page.GetCheck(res::IDC_SOURCE_TIMESTAMP));
    EXPECT_FALSE(m_page.IsReadOnly(res::IDC_INPUT_TIMESTAMP));
    EXPECT_EQ(Fields(), before);
    EXPECT_EQ(m_host.history.RowCount(), 0);
}

TEST_F(AdvancedPage, TheInputKindPairIsOneTabStopAndArrowsMoveTheCheck) {
    StartPage();
    WaitForStartUpConversions();
    const auto focused = [&] { return m_page.GetFocusId(); };
    m_page.SetFocusTo(res::IDC_OUTPUT_ZONE);
    PressKey(Key::Tab);
    EXPECT_EQ(focused(), res::IDC_SOURCE_TIMESTAMP) << "Tab lands on the checked button";
    PressKey(Key::Tab);
    EXPECT_EQ(focused(), res::IDC_INPUT_TIMESTAMP) << "and leaves the pair in one step";

    m_page.SetFocusTo(res::IDC_SOURCE_TIMESTAMP);
    const auto before = Fields();
    struct Step {
        Key key;
        int reached;
    };
    const Step steps[] = {
        {Key::Down, res::IDC_SOURCE_DATETIME},  {Key::Down, res::IDC_SOURCE_TIMESTAMP},
        {Key::Up, res::IDC_SOURCE_DATETIME},    {Key::Left, res::IDC_SOURCE_TIMESTAMP},
        {Key::Right, res::IDC_SOURCE_DATETIME},
    };
    for (const Step& step : steps) {
        PressKey(step.key);
        EXPECT_EQ(focused(), step.reached);
        const bool dateTime = step.reached == res::IDC_SOURCE_DATETIME;
        EXPECT_EQ(m_page.GetCheck(res::IDC_SOURCE_DATETIME), dateTime);
        EXPECT_EQ(m_page.GetCheck(res::IDC_SOURCE_TIMESTAMP), !dateTime);
        EXPECT_EQ(m_page.IsReadOnly(res::IDC_INPUT_TIMESTAMP), dateTime) << "acts as a click";
        EXPECT_EQ(m_page.IsReadOnly(res::IDC_INPUT_DATE), !dateTime);
    }
    EXPECT_EQ(Fields(), before);
    EXPECT_EQ(m_host.history.RowCount(), 0) << "moving the check converts nothing";

    m_page.SetFocusTo(res::IDC_INPUT_TIMESTAMP);
    PressKey(Key::Tab, ui::test::kShift);
    EXPECT_EQ(focused(), res::IDC_SOURCE_DATETIME) << "back into the pair, on its checked button";
    m_page.SetCheck(res::IDC_SOURCE_DATETIME, false);
    m_page.SetFocusTo(res::IDC_OUTPUT_ZONE);
    PressKey(Key::Tab);
    EXPECT_EQ(focused(), res::IDC_SOURCE_TIMESTAMP) << "the first button when none is checked";
}

TEST_F(AdvancedPage, ConvertsFromADateAndTimeBetweenTwoZones) {
    StartPage();
    WaitForStartUpConversions();
    m_page.ComboSetCurSel(res::IDC_INPUT_ZONE, 20);
    m_page.ComboSetCurSel(res::IDC_OUTPUT_ZONE, 12);
    ChooseDateTimeInput(u"1985-01-01", u"15:25:35.001");
    Click(res::IDC_CONVERT);
    EXPECT_EQ(Fields(),
              (std::vector<std::u16string>{u"473441135001", u"1985-01-01", u"15:25:35.001",
                                           u"473412335001", u"1985-01-01", u"07:25:35.001"}));
    EXPECT_EQ(m_host.Row(0), Record(u"UTC+08H", u"1985-01-01 15:25:35.001", u"UTC+00H",
                                    u"1985-01-01 07:25:35.001"));

    m_host.precision = Precision::Seconds;
    Click(res::IDC_CONVERT);
    EXPECT_EQ(Text(res::IDC_INPUT_TIMESTAMP), u"473441135");
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIMESTAMP), u"473412335");
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIME), u"07:25:35");
    EXPECT_EQ(m_host.Row(0).Input, u"1985-01-01 15:25:35.001");

    // A success writes "00:00:00" for an empty time and keeps the date as typed.
    ChooseDateTimeInput(u" 1985-2-31", u"");
    Click(res::IDC_CONVERT);
    EXPECT_EQ(Text(res::IDC_INPUT_DATE), u" 1985-2-31");
    EXPECT_EQ(Text(res::IDC_INPUT_TIME), u"00:00:00");
    EXPECT_EQ(Text(res::IDC_OUTPUT_DATE), u"1985-03-02");
    EXPECT_EQ(m_host.Row(0).Input, u" 1985-2-31 00:00:00");
}

TEST_F(AdvancedPage, EnterFromAnyControlConvertsByTheRadioButtonsAndEscapeDoesNothing) {
    StartPage();
    WaitForStartUpConversions();
    m_page.SetItemText(res::IDC_INPUT_TIMESTAMP, u"0");
    m_page.ComboSetCurSel(res::IDC_INPUT_ZONE, 0);
    m_page.ComboSetCurSel(res::IDC_OUTPUT_ZONE, 24);
    for (const int id : {res::IDC_INPUT_ZONE, res::IDC_SOURCE_TIMESTAMP, res::IDC_CONVERT,
                         res::IDC_OUTPUT_TIMESTAMP}) {
        m_page.SetFocusTo(id);
        PressKey(Key::Return);
    }
    ASSERT_EQ(m_host.history.RowCount(), 4);
    EXPECT_EQ(m_host.Row(0), Record(u"UTC-12H", u"0", u"UTC+12H", u"1970-01-02 00:00:00.000"));
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIMESTAMP), u"86400000");

    // Under the date-and-time kind, Enter converts the date and time fields.
    ChooseDateTimeInput(u"1970-01-01", u"12:00:00");
    for (const int id : {res::IDC_SOURCE_DATETIME, res::IDC_INPUT_TIME, res::IDC_OUTPUT_ZONE}) {
        m_page.SetFocusTo(id);
        PressKey(Key::Return);
        EXPECT_EQ(m_host.Row(0), Record(u"UTC-12H", u"1970-01-01 12:00:00", u"UTC+12H",
                                        u"1970-01-02 12:00:00.000"));
    }
    EXPECT_EQ(Text(res::IDC_INPUT_TIMESTAMP), u"43200000");
    m_host.history.ClearHistory();

    m_page.SetFocusTo(res::IDC_INPUT_TIMESTAMP);
    PressKey(Key::Escape);
    PressKey(Key::Escape);
    EXPECT_EQ(m_host.history.RowCount(), 0);
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
        ui::test::MessageBoxRecorder boxes;
        ChooseDateTimeInput(c.date, c.time);
        Click(res::IDC_CONVERT);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].caption, u"错误");
        EXPECT_EQ(boxes.boxes[0].text, c.message);
        EXPECT_EQ(boxes.boxes[0].style, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        EXPECT_EQ(Text(res::IDC_INPUT_TIME), c.timeAfter);
        EXPECT_EQ(Text(res::IDC_INPUT_DATE), c.date);
        EXPECT_EQ(Text(res::IDC_OUTPUT_TIME), u"-");
        EXPECT_EQ(Text(res::IDC_INPUT_TIMESTAMP), before[0]);
        EXPECT_EQ(Text(res::IDC_OUTPUT_TIMESTAMP), before[3]);
        EXPECT_EQ(Text(res::IDC_OUTPUT_DATE), before[4]);
    }
    EXPECT_EQ(m_host.history.RowCount(), 0);
}

TEST_F(AdvancedPage, PresentTimeFillConvertsTheTimestampWhateverTheInputKind) {
    StartPage();
    WaitForStartUpConversions();
    ChooseDateTimeInput(u"1999-12-31", u"23:59:59");
    m_page.FillWithCurrentTime();
    EXPECT_EQ(Text(res::IDC_INPUT_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(Text(res::IDC_INPUT_DATE), u"2023-11-14");
    EXPECT_EQ(Text(res::IDC_INPUT_TIME), u"22:13:20.123");
    ASSERT_EQ(m_host.history.RowCount(), 1);
    EXPECT_EQ(m_host.Row(0).Input, u"1700000000123");
    EXPECT_TRUE(m_page.GetCheck(res::IDC_SOURCE_DATETIME)) << "the input kind is untouched";

    m_page.RunConversion();  // what the current-time button does next
    ASSERT_EQ(m_host.history.RowCount(), 2);
    EXPECT_EQ(m_host.Row(0).Input, u"2023-11-14 22:13:20.123");
}

TEST_F(AdvancedPage, AChangedPrecisionTakesEffectAtTheNextConversionOnly) {
    StartPage();
    WaitForStartUpConversions();
    const auto before = Fields();
    m_host.precision = Precision::Seconds;
    ui::test::ChooseComboItem(PageWindow(), res::IDC_OUTPUT_ZONE, 19);
    EXPECT_EQ(Fields(), before);
    m_page.SetItemText(res::IDC_INPUT_TIMESTAMP, u"1700000000");
    Click(res::IDC_CONVERT);
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
            m_page.SetItemText(res::IDC_INPUT_TIMESTAMP, text);
            m_page.ComboSetCurSel(res::IDC_INPUT_ZONE, 0);
            m_page.ComboSetCurSel(res::IDC_OUTPUT_ZONE, 24);
            Click(res::IDC_CONVERT);
            EXPECT_EQ(m_host.Row(0).Input, text);
        }
    }
    m_host.precision = Precision::Milliseconds;
    m_page.SetItemText(res::IDC_INPUT_TIMESTAMP, u"-86400001");
    Click(res::IDC_CONVERT);
    EXPECT_EQ(Text(res::IDC_INPUT_DATE), u"1969-12-30");
    EXPECT_EQ(Text(res::IDC_INPUT_TIME), u"23:59:59.999");
    EXPECT_EQ(Text(res::IDC_OUTPUT_DATE), u"1969-12-31");
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIMESTAMP), u"-1");
}

// The pictures people look at, and what they show: the fixed present moment
// on both sides at start, then a refused time.
TEST_F(AdvancedPage, Screenshots) {
    StartPage();
    WaitForStartUpConversions();
    ASSERT_TRUE(ui::test::SaveScreenshot(PageWindow(), "advanced_page_startup"));
    EXPECT_EQ(Text(res::IDC_INPUT_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(Text(res::IDC_INPUT_DATE), u"2023-11-14");
    EXPECT_EQ(Text(res::IDC_INPUT_TIME), u"22:13:20.123");
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIMESTAMP), u"1700028800123");
    EXPECT_EQ(Text(res::IDC_OUTPUT_DATE), u"2023-11-15");
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIME), u"06:13:20.123");
    ui::test::MessageBoxRecorder boxes;
    ChooseDateTimeInput(u"1985-01-01", u"25:00");
    Click(res::IDC_CONVERT);
    ASSERT_TRUE(ui::test::SaveScreenshot(PageWindow(), "advanced_page_after_error"));
    EXPECT_EQ(Text(res::IDC_OUTPUT_TIME), u"-");
    EXPECT_EQ(Text(res::IDC_INPUT_TIME), u"25:00");
    EXPECT_EQ(Text(res::IDC_OUTPUT_DATE), u"2023-11-15") << "kept from the last conversion";
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kBadTimeMessage);
}

}  // namespace
}  // namespace tickwright

#include <gtest/gtest.h>

#include "pages/DateTimeInput.h"
#include "pages/DlgSimple.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using testsupport::Record;
using ui::test::Key;
using ui::test::PressKey;

class SimplePage : public testsupport::PageTest<DlgSimple, 1> {
protected:
    void Fill(const char16_t* date, const char16_t* time) {
        m_page.SetItemText(res::IDC_SIMPLE_DATE, date);
        m_page.SetItemText(res::IDC_SIMPLE_TIME, time);
    }
};

TEST_F(SimplePage, StartsWithThePresentTimestampThenConvertsItOnce) {
    // No event loop may run before the first look: the start-up timer is 10 ms.
    ASSERT_TRUE(m_page.Create());
    EXPECT_EQ(m_page.ComboGetCount(res::IDC_SIMPLE_ZONE), 25);
    EXPECT_EQ(m_page.ComboGetItemText(res::IDC_SIMPLE_ZONE, 0), u"UTC-12H");
    EXPECT_EQ(m_page.ComboGetItemText(res::IDC_SIMPLE_ZONE, 24), u"UTC+12H");
    EXPECT_EQ(m_page.ComboGetCurSel(res::IDC_SIMPLE_ZONE), 20) << "the tests' TZ is UTC+08:00";
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u"");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"");
    EXPECT_EQ(m_host.history.RowCount(), 0);
    EXPECT_TRUE(m_page.IsTimerRunning(DlgSimple::kStartupTimer));

    ASSERT_TRUE(ui::test::WaitUntil([&] { return m_host.history.RowCount() == 1; }));
    EXPECT_FALSE(m_page.IsTimerRunning(DlgSimple::kStartupTimer));
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u"2023-11-15");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"06:13:20.123");
    EXPECT_EQ(m_host.Row(0),
              Record(u"UTC+00H", u"1700000000123", u"UTC+08H", u"2023-11-15 06:13:20.123"));
    ui::test::Wait(30);
    EXPECT_EQ(m_host.history.RowCount(), 1) << "the start-up timer fires once";
}

TEST_F(SimplePage, PresetsTheZoneOfTheMachine) {
    SetLocalTimeSource([](std::int64_t) {
        BrokenDownTime local;  // 2023-11-14 19:13:20, three hours behind UTC
        local.yearSince1900 = 123;
        local.month = 10;
        local.day = 14;
        local.hour = 19;
        local.minute = 13;
        local.second = 20;
        return local;
    });
    StartPage();
    SetLocalTimeSource(nullptr);
    EXPECT_EQ(m_page.ComboGetCurSel(res::IDC_SIMPLE_ZONE), 9);
}

TEST_F(SimplePage, ButtonsAndEnterConvertByTheFocusedField) {
    StartPage();
    WaitForStartUpConversions();

    Fill(u"1985-01-01", u"15:25:35.001");
    Click(res::IDC_SIMPLE_TO_TIMESTAMP);
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"473412335001");
    EXPECT_EQ(m_host.Row(0),
              Record(u"UTC+08H", u"1985-01-01 15:25:35.001", u"UTC+00H", u"473412335001"));

    m_host.precision = Precision::Seconds;
    m_page.SetItemText(res::IDC_SIMPLE_TIMESTAMP, u"473412335");
    m_page.SetFocusTo(res::IDC_SIMPLE_TIMESTAMP);
    PressKey(Key::Return);
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u"1985-01-01");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"15:25:35");
    EXPECT_EQ(m_host.history.RowCount(), 2);

    m_page.SetFocusTo(res::IDC_SIMPLE_TIME);
    PressKey(Key::Return);
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"473412335");
    EXPECT_EQ(m_host.Row(0).Input, u"1985-01-01 15:25:35");
    m_page.SetFocusTo(res::IDC_SIMPLE_DATE);
    PressKey(Key::Return);
    EXPECT_EQ(m_host.history.RowCount(), 4);

    Click(res::IDC_SIMPLE_TO_DATETIME);
    EXPECT_EQ(m_host.history.RowCount(), 5);

    // A success writes "00:00:00" for an empty time and keeps the date as typed.
    Fill(u" 1985-2-31", u"");
    Click(res::IDC_SIMPLE_TO_TIMESTAMP);
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u" 1985-2-31");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"00:00:00");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"478627200");
    EXPECT_EQ(m_host.Row(0).Input, u" 1985-2-31 00:00:00");
}

TEST_F(SimplePage, EnterOnTheSelectorOrAButtonAndEscapeAnywhereDoNothing) {
    StartPage();
    WaitForStartUpConversions();
    const std::u16string before = Text(res::IDC_SIMPLE_TIMESTAMP);
    for (const int id :
         {res::IDC_SIMPLE_ZONE, res::IDC_SIMPLE_TO_TIMESTAMP, res::IDC_SIMPLE_TO_DATETIME}) {
        m_page.SetFocusTo(id);
        PressKey(Key::Return);
    }
    for (const int id : {res::IDC_SIMPLE_TIMESTAMP, res::IDC_SIMPLE_DATE, res::IDC_SIMPLE_ZONE}) {
        m_page.SetFocusTo(id);
        PressKey(Key::Escape);
    }
    EXPECT_EQ(m_host.history.RowCount(), 0);
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), before);
    EXPECT_TRUE(m_page.IsWindowVisible());
    EXPECT_TRUE(m_host.IsWindowVisible());
}

TEST_F(SimplePage, RefusedInputShowsTheErrorBoxThenADash) {
    StartPage();
    WaitForStartUpConversions();
    struct Case {
        const char16_t* date;
        const char16_t* time;
        std::u16string_view message;
        const char16_t* timeAfter;
        const char* why;
    };
    const Case cases[] = {
        {u"", u"12:00:00", kBadDateMessage, u"12:00:00", "empty date"},
        {u"1985-02-30x-", u"", kBadDateMessage, u"00:00:00", "empty time still becomes midnight"},
        {u"1985-01-01", u"15:25", kBadTimeMessage, u"15:25", "time without seconds"},
        {u"bad", u"worse", kBadDateMessage, u"worse", "both bad: only the date is told"},
    };
    for (const Case& c : cases) {
        ui::test::MessageBoxRecorder boxes;
        Fill(c.date, c.time);
        Click(res::IDC_SIMPLE_TO_TIMESTAMP);
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.why;
        EXPECT_EQ(boxes.boxes[0].caption, u"错误");
        EXPECT_EQ(boxes.boxes[0].text, c.message) << c.why;
        EXPECT_EQ(boxes.boxes[0].style, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        EXPECT_EQ(boxes.boxes[0].owner, &m_page);
        EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"-") << c.why;
        EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), c.date) << c.why;
        EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), c.timeAfter) << c.why;
    }
    EXPECT_EQ(m_host.history.RowCount(), 0);

    // The dash converts like any text without digits.
    Click(res::IDC_SIMPLE_TO_DATETIME);
    EXPECT_EQ(m_host.Row(0), Record(u"UTC+00H", u"-", u"UTC+08H", u"1970-01-01 08:00:00.000"));
}

TEST_F(SimplePage, AChangedPrecisionOrZoneTakesEffectAtTheNextConversionOnly) {
    StartPage();
    WaitForStartUpConversions();
    Fill(u"1970-01-01", u"08:00:01.999");
    const int readsBefore = m_host.precisionReads;
    m_host.precision = Precision::Seconds;
    ui::test::ChooseComboItem(PageWindow(), res::IDC_SIMPLE_ZONE, 21);
    EXPECT_EQ(m_page.ComboGetCurSel(res::IDC_SIMPLE_ZONE), 21);
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(m_host.precisionReads, readsBefore) << "nothing reads the precision until asked";
    EXPECT_EQ(m_host.history.RowCount(), 0);

    Click(res::IDC_SIMPLE_TO_TIMESTAMP);
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"-3599") << "UTC+09H, whole seconds, floored";
}

TEST_F(SimplePage, ExtremeAndHugeInputsConvertWithoutHarm) {
    StartPage();
    WaitForStartUpConversions();
    m_page.ComboSetCurSel(res::IDC_SIMPLE_ZONE, 12);
    struct Case {
        std::u16string text;
        const char16_t* date;
        const char16_t* time;
    };
    const Case cases[] = {
        {u"-1", u"1969-12-31", u"23:59:59.999"},
        {u"-86400001", u"1969-12-30", u"23:59:59.999"},
        {u"9223372036854775807", u"292278994-08-17", u"07:12:55.807"},
        {std::u16string(10000, u'9'), u"292278994-08-17", u"07:12:55.807"},
    };
    for (const Case& c : cases) {
        m_page.SetItemText(res::IDC_SIMPLE_TIMESTAMP, c.text);
        Click(res::IDC_SIMPLE_TO_DATETIME);
        EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), c.date);
        EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), c.time);
        EXPECT_EQ(m_host.Row(0).Input, c.text) << "the record keeps the text whole";
    }
    m_page.SetItemText(res::IDC_SIMPLE_DATE, std::u16string(10000, u'-'));
    ui::test::MessageBoxRecorder boxes;
    Click(res::IDC_SIMPLE_TO_TIMESTAMP);
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

// The pictures people look at, and what they show: the fixed present moment
// at start, then a refused date.
TEST_F(SimplePage, Screenshots) {
    StartPage();
    WaitForStartUpConversions();
    ASSERT_TRUE(ui::test::SaveScreenshot(PageWindow(), "simple_page_startup"));
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"1700000000123");
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u"2023-11-15");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"06:13:20.123");
    ui::test::MessageBoxRecorder boxes;
    Fill(u"1985-13-01", u"");
    Click(res::IDC_SIMPLE_TO_TIMESTAMP);
    ASSERT_TRUE(ui::test::SaveScreenshot(PageWindow(), "simple_page_after_error"));
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIMESTAMP), u"-");
    EXPECT_EQ(Text(res::IDC_SIMPLE_DATE), u"1985-13-01");
    EXPECT_EQ(Text(res::IDC_SIMPLE_TIME), u"00:00:00");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kBadDateMessage);
}

}  // namespace
}  // namespace tickwright

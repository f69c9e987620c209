// What a history row offers beyond its texts: the hint (tooltip and
// accessible description) and "复制为", for rows of both pages and of
// "当前时间", with "now" fixed through the clock.
#include <gtest/gtest.h>

#include <functional>

#include "app/ui/MainWindow.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/HistoryHint.h"
#include "pages/AdvancedConversion.h"
#include "pages/SimpleConversion.h"
#include "tests/mainwnd/StartedMainWindow.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

constexpr Precision kMs = Precision::Milliseconds;
constexpr Precision kS = Precision::Seconds;
constexpr std::int64_t kDay = 86400000;

HistoryInstant InstantOf(const ConversionRecord& record) {
    return {record.instant, record.inputZone, record.outputZone};
}

std::u16string Lines(std::initializer_list<std::u16string_view> lines) {
    std::u16string text;
    for (const std::u16string_view line : lines) {
        text += (text.empty() ? u"" : u"\n") + std::u16string(line);
    }
    return text;
}

TEST(HistoryHint, OfRowsFromBothPagesInEitherPrecision) {
    struct Case {
        ConversionRecord record;
        std::int64_t now;
        std::u16string hint;
        const char* why;
    };
    const Case cases[] = {
        {ConvertToDateTime(u"1700000000123", 20, kMs).record, 1700000000123 + 731 * kDay,
         Lines({u"ISO 8601：2023-11-15T06:13:20.123+08:00", u"UTC：2023-11-14T22:13:20.123Z",
                u"Unix 秒：1700000000", u"Unix 毫秒：1700000000123",
                u"星期三，2023-W46，当年第 319 天", u"距今：2 年前"}),
         "simple page, timestamp to date, ms"},
        {ConvertToDateTime(u"1700000000", 20, kS).record, 1700000000000 - 3 * 60000,
         Lines({u"ISO 8601：2023-11-15T06:13:20+08:00", u"UTC：2023-11-14T22:13:20Z",
                u"Unix 秒：1700000000", u"Unix 毫秒：1700000000000",
                u"星期三，2023-W46，当年第 319 天", u"距今：3 分钟后"}),
         "simple page under 秒: no milliseconds in the ISO texts"},
        {ConvertToTimestamp(u"1985-01-01", u"15:25:35.001", 20, kMs).record, 473412335001,
         Lines({u"ISO 8601：1985-01-01T15:25:35.001+08:00", u"UTC：1985-01-01T07:25:35.001Z",
                u"Unix 秒：473412335", u"Unix 毫秒：473412335001", u"星期二，1985-W01，当年第 1 天",
                u"距今：刚才"}),
         "simple page, date to timestamp: the input zone's offset"},
        {ComputeFromTimestamp(u"0", 12, 20, kMs).record, 0,
         Lines({u"ISO 8601：1970-01-01T08:00:00.000+08:00", u"UTC：1970-01-01T00:00:00.000Z",
                u"Unix 秒：0", u"Unix 毫秒：0", u"星期四，1970-W01，当年第 1 天", u"距今：刚才"}),
         "advanced page from a timestamp: the output zone's offset"},
        {ComputeFromDateTime(u"1985-01-01", u"15:25:35.001", 20, 12, kS).record, 473412335001,
         Lines({u"ISO 8601：1985-01-01T07:25:35+00:00", u"UTC：1985-01-01T07:25:35Z",
                u"Unix 秒：473412335", u"Unix 毫秒：473412335001", u"星期二，1985-W01，当年第 1 天",
                u"距今：刚才"}),
         "advanced page from a date under 秒: no ms in the ISO texts, the typed instant kept"},
        {ConvertToDateTime(u"-1", 12, kMs).record, 0,
         Lines({u"ISO 8601：1969-12-31T23:59:59.999+00:00", u"UTC：1969-12-31T23:59:59.999Z",
                u"Unix 秒：-1", u"Unix 毫秒：-1", u"星期三，1970-W01，当年第 365 天", u"距今：刚才",
                u"若按秒计：1969-12-31 23:59:59"}),
         "a negative instant: seconds taken toward the past; one digit reads as seconds"},
        {ConvertToDateTime(u"-62167219200000", 12, kMs).record, 0,
         Lines({u"ISO 8601：0000-01-01T00:00:00.000+00:00", u"UTC：0000-01-01T00:00:00.000Z",
                u"Unix 秒：-62167219200", u"Unix 毫秒：-62167219200000",
                u"星期六，-0001-W52，当年第 1 天", u"距今：1970 年前"}),
         "year 0, in the last ISO week of year -1"},
        {ConvertToDateTime(u"9223372036854775807", 12, kMs).record, 0,
         Lines({u"ISO 8601：+292278994-08-17T07:12:55.807+00:00",
                u"UTC：+292278994-08-17T07:12:55.807Z", u"Unix 秒：9223372036854775",
                u"Unix 毫秒：9223372036854775807", u"星期日，+292278994-W33，当年第 229 天",
                u"距今：292277024 年后", u"若按纳秒计：2262-04-11 23:47:16.854"}),
         "the top of the 64-bit range"},
        {ComputeFromTimestamp(u"1700000000", 20, 12, kMs).record, 1671200000,
         Lines({u"ISO 8601：1970-01-20T08:13:20.000+00:00", u"UTC：1970-01-20T08:13:20.000Z",
                u"Unix 秒：1671200", u"Unix 毫秒：1671200000", u"星期二，1970-W04，当年第 20 天",
                u"距今：刚才", u"若按秒计：2023-11-14 14:13:20"}),
         "advanced page from a timestamp on UTC+08H's clock: the digits counted there"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HistoryHint(InstantOf(c.record), c.now), c.hint) << c.why;
    }
}

// The unit the digits of a typed timestamp most likely are, by their count:
// when it is not the row's own, one line with that reading.
// At the ends of the 64-bit range the shift to the output zone saturates,
// and the row shows the date and time it saturated to: the hint names that
// same instant, in zones 0, 12 and 24.
TEST(HistoryHint, NamesTheInstantTheRowShowsAtTheEndsOfTheRange) {
    struct Case {
        const char16_t* typed;
        ZoneIndex from;
        ZoneIndex to;
        std::u16string_view output;  // what the row shows
        std::u16string_view iso;     // the hint's first line, after "ISO 8601："
    };
    const Case cases[] = {
        {u"9223372036854775807", 12, 24, u"292278994-08-17 07:12:55.807",
         u"+292278994-08-17T07:12:55.807+12:00"},
        {u"9223372036854775807", 0, 24, u"292278994-08-17 07:12:55.807",
         u"+292278994-08-17T07:12:55.807+12:00"},
        {u"9223372036854775807", 0, 12, u"292278994-08-17 07:12:55.807",
         u"+292278994-08-17T07:12:55.807+00:00"},
        {u"9223372036854775807", 24, 12, u"292278994-08-16 19:12:55.807",
         u"+292278994-08-16T19:12:55.807+00:00"},
        {u"-9223372036854775808", 12, 0, u"-292275055-05-16 16:47:04.192",
         u"-292275055-05-16T16:47:04.192-12:00"},
        {u"-9223372036854775808", 24, 0, u"-292275055-05-16 16:47:04.192",
         u"-292275055-05-16T16:47:04.192-12:00"},
        {u"-9223372036854775808", 24, 12, u"-292275055-05-16 16:47:04.192",
         u"-292275055-05-16T16:47:04.192+00:00"},
        {u"-9223372036854775808", 0, 24, u"-292275055-05-17 16:47:04.192",
         u"-292275055-05-17T16:47:04.192+12:00"},
    };
    for (const Case& c : cases) {
        const ConversionRecord record = ComputeFromTimestamp(c.typed, c.from, c.to, kMs).record;
        const std::string where = std::to_string(c.from) + " to " + std::to_string(c.to);
        EXPECT_EQ(record.output, c.output) << where;
        const std::u16string hint = HistoryHint(InstantOf(record), 0);
        EXPECT_EQ(hint.substr(0, hint.find(u'\n')), u"ISO 8601：" + std::u16string(c.iso)) << where;
    }
}

TEST(HistoryHint, OffersTheUnitTheDigitsMostLikelyAre) {
    struct Case {
        const char16_t* text;
        Precision precision;
        std::vector<std::u16string> lines;
        const char* why;
    };
    const Case cases[] = {
        {u"1700000000", kMs, {u"若按秒计：2023-11-15 06:13:20"}, "seconds typed under 毫秒"},
        {u"1700000000123", kS, {u"若按毫秒计：2023-11-15 06:13:20.123"}, "ms typed under 秒"},
        {u"1700000000123456", kMs, {u"若按微秒计：2023-11-15 06:13:20.123"}, "16 digits"},
        {u"1700000000123456", kS, {u"若按微秒计：2023-11-15 06:13:20.123"}, "16 under 秒"},
        {u"1700000000123456789", kMs, {u"若按纳秒计：2023-11-15 06:13:20.123"}, "19 digits"},
        {u"1700000000123456789", kS, {u"若按纳秒计：2023-11-15 06:13:20.123"}, "19 under 秒"},
        {u"1700000000123", kMs, {}, "milliseconds under 毫秒: nothing to guess"},
        {u"1700000000", kS, {}, "seconds under 秒"},
        {u"0", kMs, {}, "zero is no mistake"},
        {u"-1700000000", kMs, {u"若按秒计：1916-02-18 09:46:40"}, "negative seconds"},
        {u"-1700000000123", kS, {u"若按毫秒计：1916-02-18 09:46:39.877"}, "negative ms"},
        {u"99999999999", kMs, {u"若按秒计：5138-11-16 17:46:39"}, "eleven digits are seconds"},
        {u"-99999999999", kMs, {u"若按秒计：-1199-02-15 22:13:21"}, "and with a sign"},
        {u"100000000000", kMs, {}, "twelve are milliseconds"},
        {u"100000000000", kS, {u"若按毫秒计：1973-03-03 17:46:40.000"}, "10^11 under 秒"},
        {u"-100000000000", kS, {u"若按毫秒计：1966-10-31 22:13:20.000"}, "-10^11 under 秒"},
        {u"99999999999999", kS, {u"若按毫秒计：5138-11-16 17:46:39.999"}, "fourteen are ms"},
        {u"100000000000000", kMs, {u"若按微秒计：1973-03-03 17:46:40.000"}, "10^14: µs"},
        {u"99999999999999999", kMs, {u"若按微秒计：5138-11-16 17:46:39.999"}, "17 digits: µs"},
        {u"100000000000000000", kS, {u"若按纳秒计：1973-03-03 17:46:40.000"}, "10^17: ns"},
        {u"-9223372036854775808", kS, {u"若按纳秒计：1677-09-21 08:12:43.145"}, "INT64_MIN"},
    };
    for (const Case& c : cases) {
        const std::u16string hint =
            HistoryHint(InstantOf(ConvertToDateTime(c.text, 20, c.precision).record), 0);
        std::vector<std::u16string> unitLines;
        for (std::size_t start = 0; start < hint.size();) {
            const std::size_t end = std::min(hint.find(u'\n', start), hint.size());
            const std::u16string line = hint.substr(start, end - start);
            if (line.starts_with(u"若按")) {
                unitLines.push_back(line);
            }
            start = end + 1;
        }
        EXPECT_EQ(unitLines, c.lines) << c.why;
    }
    EXPECT_EQ(
        HistoryHint(InstantOf(ConvertToTimestamp(u"9999-12-31", u"23:59:59", 0, kMs).record), 0)
            .find(u"若按"),
        std::u16string::npos)
        << "a typed date is no timestamp to read in another unit";
}

TEST(HistoryHint, SaysHowFarFromNowInEveryUnitOnBothSides) {
    const HistoryInstant row = InstantOf(ConvertToDateTime(u"1700000000000", 12, kMs).record);
    constexpr std::int64_t kThen = 1700000000000;
    struct Case {
        std::int64_t now;
        const char16_t* relative;
    };
    const Case cases[] = {
        {kThen, u"刚才"},
        {kThen + 999, u"刚才"},
        {kThen - 999, u"刚才"},
        {kThen + 5000, u"5 秒前"},
        {kThen - 5000, u"5 秒后"},
        {kThen + 3 * 60000, u"3 分钟前"},
        {kThen - 3 * 60000, u"3 分钟后"},
        {kThen + 7 * 3600000, u"7 小时前"},
        {kThen - 7 * 3600000, u"7 小时后"},
        {kThen + 4 * kDay, u"4 天前"},
        {kThen - 4 * kDay, u"4 天后"},
        {kThen + 61 * kDay, u"2 个月前"},
        {kThen - 61 * kDay, u"2 个月后"},
        {kThen + 731 * kDay, u"2 年前"},
        {kThen - 730 * kDay, u"2 年后"},
    };
    for (const Case& c : cases) {
        const std::u16string hint = HistoryHint(row, c.now);
        EXPECT_TRUE(hint.ends_with(u"距今：" + std::u16string(c.relative)))
            << "now - then = " << c.now - kThen << " ms";
    }
}

TEST(HistoryHint, CopyAsTextsOfARow) {
    const HistoryInstant row = InstantOf(ConvertToDateTime(u"1700000000123", 20, kMs).record);
    EXPECT_EQ(CopyAsText(row, CopyAs::IsoInZone), u"2023-11-15T06:13:20.123+08:00");
    EXPECT_EQ(CopyAsText(row, CopyAs::IsoUtc), u"2023-11-14T22:13:20.123Z");
    EXPECT_EQ(CopyAsText(row, CopyAs::UnixSeconds), u"1700000000");
    EXPECT_EQ(CopyAsText(row, CopyAs::UnixMilliseconds), u"1700000000123");
}

// The same in the real main window: the "当前时间" rows, the hint as each
// cell's tooltip and accessible description, and "复制为" from the menu,
// opened by the mouse, the menu key and Shift+F10.
class HistoryHints : public testsupport::StartedMainWindow {
protected:
    std::u16string Hint(int row, int column) {
        return ui::test::RowHint(Main(), kList, row, column);
    }
    // Opens the list's menu with `open` and chooses 复制为's item `item`,
    // the clipboard holding first a text no item writes.
    void CopyAs(const std::function<void()>& open, int item) {
        ui::test::SetClipboardText(u"sentinel: no item writes this");
        EXPECT_TRUE(ui::test::WithMenu(open, [item](ui::test::Window menu) {
            const std::vector<ui::test::MenuEntry> entries = ui::test::MenuEntries(menu);
            ASSERT_EQ(entries.size(), 4u);
            EXPECT_EQ(entries[2].text, u"复制为(&A)");
            ASSERT_EQ(entries[2].submenu.size(), 4u);
            ui::test::ChooseMenuItem(
                menu, {entries[2].text, entries[2].submenu[static_cast<std::size_t>(item)].text});
        }));
    }
    // Whether 复制为 may be chosen in the menu a right-click on `row` opens.
    bool CopyAsEnabledAt(int row) {
        bool enabled = false;
        EXPECT_TRUE(ui::test::WithMenu([&] { ui::test::RightClickRow(Main(), kList, row); },
                                       [&](ui::test::Window menu) {
                                           const std::vector<ui::test::MenuEntry> entries =
                                               ui::test::MenuEntries(menu);
                                           enabled = entries.size() == 4 && entries[2].enabled;
                                           ui::test::DismissMenu(menu);
                                       }));
        return enabled;
    }
    std::function<void()> RightClick(int row) {
        return [this, row] { ui::test::RightClickRow(Main(), kList, row); };
    }
};

TEST_F(HistoryHints, CurrentTimeRowsCarryTheirInstantAndShowTheHint) {
    m_main.OnBnClickedCurrentTime();
    ASSERT_EQ(m_main.HistoryRowCount(), 1);
    const std::u16string expected =
        Lines({u"ISO 8601：2023-11-15T06:13:20.123+08:00", u"UTC：2023-11-14T22:13:20.123Z",
               u"Unix 秒：1700000000", u"Unix 毫秒：1700000000123",
               u"星期三，2023-W46，当年第 319 天", u"距今：刚才"});
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(Hint(0, column), expected) << column;
    }
    EXPECT_EQ(m_main.GetHistoryRecord(0), (HistoryRecord{u"UTC+00H", u"1700000000123", u"UTC+08H",
                                                         u"2023-11-15 06:13:20.123", u""}))
        << "the five texts are as they were";
    m_main.AddHistoryRecord(12, u"0", 12, u"1970-01-01 00:00:00.000");
    EXPECT_TRUE(Hint(0, 1).empty()) << "a row of texts alone has no hint";

    m_main.OnBnClickedToggleMode();
    m_main.OnBnClickedCurrentTime();
    ASSERT_EQ(m_main.HistoryRowCount(), 4) << "two rows on the advanced page";
    EXPECT_EQ(Hint(0, 0), expected);
    EXPECT_EQ(Hint(1, 0), expected);

    // In 1972 the present in milliseconds has 11 digits, which typed would
    // read as seconds; the clock's digits are no typing mistake.
    tickwright::SetClockTicksSource([] { return std::int64_t{63072000000} * 10000; });
    m_main.OnBnClickedCurrentTime();
    m_main.OnBnClickedToggleMode();
    m_main.OnBnClickedCurrentTime();
    ASSERT_EQ(m_main.HistoryRowCount(), 7);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Hint(row, 0).find(u"若按"), std::u16string::npos) << row;
    }
    m_main.SimplePage().OnBnClickedToDateTime();
    EXPECT_NE(Hint(0, 0).find(u"若按秒计："), std::u16string::npos)
        << "the same digits converted by the user's own button";
}

TEST_F(HistoryHints, CopyAsIsDisabledOnRowsWithoutAnInstant) {
    m_main.AddHistoryRecord(12, u"texts only", 12, u"");
    m_main.Record(ConvertToDateTime(u"0", 20, kS).record);
    EXPECT_FALSE(CopyAsEnabledAt(1)) << "a row of texts alone";
    EXPECT_TRUE(CopyAsEnabledAt(0));
    ui::test::SelectRows(Main(), kList, {0, 1});
    EXPECT_TRUE(CopyAsEnabledAt(1)) << "a selection where one row has an instant";
}

TEST_F(HistoryHints, CopyAsFromTheMenuForOneRowOrASelection) {
    m_main.AddHistoryRecord(12, u"texts only", 12, u"");
    m_main.Record(ConvertToDateTime(u"0", 20, kS).record);
    m_main.Record(ConvertToDateTime(u"1700000000123", 20, kMs).record);
    struct Case {
        int item;
        const char16_t* text;
    };
    const Case cases[] = {
        {0, u"2023-11-15T06:13:20.123+08:00"},
        {1, u"2023-11-14T22:13:20.123Z"},
        {2, u"1700000000"},
        {3, u"1700000000123"},
    };
    for (const Case& c : cases) {
        ui::test::SelectRows(Main(), kList, {});
        CopyAs(RightClick(0), c.item);
        EXPECT_EQ(ui::test::ClipboardText(), c.text) << c.item;
    }
    ui::test::SelectRows(Main(), kList, {0, 1, 2});
    CopyAs(RightClick(1), 0);
    EXPECT_EQ(ui::test::ClipboardText(),
              u"2023-11-15T06:13:20.123+08:00\n1970-01-01T08:00:00+08:00")
        << "one line a row; a row of texts alone has no instant to copy";

    ui::test::SelectRows(Main(), kList, {1}, 1);
    m_main.SetFocusTo(kList);
    CopyAs([] { ui::test::PressKey(ui::test::Key::F10, ui::test::kShift); }, 3);
    EXPECT_EQ(ui::test::ClipboardText(), u"0");
    CopyAs([] { ui::test::PressKey(ui::test::Key::Menu); }, 2);
    EXPECT_EQ(ui::test::ClipboardText(), u"0");
    ui::test::SelectRows(Main(), kList, {0}, 0);
    CopyAs([] { ui::test::PressKey(ui::test::Key::Menu); }, 1);
    EXPECT_EQ(ui::test::ClipboardText(), u"2023-11-14T22:13:20.123Z")
        << "the menu key acts on the current row";
}

}  // namespace
}  // namespace tickwright

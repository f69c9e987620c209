#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/Calendar.h"
#include "core/CivilDay.h"
#include "tests/core/ReferenceCalendar.h"

namespace tickwright {
namespace {

// An independent proleptic-Gregorian reference (Howard Hinnant's
// civil_from_days), counted from 1970-01-01, to check the calendar against.
struct Civil {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

Civil CivilFromUnixDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

std::u16string TwoDigits(unsigned v) {
    return {static_cast<char16_t>(u'0' + v / 10), static_cast<char16_t>(u'0' + v % 10)};
}

std::u16string ReferenceText(const Civil& c) {
    std::u16string year;
    for (char ch : std::to_string(c.year)) {
        year.push_back(static_cast<char16_t>(ch));
    }
    while (year.size() < 4) {
        year.insert(year.begin(), u'0');
    }
    return year + u'-' + TwoDigits(c.month) + u'-' + TwoDigits(c.day);
}

// The year split and the date text as they were first built: estimate
// 365-day years from 1900, step back a year at a time, then walk the months.
// Slow near the top of the range (about 3,900 steps), but it is the
// behaviour every DayNumber must keep.
YearAndDay SteppingBackSplit(std::int32_t n) {
    const auto leapDaysBefore = [](std::int32_t y) {
        return (y - 1901) / 4 - (y - 1901) / 100 + (y - 1601) / 400;
    };
    std::int32_t year = 1900 + n / 365;
    std::int32_t day = n % 365 - leapDaysBefore(year);
    while (day < 0) {
        --year;
        day += IsLeapYear(year) ? 366 : 365;
    }
    return {year, day};
}

std::u16string SteppingBackText(std::int32_t n) {
    const YearAndDay split = SteppingBackSplit(n);
    const bool leap = IsLeapYear(split.year);
    std::int32_t month = 1;
    while (month < 12 && DaysBeforeMonth(month + 1, leap) <= split.dayOfYear) {
        ++month;
    }
    const std::int32_t day = split.dayOfYear - DaysBeforeMonth(month, leap) + 1;
    const auto digits = [](std::int64_t v, std::size_t width) {
        std::u16string text;
        for (char ch : std::to_string(v)) {
            text.push_back(static_cast<char16_t>(ch));
        }
        return std::u16string(width > text.size() ? width - text.size() : 0, u'0') + text;
    };
    return digits(split.year, 4) + u'-' + digits(month, 2) + u'-' + digits(day, 2);
}

TEST(Calendar, EveryDayFrom1900To9999MatchesTheGregorianCalendarBothWays) {
    for (std::int32_t n = 0; n <= 2958463; ++n) {
        const Civil civil = CivilFromUnixDays(static_cast<std::int64_t>(n) - kUnixEpochDayNumber);
        const std::u16string text = FormatDate(DayNumber(n));
        ASSERT_EQ(text, ReferenceText(civil)) << "day number " << n;
        const auto packed =
            static_cast<PackedDate>(civil.year * 10000 + civil.month * 100 + civil.day);
        ASSERT_EQ(DayNumberFromPackedDate(packed).Value(), n) << "packed " << packed;
    }
}

TEST(Calendar, YearSplitAndDateTextEqualTheSteppingBackLoopOverTheWholeRange) {
    std::vector<std::int32_t> days;
    for (std::int32_t n = 0; n <= 1000; ++n) {
        days.push_back(n);
        days.push_back(DayNumber::kMax - n);
    }
    // A spread over all of it; the odd stride lands on every day of the year.
    for (std::int64_t n = 0; n <= DayNumber::kMax; n += 53681) {
        days.push_back(static_cast<std::int32_t>(n));
    }
    ASSERT_GT(days.size(), 40000u);
    for (const std::int32_t n : days) {
        const YearAndDay expected = SteppingBackSplit(n);
        const YearAndDay split = SplitDayNumber(DayNumber(n));
        ASSERT_EQ(split.year, expected.year) << "day number " << n;
        ASSERT_EQ(split.dayOfYear, expected.dayOfYear) << "day number " << n;
        ASSERT_EQ(FormatDate(DayNumber(n)), SteppingBackText(n)) << "day number " << n;
    }
}

TEST(Calendar, ConsecutiveDaysAcrossTheTopThousandYearsTurnTheYearAtItsLength) {
    const std::int32_t first = DayNumber::kMax - 1000 * 366;
    YearAndDay previous = SplitDayNumber(DayNumber(first));
    const YearAndDay expected = SteppingBackSplit(first);
    ASSERT_EQ(previous.year, expected.year);
    ASSERT_EQ(previous.dayOfYear, expected.dayOfYear);
    for (std::int32_t n = first + 1; n <= DayNumber::kMax; ++n) {
        const YearAndDay split = SplitDayNumber(DayNumber(n));
        const std::int32_t length = IsLeapYear(previous.year) ? 366 : 365;
        if (previous.dayOfYear + 1 == length) {
            ASSERT_EQ(split.year, previous.year + 1) << "day number " << n;
            ASSERT_EQ(split.dayOfYear, 0) << "day number " << n;
        } else {
            ASSERT_EQ(split.year, previous.year) << "day number " << n;
            ASSERT_EQ(split.dayOfYear, previous.dayOfYear + 1) << "day number " << n;
        }
        previous = split;
    }
    EXPECT_EQ(previous.year, 5881510);
}

TEST(CivilDay, EveryInstantsDayMatchesAnIndependentCalendar) {
    constexpr std::int64_t kFirstDay = -106751991168;  // the day of INT64_MIN ms
    constexpr std::int64_t kLastDay = 106751991167;    // the day of INT64_MAX ms
    std::vector<std::int64_t> days;
    // Dense around the ends and the boundaries where the text changes form:
    // the 64-bit ends, year 0 and -1, 1899/1900, 9999/10000, 5881510.
    for (const std::int64_t centre :
         {kFirstDay + 1500, kLastDay - 1500, std::int64_t{-719528}, std::int64_t{-25567},
          std::int64_t{2932897}, std::int64_t{2147483646 - 25567}}) {
        for (std::int64_t d = centre - 1500; d <= centre + 1500; ++d) {
            days.push_back(d);
        }
    }
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int64_t> anyDay(kFirstDay, kLastDay);
    for (int i = 0; i < 30000; ++i) {
        days.push_back(anyDay(random));
    }
    for (const std::int64_t d : days) {
        const reference::Date expected = reference::DateOfUnixDays(d);
        const CivilDate date = DateOf(CivilDay(d));
        ASSERT_EQ(date.year, expected.year) << d;
        ASSERT_EQ(date.month, expected.month) << d;
        ASSERT_EQ(date.day, expected.day) << d;
        const CivilYearAndDay split = SplitCivilDay(CivilDay(d));
        ASSERT_EQ(split.year, expected.year) << d;
        ASSERT_EQ(split.dayOfYear, expected.dayOfYear) << d;
        ASSERT_EQ(NewYearsDay(expected.year).UnixDays(), d - expected.dayOfYear) << d;
        ASSERT_EQ(FormatCivilDay(CivilDay(d)), reference::Text(expected)) << d;
    }
}

TEST(CivilDay, TextsOfYearsOutsideFourDigits) {
    struct Case {
        std::int64_t unixDays;
        const char16_t* text;
        const char* why;
    };
    const Case cases[] = {
        {-719528, u"0000-01-01", "year 0 has four digits"},
        {-719529, u"-0001-12-31", "the year before it: a sign and four digits"},
        {-25568, u"1899-12-31", "the day before day number 0"},
        {2932897, u"10000-01-01", "five digits from 10000 on"},
        {-4371953, u"-10000-01-01", "and below -9999"},
        {-106751991168, u"-292275055-05-16", "the day of INT64_MIN ms"},
        {106751991167, u"292278994-08-17", "the day of INT64_MAX ms"},
        {INT64_MIN, u"-25252734927764585-06-07", "the smallest day count does not overflow"},
        {INT64_MAX, u"25252734927768524-07-27", "nor the largest"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCivilDay(CivilDay(c.unixDays)), c.text) << c.why;
    }
}

TEST(Calendar, DatesFarBeyond9999MatchTheGregorianCalendar) {
    for (std::int32_t n : {2958464, 3000000, 100000000, 1000000000, 2000000000, 2147483000,
                           2147483645, 2147483646}) {
        const Civil civil = CivilFromUnixDays(static_cast<std::int64_t>(n) - kUnixEpochDayNumber);
        EXPECT_EQ(FormatDate(DayNumber(n)), ReferenceText(civil)) << "day number " << n;
    }
    EXPECT_EQ(FormatDate(DayNumber(2147483646)), u"5881510-07-11");
}

TEST(Calendar, PackedDatesOutsideTheSpanOrFieldsOutOfRange) {
    struct Case {
        PackedDate packed;
        const char16_t* expected;
        const char* why;
    };
    const Case cases[] = {
        {19000101, u"1900-01-01", "first accepted date"},
        {19700101, u"1970-01-01", "Unix epoch"},
        {20000229, u"2000-02-29", "leap day of a 400-year"},
        {99991231, u"9999-12-31", "last accepted date"},
        {19000100, u"1900-01-01", "below the span: day number 0"},
        {100000101, u"1900-01-01", "above the span: day number 0"},
        {-1, u"1900-01-01", "the parsers' invalid marker"},
        {20210231, u"2021-03-03", "day 31 of February counts on into March"},
        {20200231, u"2020-03-02", "the same in a leap year"},
        {20211301, u"2021-01-01", "month 13 is taken as 1"},
        {20210100, u"2021-01-01", "day 0 is taken as 1"},
        {20210199, u"2021-01-01", "day 99 is taken as 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDate(DayNumberFromPackedDate(c.packed)), c.expected) << c.why;
    }
    EXPECT_EQ(DayNumberFromPackedDate(19700101).Value(), 25567);
    EXPECT_EQ(DayNumberFromPackedDate(20000229).Value(), 36583);
    EXPECT_EQ(DayNumberFromPackedDate(99991231).Value(), 2958463);
}

TEST(Calendar, UnixDayCountsKeepTheirRangeAndNothingElse) {
    struct Case {
        std::int64_t days;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 25567},      {-25567, 0},    {-25568, 0},    {2147458079, 2147483646},
        {2147458080, 0}, {INT64_MAX, 0}, {INT64_MIN, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayNumberFromUnixDays(c.days).Value(), c.expected) << c.days;
    }
}

TEST(Calendar, LeapYearsAndMonthOffsets) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(1904));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(-4));
    EXPECT_EQ(DaysBeforeMonth(1, false), 0);
    EXPECT_EQ(DaysBeforeMonth(0, true), 0);
    EXPECT_EQ(DaysBeforeMonth(3, false), 59);
    EXPECT_EQ(DaysBeforeMonth(3, true), 60);
    EXPECT_EQ(DaysBeforeMonth(12, true), 335);
}

TEST(Calendar, TimesOfDayFromPackedValuesAndRemainders) {
    struct Case {
        PackedTime packed;
        std::int32_t ms;
        const char16_t* withMs;
        const char16_t* withoutMs;
    };
    const Case cases[] = {
        {152535001, 55535001, u"15:25:35.001", u"15:25:35"},
        {235959999, 86399999, u"23:59:59.999", u"23:59:59"},
        {0, 0, u"00:00:00.000", u"00:00:00"},
        {10203000, 3723000, u"01:02:03.000", u"01:02:03"},
    };
    for (const Case& c : cases) {
        const MsOfDay ms = MsOfDayFromPackedTime(c.packed);
        EXPECT_EQ(ms.Value(), c.ms) << c.packed;
        EXPECT_EQ(FormatTimeOfDay(ms, true), c.withMs);
        EXPECT_EQ(FormatTimeOfDay(ms, false), c.withoutMs);
    }
    EXPECT_EQ(MsOfDayFromRemainder(86400000).Value(), 0);
    EXPECT_EQ(MsOfDayFromRemainder(-1).Value(), 0);
    EXPECT_EQ(MsOfDayFromRemainder(86399999).Value(), 86399999);
    EXPECT_EQ(MsOfDayFromRemainder(INT64_MAX).Value(), 0);
}

TEST(Calendar, PackedTimesOfAnyValueStayInsideThirtyTwoBits) {
    // No range test on this path: the largest and smallest inputs must still
    // give defined values (the sanitizer build checks there is no overflow).
    EXPECT_EQ(MsOfDayFromPackedTime(INT32_MAX).Value(), 214 * 3600000 + 74 * 60000 + 83647);
    EXPECT_EQ(MsOfDayFromPackedTime(-1).Value(), -1);
    EXPECT_EQ(FormatTimeOfDay(MsOfDay(100 * 3600000), false), u"100:00:00")
        << "hours are not reduced modulo 24";
}

}  // namespace
}  // namespace tickwright

#include <gtest/gtest.h>

#include <string>

#include "Calendar.h"

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
    EXPECT_EQ(FormatTimeOfDay(MsOfDay(-1), true), u"00:00:00.-01");
    EXPECT_EQ(FormatTimeOfDay(MsOfDay(100 * 3600000), false), u"100:00:00");
}

}  // namespace
}  // namespace tickwright

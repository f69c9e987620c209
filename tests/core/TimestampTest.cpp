#include <gtest/gtest.h>

#include <limits>

#include "core/Timestamp.h"

namespace tickwright {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::u16string Shown(std::int64_t ms, bool withMs = true) {
    const CalendarValue value = TimestampToCalendar(ms);
    return FormatDate(value.day) + u' ' + FormatTimeOfDay(value.time, withMs);
}

TEST(Timestamp, WorkedExampleInUtcPlus8HoldsBothWays) {
    const std::int64_t ms = CalendarToTimestamp(19850101, 152535001);
    EXPECT_EQ(ms, 473441135001);
    const std::int64_t unixMs = ShiftToZone(ms, 20, kUtcZone);
    EXPECT_EQ(unixMs, 473412335001);
    EXPECT_EQ(FormatTimestamp(TimestampFromMs(unixMs, Precision::Milliseconds)), u"473412335001");
    EXPECT_EQ(FormatTimestamp(TimestampFromMs(unixMs, Precision::Seconds)), u"473412335");

    const std::int64_t back = MsFromTimestamp(ParseTimestampText(u"473412335"), Precision::Seconds);
    EXPECT_EQ(back, 473412335000);
    const std::int64_t local = ShiftToZone(back, kUtcZone, 20);
    EXPECT_EQ(local, 473441135000);
    EXPECT_EQ(Shown(local, false), u"1985-01-01 15:25:35");
}

TEST(Timestamp, CalendarValuesOfMillisecondCounts) {
    struct Case {
        std::int64_t ms;
        const char16_t* shown;
        const char* why;
    };
    const Case cases[] = {
        {0, u"1970-01-01 00:00:00.000", "epoch"},
        {86399999, u"1970-01-01 23:59:59.999", "last ms of the first day"},
        {-1, u"1969-12-31 23:59:59.999", "one ms before the epoch"},
        {-1000, u"1969-12-31 23:59:59.000", "negative counts floor to the previous day"},
        {-86400000, u"1969-12-31 00:00:00.000", "whole negative day"},
        {-86400001, u"1969-12-30 23:59:59.999", "just past a whole negative day"},
        {-2208988800000, u"1900-01-01 00:00:00.000", "first representable day"},
        {-2208988800001, u"1900-01-01 23:59:59.999", "before 1900: day 0, true time of day"},
        {253402300799999, u"9999-12-31 23:59:59.999", "end of 9999"},
        {185540378111999999, u"5881510-07-11 23:59:59.999", "largest ms with a date"},
        {185540378112000000, u"1900-01-01 00:00:00.000", "one past: day 0"},
        {kMax, u"1900-01-01 07:12:55.807", "largest 64-bit value"},
        {kMin, u"1900-01-01 16:47:04.192", "smallest 64-bit value"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(c.ms), c.shown) << c.why;
    }
}

TEST(Timestamp, EveryInstantShowsItsTrueDate) {
    struct Case {
        std::int64_t ms;
        const char16_t* shown;
        const char* why;
    };
    const Case cases[] = {
        {0, u"1970-01-01 00:00:00.000", "epoch, as in day numbers"},
        {-1000, u"1969-12-31 23:59:59.000", "negative counts floor, as in day numbers"},
        {-2208988800001, u"1899-12-31 23:59:59.999", "the last ms before 1900"},
        {185540378112000000, u"5881510-07-12 00:00:00.000", "the day after the last day number"},
        {1700000000123456789, u"53872825-06-19 08:30:56.789", "nanoseconds read as milliseconds"},
        {-62167219200001, u"-0001-12-31 23:59:59.999", "the last ms before year 0"},
        {kMax, u"292278994-08-17 07:12:55.807", "largest 64-bit value"},
        {kMin, u"-292275055-05-16 16:47:04.192", "smallest 64-bit value"},
    };
    for (const Case& c : cases) {
        const CivilDateTime value = TimestampToCivil(c.ms);
        EXPECT_EQ(FormatCivilDay(value.day) + u' ' + FormatTimeOfDay(value.time, true), c.shown)
            << c.why;
    }
}

TEST(Timestamp, CalendarToTimestampAtTheEndsOfTheParsersRange) {
    EXPECT_EQ(CalendarToTimestamp(19700101, 0), 0);
    EXPECT_EQ(CalendarToTimestamp(19000101, 0), -2208988800000);
    EXPECT_EQ(CalendarToTimestamp(99991231, 235959999), 253402300799999);
}

TEST(Timestamp, PrecisionConversionsFloorAndSaturate) {
    struct Case {
        std::int64_t ms;
        std::int64_t seconds;
    };
    const Case fromMs[] = {
        {1999, 1},   {1000, 1},           {0, 0},
        {-1, -1},    {-1000, -1},         {-1500, -2},
        {-1001, -2}, {kMax, kMax / 1000}, {kMin, kMin / 1000 - 1},
    };
    for (const Case& c : fromMs) {
        EXPECT_EQ(TimestampFromMs(c.ms, Precision::Seconds), c.seconds) << c.ms;
        EXPECT_EQ(TimestampFromMs(c.ms, Precision::Milliseconds), c.ms);
    }
    const Case toMs[] = {
        {1000, 1},
        {-5000, -5},
        {9223372036854775000, 9223372036854775},
        {kMax, 9223372036854776},
        {kMax, kMax},
        {-9223372036854775000, -9223372036854775},
        {kMin, -9223372036854776},
        {kMin, kMin},
    };
    for (const Case& c : toMs) {
        EXPECT_EQ(MsFromTimestamp(c.seconds, Precision::Seconds), c.ms) << c.seconds;
        EXPECT_EQ(MsFromTimestamp(c.seconds, Precision::Milliseconds), c.seconds);
    }
}

TEST(Timestamp, ShiftBetweenZonesSaturates) {
    EXPECT_EQ(ShiftToZone(0, 0, 24), 86400000);
    EXPECT_EQ(ShiftToZone(0, 24, 0), -86400000);
    EXPECT_EQ(ShiftToZone(123456, 7, 7), 123456);
    EXPECT_EQ(ShiftToZone(0, -1, 20), 8 * 3600000);
    EXPECT_EQ(ShiftToZone(0, 20, 25), -8 * 3600000);
    EXPECT_EQ(ShiftToZone(kMax, 0, 24), kMax);
    EXPECT_EQ(ShiftToZone(kMax - 1, 12, 13), kMax);
    EXPECT_EQ(ShiftToZone(kMin, 24, 0), kMin);
    EXPECT_EQ(ShiftToZone(kMax, 24, 0), kMax - 86400000);
}

TEST(Timestamp, TimestampTextsReadAndWritePlainDecimal) {
    EXPECT_EQ(ParseTimestampText(u" 1700000000abc"), 1700000000);
    EXPECT_EQ(ParseTimestampText(u"abc"), 0);
    EXPECT_EQ(ParseTimestampText(u""), 0);
    EXPECT_EQ(ParseTimestampText(u"-5"), -5);
    EXPECT_EQ(ParseTimestampText(u"+5"), 5);
    EXPECT_EQ(ParseTimestampText(u"-"), 0);
    EXPECT_EQ(FormatTimestamp(42), u"42");
    EXPECT_EQ(FormatTimestamp(-86400000), u"-86400000");
    EXPECT_EQ(FormatTimestamp(kMin), u"-9223372036854775808");
}

TEST(Timestamp, SecondsAndCalendarOfTheSameMsAgree) {
    // The timestamp and the date beside it must name the same second.
    for (std::int64_t ms : {-1500LL, -1LL, -999LL, -86400001LL, 1999LL, 0LL}) {
        const std::int64_t seconds = TimestampFromMs(ms, Precision::Seconds);
        const CalendarValue fromMs = TimestampToCalendar(ms);
        const CalendarValue fromSeconds = TimestampToCalendar(seconds * 1000);
        EXPECT_EQ(fromMs.day, fromSeconds.day) << ms;
        EXPECT_EQ(fromMs.time.Value() / 1000, fromSeconds.time.Value() / 1000) << ms;
    }
}

}  // namespace
}  // namespace tickwright

#include <gtest/gtest.h>

#include <cstdint>

#include "core/Timestamp.h"
#include "pages/DateTimeInput.h"
#include "pages/SimpleConversion.h"

namespace tickwright {
namespace {

constexpr auto kMs = Precision::Milliseconds;
constexpr auto kS = Precision::Seconds;

TEST(SimpleConversion, DateAndTimeToTimestamp) {
    struct Case {
        const char16_t* date;
        const char16_t* time;
        ZoneIndex zone;
        Precision precision;
        const char16_t* timestamp;
        const char16_t* recordInput;
        std::int64_t unixMs;  // the instant the row keeps: the typed one, ms and all
        const char* why;
    };
    const Case cases[] = {
        {u"1985-01-01", u"15:25:35.001", 20, kMs, u"473412335001", u"1985-01-01 15:25:35.001",
         473412335001, "worked example"},
        {u"1985-01-01", u"15:25:35.001", 20, kS, u"473412335", u"1985-01-01 15:25:35.001",
         473412335001, "worked example in seconds"},
        {u"1970-01-01", u"08:00:00", 20, kMs, u"0", u"1970-01-01 08:00:00", 0, "epoch at UTC+08H"},
        {u"1970-01-01", u"08:00:00", 20, kS, u"0", u"1970-01-01 08:00:00", 0, "epoch in seconds"},
        {u"1970-01-01", u"00:00:01.999", 12, kS, u"1", u"1970-01-01 00:00:01.999", 1999,
         "typed milliseconds dropped under seconds, kept in the record"},
        {u"1985-01-01", u"", 12, kMs, u"473385600000", u"1985-01-01 00:00:00", 473385600000,
         "empty time is midnight"},
        {u"1969-12-31", u"23:59:59.500", 12, kS, u"-1", u"1969-12-31 23:59:59.500", -500,
         "before 1970 floors to the second shown"},
        {u"1900-01-01", u"00:00:00", 24, kMs, u"-2209032000000", u"1900-01-01 00:00:00",
         -2209032000000, "earliest date in the zone furthest east"},
        {u"1985-02-31", u"00:00:00", 12, kS, u"478656000", u"1985-02-31 00:00:00", 478656000000,
         "day past the month counts on into March"},
        {u"1985-01-01", u"00:00:00", -1, kS, u"473385600", u"1985-01-01 00:00:00", 473385600000,
         "no zone selected reads as offset 0"},
    };
    for (const Case& c : cases) {
        const ToTimestampResult result = ConvertToTimestamp(c.date, c.time, c.zone, c.precision);
        ASSERT_FALSE(result.message) << c.why;
        EXPECT_EQ(result.output.timestamp, c.timestamp) << c.why;
        EXPECT_EQ(result.record, (ConversionRecord{c.zone,
                                                   c.recordInput,
                                                   kUtcZone,
                                                   c.timestamp,
                                                   {c.unixMs, c.precision, c.zone, std::nullopt}}))
            << c.why;
    }
}

TEST(SimpleConversion, RefusedDateOrTimeGivesOneMessage) {
    struct Case {
        const char16_t* date;
        const char16_t* time;
        std::u16string_view message;
        const char16_t* effectiveTime;
        const char* why;
    };
    const Case cases[] = {
        {u"", u"12:00:00", kBadDateMessage, u"12:00:00", "empty date"},
        {u"1899-12-31", u"12:00:00", kBadDateMessage, u"12:00:00", "year before 1900"},
        {u"1985-01-01", u"24:00:00", kBadTimeMessage, u"24:00:00", "hour 24"},
        {u"abc", u"xyz", kBadDateMessage, u"xyz", "both bad: the date is told first"},
        {u"abc", u"", kBadDateMessage, u"00:00:00", "bad date with an empty time"},
    };
    for (const Case& c : cases) {
        const ToTimestampResult result = ConvertToTimestamp(c.date, c.time, 20, kMs);
        ASSERT_TRUE(result.message) << c.why;
        EXPECT_EQ(*result.message, c.message) << c.why;
        EXPECT_EQ(result.effectiveTime, c.effectiveTime) << c.why;
    }
}

TEST(SimpleConversion, TimestampToDateAndTime) {
    struct Case {
        const char16_t* text;
        ZoneIndex zone;
        Precision precision;
        const char16_t* date;
        const char16_t* time;
        std::int64_t unixMs;  // the instant the row shows
        std::int64_t typed;   // the number read, which the row also keeps
        const char* why;
    };
    const Case cases[] = {
        {u"473412335", 20, kS, u"1985-01-01", u"15:25:35", 473412335000, 473412335,
         "worked example back"},
        {u"0", 20, kMs, u"1970-01-01", u"08:00:00.000", 0, 0, "epoch at UTC+08H"},
        {u"0", 20, kS, u"1970-01-01", u"08:00:00", 0, 0, "no milliseconds under seconds"},
        {u"abc", 12, kMs, u"1970-01-01", u"00:00:00.000", 0, 0, "letters read as 0"},
        {u"-", 12, kMs, u"1970-01-01", u"00:00:00.000", 0, 0,
         "the dash left by an error reads as 0"},
        {u"", 12, kS, u"1970-01-01", u"00:00:00", 0, 0, "empty reads as 0"},
        {u"-1", 12, kS, u"1969-12-31", u"23:59:59", -1000, -1, "one second before the epoch"},
        {u"-86400001", 12, kMs, u"1969-12-30", u"23:59:59.999", -86400001, -86400001,
         "just past a negative day"},
        {u"9223372036854775807", 12, kS, u"292278994-08-17", u"07:12:55", INT64_MAX, INT64_MAX,
         "saturated milliseconds show the last instant there is"},
        {u"9223372036854775807", 24, kMs, u"292278994-08-17", u"07:12:55.807",
         INT64_MAX - 12 * 3600000, INT64_MAX,
         "the shift saturates instead of wrapping, and the row shows where it stopped"},
        {u"1700000000123456789", 20, kMs, u"53872825-06-19", u"16:30:56.789", 1700000000123456789,
         1700000000123456789,
         "a nanosecond log timestamp pasted under milliseconds shows its true date"},
        {u"-2208988800001", 12, kMs, u"1899-12-31", u"23:59:59.999", -2208988800001, -2208988800001,
         "before 1900 shows the year it is"},
    };
    for (const Case& c : cases) {
        const ToDateTimeResult result = ConvertToDateTime(c.text, c.zone, c.precision);
        EXPECT_EQ(result.output.date, c.date) << c.why;
        EXPECT_EQ(result.output.time, c.time) << c.why;
        EXPECT_EQ(result.record, (ConversionRecord{kUtcZone,
                                                   c.text,
                                                   c.zone,
                                                   std::u16string(c.date) + u' ' + c.time,
                                                   {c.unixMs, c.precision, c.zone, c.typed}}))
            << c.why;
    }
}

}  // namespace
}  // namespace tickwright

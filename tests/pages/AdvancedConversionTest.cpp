#include <gtest/gtest.h>

#include <cstdint>

#include "core/Timestamp.h"
#include "pages/AdvancedConversion.h"
#include "pages/DateTimeInput.h"

namespace tickwright {
namespace {

constexpr auto kMs = Precision::Milliseconds;
constexpr auto kS = Precision::Seconds;

TEST(AdvancedConversion, FromTimestamp) {
    struct Case {
        const char16_t* text;
        ZoneIndex in;
        ZoneIndex out;
        Precision precision;
        const char16_t* inputDate;
        const char16_t* inputTime;
        OutputSide output;
        std::int64_t unixMs;  // the instant the row shows
        std::int64_t typed;   // the number read, which the row also keeps
        const char* why;
    };
    const Case cases[] = {
        {u"0",
         12,
         20,
         kMs,
         u"1970-01-01",
         u"00:00:00.000",
         {u"28800000", u"1970-01-01", u"08:00:00.000"},
         0,
         0,
         "UTC to UTC+08H"},
        {u"0",
         12,
         20,
         kS,
         u"1970-01-01",
         u"00:00:00",
         {u"28800", u"1970-01-01", u"08:00:00"},
         0,
         0,
         "the same in seconds"},
        {u"1700000000",
         12,
         20,
         kS,
         u"2023-11-14",
         u"22:13:20",
         {u"1700028800", u"2023-11-15", u"06:13:20"},
         1700000000000,
         1700000000,
         "across midnight"},
        {u"0",
         0,
         24,
         kMs,
         u"1970-01-01",
         u"00:00:00.000",
         {u"86400000", u"1970-01-02", u"00:00:00.000"},
         43200000,
         0,
         "UTC-12H to UTC+12H"},
        {u"0",
         24,
         0,
         kMs,
         u"1970-01-01",
         u"00:00:00.000",
         {u"-86400000", u"1969-12-31", u"00:00:00.000"},
         -43200000,
         0,
         "UTC+12H to UTC-12H"},
        {u"00042",
         7,
         7,
         kMs,
         u"1970-01-01",
         u"00:00:00.042",
         {u"42", u"1970-01-01", u"00:00:00.042"},
         18000042,
         42,
         "equal zones repeat the input in plain form"},
        {u"",
         12,
         12,
         kMs,
         u"1970-01-01",
         u"00:00:00.000",
         {u"0", u"1970-01-01", u"00:00:00.000"},
         0,
         0,
         "empty text reads as 0"},
        {u"-1500",
         12,
         12,
         kS,
         u"1969-12-31",
         u"23:35:00",
         {u"-1500", u"1969-12-31", u"23:35:00"},
         -1500000,
         -1500,
         "negative seconds"},
        {u"-1",
         12,
         12,
         kMs,
         u"1969-12-31",
         u"23:59:59.999",
         {u"-1", u"1969-12-31", u"23:59:59.999"},
         -1,
         -1,
         "one ms before the epoch"},
        {u"-9223372036854775808",
         24,
         0,
         kS,
         u"-292275055-05-16",
         u"16:47:04",
         {u"-9223372036854776", u"-292275055-05-16", u"16:47:04"},
         INT64_MIN + 12 * 3600000,
         INT64_MIN,
         "saturated at the bottom: the row shows, and keeps, the instant it stopped at"},
        {u"5",
         -1,
         20,
         kS,
         u"1970-01-01",
         u"00:00:05",
         {u"28805", u"1970-01-01", u"08:00:05"},
         5000,
         5,
         "no input zone reads as offset 0"},
    };
    for (const Case& c : cases) {
        const FromTimestampResult result = ComputeFromTimestamp(c.text, c.in, c.out, c.precision);
        EXPECT_EQ(result.inputDate, c.inputDate) << c.why;
        EXPECT_EQ(result.inputTime, c.inputTime) << c.why;
        EXPECT_EQ(result.output.timestamp, c.output.timestamp) << c.why;
        EXPECT_EQ(result.output.date, c.output.date) << c.why;
        EXPECT_EQ(result.output.time, c.output.time) << c.why;
        EXPECT_EQ(result.record, (ConversionRecord{c.in,
                                                   c.text,
                                                   c.out,
                                                   c.output.date + u' ' + c.output.time,
                                                   {c.unixMs, c.precision, c.out, c.typed}}))
            << c.why;
    }
}

TEST(AdvancedConversion, FromDateAndTime) {
    struct Case {
        const char16_t* date;
        const char16_t* time;
        ZoneIndex in;
        ZoneIndex out;
        Precision precision;
        const char16_t* inputTimestamp;
        OutputSide output;
        const char16_t* recordInput;
        std::int64_t unixMs;  // the instant the row keeps
        const char* why;
    };
    const Case cases[] = {
        {u"1985-01-01",
         u"15:25:35.001",
         20,
         12,
         kMs,
         u"473441135001",
         {u"473412335001", u"1985-01-01", u"07:25:35.001"},
         u"1985-01-01 15:25:35.001",
         473412335001,
         "the input timestamp is on the input zone's clock"},
        {u"1985-01-01",
         u"15:25:35.001",
         20,
         12,
         kS,
         u"473441135",
         {u"473412335", u"1985-01-01", u"07:25:35"},
         u"1985-01-01 15:25:35.001",
         473412335001,
         "seconds drop the typed milliseconds but the record keeps them"},
        {u"1970-01-01",
         u"00:00:01.999",
         12,
         12,
         kS,
         u"1",
         {u"1", u"1970-01-01", u"00:00:01"},
         u"1970-01-01 00:00:01.999",
         1999,
         "equal zones"},
        {u"1985-02-31",
         u"",
         12,
         12,
         kS,
         u"478656000",
         {u"478656000", u"1985-03-03", u"00:00:00"},
         u"1985-02-31 00:00:00",
         478656000000,
         "1985-02-31 counts on; empty time is midnight"},
        {u"1900-01-01",
         u"00:00:00",
         12,
         0,
         kMs,
         u"-2208988800000",
         {u"-2209032000000", u"1899-12-31", u"12:00:00.000"},
         u"1900-01-01 00:00:00",
         -2208988800000,
         "before 1900 in the west: the true date"},
    };
    for (const Case& c : cases) {
        const FromDateTimeResult result =
            ComputeFromDateTime(c.date, c.time, c.in, c.out, c.precision);
        ASSERT_FALSE(result.message) << c.why;
        EXPECT_EQ(result.inputTimestamp, c.inputTimestamp) << c.why;
        EXPECT_EQ(result.output.timestamp, c.output.timestamp) << c.why;
        EXPECT_EQ(result.output.date, c.output.date) << c.why;
        EXPECT_EQ(result.output.time, c.output.time) << c.why;
        EXPECT_EQ(result.record, (ConversionRecord{c.in,
                                                   c.recordInput,
                                                   c.out,
                                                   c.output.date + u' ' + c.output.time,
                                                   {c.unixMs, c.precision, c.out, std::nullopt}}))
            << c.why;
    }
}

TEST(AdvancedConversion, RefusedDateOrTimeGivesOneMessage) {
    struct Case {
        const char16_t* date;
        const char16_t* time;
        std::u16string_view message;
        const char16_t* effectiveTime;
        const char* why;
    };
    const Case cases[] = {
        {u"1985-13-01", u"", kBadDateMessage, u"00:00:00", "bad date, empty time"},
        {u"1985-01-01", u"15:25", kBadTimeMessage, u"15:25", "seconds are required"},
        {u"x", u"y", kBadDateMessage, u"y", "both bad: only the date is told"},
    };
    for (const Case& c : cases) {
        const FromDateTimeResult result = ComputeFromDateTime(c.date, c.time, 12, 20, kMs);
        ASSERT_TRUE(result.message) << c.why;
        EXPECT_EQ(*result.message, c.message) << c.why;
        EXPECT_EQ(result.effectiveTime, c.effectiveTime) << c.why;
        EXPECT_TRUE(result.inputTimestamp.empty()) << c.why;
    }
}

}  // namespace
}  // namespace tickwright

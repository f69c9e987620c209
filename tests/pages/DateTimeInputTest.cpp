#include <gtest/gtest.h>

#include "pages/DateTimeInput.h"

namespace tickwright {
namespace {

// The texts are the program's own words: written out here, not taken from
// the constants, so a changed message fails.
constexpr std::u16string_view kDateRefused = u"请输入正确的日期!\n例:1985-01-01";
constexpr std::u16string_view kTimeRefused = u"请输入正确的时间!\n例:15:25:35.001";

TEST(DateTimeInput, ChecksTheDateFirstAndAssumesMidnightForAnEmptyTime) {
    struct Case {
        const char16_t* date;
        const char16_t* time;
        PackedDate packedDate;
        PackedTime packedTime;
        const char16_t* effectiveTime;
        std::optional<std::u16string_view> message;
        const char* why;
    };
    const Case cases[] = {
        {u"1985-01-01", u"15:25:35.001", 19850101, 152535001, u"15:25:35.001", {}, "both good"},
        {u"1985-01-01", u"", 19850101, 0, u"00:00:00", {}, "empty time is midnight"},
        {u"1985-01-01", u" ", 19850101, -1, u" ", kTimeRefused, "a blank is no empty time"},
        {u"1985-01-01",
         u"\u200B\u2060\U000E0041",
         19850101,
         0,
         u"00:00:00",
         {},
         "invisible characters alone are an empty time"},
        {u"1985-01-01", u"\u200B \u2060", 19850101, -1, u"\u200B \u2060", kTimeRefused,
         "with a blank among them they are not"},
        {u"", u"12:00:00", -1, 120000000, u"12:00:00", kDateRefused, "empty date"},
        {u"1899-12-31", u"", -1, 0, u"00:00:00", kDateRefused, "before 1900; midnight still"},
        {u"1985-01-01", u"24:00:00", 19850101, -1, u"24:00:00", kTimeRefused, "hour 24"},
        {u"x", u"y", -1, -1, u"y", kDateRefused, "both bad: only the date is told"},
    };
    for (const Case& c : cases) {
        const DateTimeInput input = ParseDateTimeInput(c.date, c.time);
        EXPECT_EQ(input.date, c.packedDate) << c.why;
        EXPECT_EQ(input.time, c.packedTime) << c.why;
        EXPECT_EQ(input.effectiveTime, c.effectiveTime) << c.why;
        EXPECT_EQ(input.message, c.message) << c.why;
    }
}

}  // namespace
}  // namespace tickwright

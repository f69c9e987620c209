#include <gtest/gtest.h>

#include "core/TextParsing.h"

namespace tickwright {
namespace {

TEST(TextParsing, SplitKeepsEmptyPiecesAndGivesNoneWithoutASeparator) {
    using Pieces = std::vector<std::u16string>;
    EXPECT_EQ(SplitText(u"1985-01-01", u"-"), (Pieces{u"1985", u"01", u"01"}));
    EXPECT_EQ(SplitText(u"1985--01", u"-"), (Pieces{u"1985", u"", u"01"}));
    EXPECT_EQ(SplitText(u"1985-01-", u"-"), (Pieces{u"1985", u"01", u""}));
    EXPECT_EQ(SplitText(u"-", u"-"), (Pieces{u"", u""}));
    EXPECT_EQ(SplitText(u"19850101", u"-"), Pieces{});
    EXPECT_EQ(SplitText(u"", u"-"), Pieces{});
    EXPECT_EQ(SplitText(u"abc", u""), Pieces{u"abc"});
    EXPECT_EQ(SplitText(u"a::b", u"::"), (Pieces{u"a", u"b"}));
}

TEST(TextParsing, DateTexts) {
    struct Case {
        const char16_t* text;
        PackedDate expected;
        const char* why;
    };
    const Case cases[] = {
        {u"1985-01-01", 19850101, "canonical form"},
        {u"1985-1-1", 19850101, "single-digit month and day"},
        {u"1900-01-01", 19000101, "first year"},
        {u"9999-12-31", 99991231, "last day"},
        {u"1985-02-31", 19850231, "day not checked against the month"},
        {u" 1985-01-01", 19850101, "blank before the year"},
        {u"1985 - 01 - 01", 19850101, "blanks around each separator"},
        {u"1985-01-01 12:00", 19850101, "rest of the third piece ignored"},
        {u"\uFF11\uFF19\uFF18\uFF15\uFF0D\uFF10\uFF11\uFF0D\uFF10\uFF11", 19850101,
         "typed in full-width mode"},
        {u"\u30001985-01-01", 19850101, "ideographic space before the year"},
        {u"\u202B1985\u200B-\uFEFF01-0\u200C1\u202C", 19850101,
         "invisible characters around the separators and inside the numbers"},
        {u"\u200B-1985-01-01", -1, "an invisible character does not hide a leading minus"},
        {u"\U000E00011985-\u180E01-\U000E007F01", 19850101,
         "tag characters and U+180E, new in the set"},
        {u"1899-12-31", -1, "year before 1900"},
        {u"10000-01-01", -1, "year after 9999"},
        {u"85-01-01", -1, "two-digit year"},
        {u"1985-13-01", -1, "month 13"},
        {u"1985-00-10", -1, "month 0"},
        {u"1985-01-32", -1, "day 32"},
        {u"1985-01-00", -1, "day 0"},
        {u"1985/01/01", -1, "wrong separator"},
        {u"19850101", -1, "no separator"},
        {u"1985-01", -1, "two pieces"},
        {u"1985-01-01-", -1, "four pieces"},
        {u"-1985-01-01", -1, "leading minus gives four pieces"},
        {u"1985--01", -1, "empty month reads as 0"},
        {u"", -1, "empty text"},
        {u"99999999999-01-01", -1, "saturated year is out of range"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDateText(c.text), c.expected) << c.why;
    }
}

TEST(TextParsing, TimeTexts) {
    struct Case {
        const char16_t* text;
        PackedTime expected;
        const char* why;
    };
    const Case cases[] = {
        {u"15:25:35.001", 152535001, "canonical form"},
        {u"15:25:35", 152535000, "no milliseconds"},
        {u"1:2:3", 10203000, "single digits"},
        {u"00:00:00", 0, "midnight"},
        {u"23:59:59.999", 235959999, "last millisecond"},
        {u"12:00:00.1", 120000001, ".1 is one whole millisecond"},
        {u"12:00:00.100", 120000100, ".100 is a hundred"},
        {u"::", 0, "every field empty reads as 0"},
        {u"12:30:", 123000000, "empty seconds"},
        {u"12:30:15.", 123015000, "empty milliseconds"},
        {u"12:30:15.5.9", 123015005, "pieces after a second point ignored"},
        {u"12:30.5:15", 123015000, "point after the minutes ignored"},
        {u"\uFF11\uFF15\uFF1A\uFF12\uFF15\uFF1A\uFF13\uFF15\uFF0E\uFF10\uFF10\uFF11", 152535001,
         "typed in full-width mode"},
        {u"12:\u206930:15", 123015000, "a pop directional isolate after the colon"},
        {u"\u200E15\u200B:25:35\u00AD.0\u206001", 152535001, "invisible characters all over"},
        {u"1\u061C5:2\uFFF95:3\U0001D1735", 152535000, "U+061C, U+FFF9 and one past the BMP"},
        {u"24:00:00", -1, "hour 24"},
        {u"23:60:00", -1, "minute 60"},
        {u"23:59:60", -1, "second 60"},
        {u"12:00:00.1000", -1, "a thousand milliseconds"},
        {u"15:25", -1, "seconds are required"},
        {u"1:2:3:4", -1, "four pieces"},
        {u"-1:00:00", -1, "negative hour"},
        {u"12:00:-1", -1, "negative second"},
        {u"12:00:00.-1", -1, "negative millisecond"},
        {u"", -1, "empty text"},
        {u"153525", -1, "no separator"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTimeText(c.text), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace tickwright

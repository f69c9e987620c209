#include <gtest/gtest.h>

#include <limits>

#include "core/DecimalText.h"

namespace tickwright {
namespace {

TEST(DecimalText, ReadsIntegersTheWayTheRuntimeDoes) {
    struct Case {
        const char16_t* text;
        std::int64_t expected64;
        std::int32_t expected32;
        const char* why;
    };
    const Case cases[] = {
        {u" 1700000000abc", 1700000000, 1700000000, "blank, digits, then letters ignored"},
        {u"abc", 0, 0, "letters only"},
        {u"", 0, 0, "empty"},
        {u"-5", -5, -5, "minus sign"},
        {u"+5", 5, 5, "plus sign"},
        {u"--5", 0, 0, "second sign is not a digit"},
        {u"- 5", 0, 0, "blank after the sign stops the number"},
        {u"\t\r\n\v\f 42", 42, 42, "every ASCII white space is skipped"},
        {u"\u3000\u300042", 42, 42, "ideographic spaces are skipped"},
        {u"\u00A042", 42, 42, "no-break space is skipped"},
        {u"\uFF11\uFF19\uFF18\uFF15", 1985, 1985, "full-width digits"},
        {u"\uFF0D\uFF15", -5, -5, "full-width minus and digit"},
        {u"1\uFF12 3", 12, 12, "ASCII and full-width digits mix"},
        {u"17\u200B00000000", 1700000000, 1700000000, "zero-width space inside the digits"},
        {u"\u202E1700000000", 1700000000, 1700000000, "right-to-left override before them"},
        {u"\uFEFF \u2066-\u200D5\u2069", -5, -5, "around the blanks, the sign and the digits"},
        {u"1\u00AD2\u20603\u20644\u200F5\u202A6", 123456, 123456, "every kind, inside"},
        {u"-\u200B 5", 0, 0, "a blank after the sign still stops the number"},
        {u"\u200B", 0, 0, "nothing but an invisible character"},
        {u"1\u2065 2", 1, 1, "U+2065 is unassigned, not invisible: it stops the number"},
        {u"1\u061C2\u180E3\u206A4\u206F5", 12345, 12345,
         "Arabic letter mark, Mongolian vowel separator, U+206A..U+206F"},
        {u"\u0600\uFFF9-\uFFFB7", -7, -7, "Arabic number sign, interlinear annotation marks"},
        {u"1\U000E00012\U000E00203\U000E007F4", 1234, 1234,
         "tag characters, each a surrogate pair skipped whole"},
        {u"\U0001D173\U000110BD 4\U0001BCA02", 42, 42, "format characters past the BMP"},
        {u"1\U000E00002", 1, 1, "U+E0000 is unassigned: it stops the number"},
        {u"1\xDB40"
         u"2",
         1, 1, "a lone high surrogate stops the number"},
        {u"1\xDC01"
         u"2",
         1, 1, "and so does a lone low one"},
        {u"1\uFFFC2", 1, 1, "the object replacement character is visible"},
        {u"00042", 42, 42, "leading zeros"},
        {u"12.5", 12, 12, "stops at the point"},
        {u"9223372036854775807", INT64_MAX, INT32_MAX, "64-bit maximum"},
        {u"9223372036854775808", INT64_MAX, INT32_MAX, "one past saturates"},
        {u"-9223372036854775808", INT64_MIN, INT32_MIN, "64-bit minimum is exact"},
        {u"-9223372036854775809", INT64_MIN, INT32_MIN, "one below saturates"},
        {u"99999999999999999999999999999", INT64_MAX, INT32_MAX, "far beyond"},
        {u"2147483647", 2147483647, INT32_MAX, "32-bit maximum"},
        {u"2147483648", 2147483648, INT32_MAX, "32-bit saturates"},
        {u"-2147483648", -2147483648LL, INT32_MIN, "32-bit minimum is exact"},
        {u"-2147483649", -2147483649LL, INT32_MIN, "32-bit saturates low"},
        {u"\u0660", 0, 0, "Arabic-Indic digits are not decimal digits here"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadInt64(c.text), c.expected64) << c.why;
        EXPECT_EQ(ReadInt32(c.text), c.expected32) << c.why;
    }
}

TEST(DecimalText, FormatsLikePrintfZeroPadding) {
    struct Case {
        std::int64_t value;
        int width;
        const char16_t* expected;
    };
    const Case cases[] = {
        {0, 0, u"0"},
        {7, 2, u"07"},
        {123, 2, u"123"},
        {-1, 2, u"-1"},
        {-5, 3, u"-05"},
        {1985, 4, u"1985"},
        {5881510, 4, u"5881510"},
        {INT64_MAX, 0, u"9223372036854775807"},
        {INT64_MIN, 0, u"-9223372036854775808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDecimal(c.value, c.width), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace tickwright

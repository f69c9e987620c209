#include <gtest/gtest.h>

#include <string>

#include "core/Utf16.h"

namespace tickwright {
namespace {

// UTF-8 as the console twin reads its arguments, and back as the CSV and the
// console write it: what is not well-formed becomes U+FFFD, never bad bytes.
TEST(Utf16, Utf8BothWaysWithEveryMalformedPieceReplaced) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
        const char* why;
    };
    const Case cases[] = {
        {"1985-01-01", u"1985-01-01", "ASCII"},
        {"\xEF\xBC\x91\xE2\x80\x8B", u"\uFF11\u200B", "three-byte characters"},
        {"\xF3\xA0\x80\x81", u"\U000E0001", "a four-byte character, as a surrogate pair"},
        {"\xC0\x80", u"\uFFFD\uFFFD", "an overlong NUL"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", "an encoded surrogate"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", "past U+10FFFF"},
        {"a\xE4\xB8", u"a\uFFFD\uFFFD", "cut short at the end"},
        {"\xE4"
         "a",
         u"\uFFFDa", "cut short by another character"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.why;
    }
    std::string out;
    AppendUtf8(out, u"a\uFF11\U000E0001\xD800z");
    EXPECT_EQ(out, "a\xEF\xBC\x91\xF3\xA0\x80\x81\xEF\xBF\xBDz") << "a lone surrogate as U+FFFD";
}

}  // namespace
}  // namespace tickwright

// Every character the Unicode Character Database calls a format character
// (General Category Cf) or a blank (White_Space), as the installed data files
// list them, walked through every reader: the timestamp reader, the date and
// time readers, an empty time field and the CSV guard. The sets come from
// the files themselves (tests/UnicodeData.h), so a wrong or stale table in
// the program cannot vouch for itself; Unicode 15's additions (U+0890,
// U+0891, U+08E2, U+110CD, U+13430..U+1343F) are among them.
#include <gtest/gtest.h>

#include <sstream>

#include "core/TextParsing.h"
#include "core/Timestamp.h"
#include "mainwnd/HistoryExport.h"
#include "pages/DateTimeInput.h"
#include "tests/UnicodeData.h"

namespace tickwright {
namespace {

using testsupport::InstalledUnicode;
using testsupport::Utf16Of;

std::string Named(char32_t c) {
    std::ostringstream name;
    name << "U+" << std::hex << std::uppercase << static_cast<unsigned long>(c);
    return name.str();
}

TEST(UnicodeReaders, TheDataFilesHoldWhatTheyAreKnownToHold) {
    // Not the program's table: a few facts of Unicode 15, so that an empty
    // or unreadable set cannot pass the walks below.
    for (const char32_t c : {U'\u00AD', U'\u0890', U'\u0891', U'\u08E2', U'\u200B', U'\uFEFF',
                             U'\U000110CD', U'\U00013430', U'\U0001343F', U'\U000E0001'}) {
        EXPECT_TRUE(testsupport::IsFormatInData(c)) << Named(c);
    }
    for (const char32_t c : {U'\t', U' ', U'\u0085', U'\u00A0', U'\u1680', U'\u2000', U'\u200A',
                             U'\u2028', U'\u2029', U'\u202F', U'\u205F', U'\u3000'}) {
        EXPECT_TRUE(testsupport::IsWhiteSpaceInData(c)) << Named(c);
    }
    EXPECT_FALSE(testsupport::IsFormatInData(U'1'));
    EXPECT_FALSE(testsupport::IsWhiteSpaceInData(U'\u200B')) << "a format character, no blank";
}

TEST(UnicodeReaders, EveryFormatCharacterIsUnseenByEveryReader) {
    ASSERT_GE(InstalledUnicode().format.size(), 150u);
    for (const char32_t code : InstalledUnicode().format) {
        const std::u16string c = Utf16Of(code);
        const std::string name = Named(code);
        EXPECT_EQ(ParseTimestampText(c + u"17" + c + u"00000000" + c), 1700000000) << name;
        EXPECT_EQ(ParseTimestampText(c + u"-" + c + u"5"), -5) << name;
        EXPECT_EQ(ParseDateText(c + u"1985" + c + u"-0" + c + u"1-01" + c), 19850101) << name;
        EXPECT_EQ(ParseTimeText(u"12:" + c + u"30:1" + c + u"5." + c + u"001"), 123015001) << name;
        const DateTimeInput onlyInvisible = ParseDateTimeInput(u"1985-01-01", c + c);
        EXPECT_EQ(onlyInvisible.time, 0) << name << ": a time field of it alone is empty";
        EXPECT_FALSE(onlyInvisible.message) << name;
        EXPECT_TRUE(NeedsFormulaGuard(c + u"=1+1")) << name;
        EXPECT_TRUE(NeedsFormulaGuard(c + u"\uFF0B1")) << name;
        EXPECT_FALSE(NeedsFormulaGuard(c + u"1985-01-01")) << name;
    }
}

TEST(UnicodeReaders, EveryBlankIsSkippedBeforeANumberAndEndsOne) {
    ASSERT_EQ(InstalledUnicode().whiteSpace.size(), 25u) << "White_Space of Unicode 15";
    for (const char32_t code : InstalledUnicode().whiteSpace) {
        const std::u16string c = Utf16Of(code);
        const std::string name = Named(code);
        EXPECT_EQ(ParseTimestampText(c + c + u"1700000000"), 1700000000) << name;
        EXPECT_EQ(ParseTimestampText(c + u"-1700000000"), -1700000000) << name;
        EXPECT_EQ(ParseTimestampText(u"17" + c + u"00000000"), 17) << name << ": ends the digits";
        EXPECT_EQ(ParseDateText(c + u"1985-" + c + u"01-" + c + u"01"), 19850101) << name;
        EXPECT_EQ(ParseTimeText(c + u"12:" + c + u"30:" + c + u"15"), 123015000) << name;
        EXPECT_TRUE(NeedsFormulaGuard(c + u"=1+1")) << name;
        EXPECT_TRUE(NeedsFormulaGuard(c + c + u"@SUM(A1)")) << name;
        // A cell that starts with a tab, CR or LF is guarded whatever follows.
        const bool opensALine = code == U'\t' || code == U'\r' || code == U'\n';
        EXPECT_EQ(NeedsFormulaGuard(c + u"1985-01-01"), opensALine) << name;
    }
}

}  // namespace
}  // namespace tickwright

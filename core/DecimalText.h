#pragma once

// Locale-free reading and writing of decimal integers in 16-bit text. These
// stand in for the C runtime's wide-text conversions so that the result never
// depends on the process locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tickwright {

// Blanks: every code point with Unicode's White_Space property
// (core/WhiteSpace.inc, made by tools/unicode-tables.sh), what the C
// runtime's iswspace calls space: ASCII's tab, line feed, vertical tab, form
// feed, carriage return and space, U+0085, the no-break spaces U+00A0 and
// U+202F, U+1680, the spaces U+2000..U+200A, the line and paragraph
// separators U+2028 and U+2029, U+205F and the ideographic space U+3000.
bool IsWhiteSpace(char32_t c);

// Invisible format characters, which text pasted from web pages, chat
// programs and documents carries: every code point of General Category Cf
// (core/FormatCharacters.inc, made by tools/unicode-tables.sh), such as the
// soft hyphen U+00AD, the zero-width space and joiners, the direction marks,
// embeddings, overrides and isolates, the word joiner, the byte-order mark
// U+FEFF and the tag characters U+E0001 and U+E0020..U+E007F. Every reader
// below acts as if they were not in the text at all.
bool IsInvisibleFormat(char32_t c);

// The UTF-16 units at `pos` that make one invisible format character: 1, 2
// for a surrogate pair that encodes one (skipped whole), or 0 when the
// character there is none (a lone surrogate never is).
std::size_t InvisibleFormatLength(std::u16string_view text, std::size_t pos);

// The position of the first character at or after `pos` that is neither
// white space nor an invisible format character (text.size() when none is).
std::size_t SkipBlanksAndInvisible(std::u16string_view text, std::size_t pos = 0);
// The same for invisible format characters alone.
std::size_t SkipInvisible(std::u16string_view text, std::size_t pos = 0);

// 0..9 for "0".."9" and their full-width twins (FullWidth.h); -1 otherwise.
int DigitValue(char16_t c);

// Reads a signed integer the way _wtoi64 does, invisible format characters
// ignored wherever they stand:
//   - leading white space is skipped,
//   - then one optional sign, "+" or "-" (or their full-width twins),
//   - then decimal digits up to the first character that is not a digit;
//     whatever follows is ignored.
// Text without digits gives 0. A number beyond the 64-bit range saturates to
// INT64_MAX or INT64_MIN.
//   ReadInt64(u" 1700000000abc") == 1700000000
//   ReadInt64(u"-5") == -5, ReadInt64(u"abc") == 0
//   ReadInt64(u"17\u200B00000000") == 1700000000  (a zero-width space inside)
std::int64_t ReadInt64(std::u16string_view text);

// As ReadInt64, saturating to the 32-bit range instead (the _wtoi contract).
std::int32_t ReadInt32(std::u16string_view text);

// printf("%0*lld", minWidth, value) in ASCII: the sign counts toward the width,
// zeros are inserted between sign and digits.
//   FormatDecimal(7, 2) == u"07", FormatDecimal(-1, 2) == u"-1",
//   FormatDecimal(-5, 3) == u"-05", FormatDecimal(INT64_MIN, 0) == u"-9223372036854775808"
std::u16string FormatDecimal(std::int64_t value, int minWidth = 0);

}  // namespace tickwright

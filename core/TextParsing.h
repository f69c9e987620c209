#pragma once

// Date and time text as users type it, into packed values. Lenient about the
// form of each number (white space before it, a sign, anything after its
// digits), strict about the number of fields and their ranges. Full-width
// forms typed with a Chinese input method ("１９８５－０１－０１",
// "１５：２５：３５．００１", the ideographic space) read as their ASCII twins,
// and invisible format characters pasted along with the text (IsInvisibleFormat
// in DecimalText.h) are read as if they were not there: "12:\u206930:15" is
// 12:30:15.

#include <string>
#include <string_view>
#include <vector>

#include "core/Calendar.h"

namespace tickwright {

// Pieces of `text` between occurrences of `separator`:
//   SplitText(u"1985-01-01", u"-") -> {"1985", "01", "01"}
//   SplitText(u"1985--01", u"-")   -> {"1985", "", "01"}
//   SplitText(u"1985-01-", u"-")   -> {"1985", "01", ""}
//   SplitText(u"19850101", u"-")   -> {}            (no separator: no pieces)
//   SplitText(u"", u"-")           -> {}
//   SplitText(u"abc", u"")         -> {"abc"}
std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator);

// "Y-M-D" with 1900 <= Y <= 9999, 1 <= M <= 12, 1 <= D <= 31 as a PackedDate,
// else -1. The day is not checked against the month: 1985-02-31 gives
// 19850231. Every accepted result lies in [19000101, 99991231].
PackedDate ParseDateText(std::u16string_view text);

// "H:M:S" or "H:M:S.F" with H 0..23, M 0..59, S 0..59, F 0..999 whole
// milliseconds (".1" is 1 ms, ".1000" is refused) as a PackedTime in
// [0, 235959999], else -1. Pieces after a second "." are ignored.
PackedTime ParseTimeText(std::u16string_view text);

}  // namespace tickwright

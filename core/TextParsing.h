#pragma once

// Date and time text as users type it, into packed values. Lenient about the
// form of each number (white space before it, a sign, anything after its
// digits), strict about the number of fields and their ranges. Full-width
// forms typed with a Chinese input method ("１９８５－０１－０１",
// "１５：２５：３５．００１", the ideographic space) read as their ASCII twins.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Calendar.h"

namespace tickwright {

// What the pages tell a user whose date or time text was refused, and the
// time they assume when the time field is left empty.
inline constexpr std::u16string_view kBadDateMessage = u"请输入正确的日期!\n例:1985-01-01";
inline constexpr std::u16string_view kBadTimeMessage = u"请输入正确的时间!\n例:15:25:35.001";
inline constexpr std::u16string_view kMidnightText = u"00:00:00";

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

// A date and a time as typed into a page's two fields, checked the way the
// pages check them: an empty time means "00:00:00"; the date is tested first,
// so when both are bad only the date's message is given.
struct DateTimeInput {
    std::u16string effectiveTime;
    PackedDate date = -1;
    PackedTime time = -1;
    std::optional<std::u16string_view> message;  // set when refused
};
DateTimeInput ParseDateTimeInput(std::u16string_view dateText, std::u16string_view timeText);

}  // namespace tickwright

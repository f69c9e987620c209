#pragma once

// A date and a time as typed into a page's two fields, checked the way both
// pages check them, and the words a page uses when it refuses them. The core's
// parsers only return -1; telling the user, and assuming midnight for an
// empty time field, are the pages' rules.

#include <optional>
#include <string>
#include <string_view>

#include "core/Calendar.h"

namespace tickwright {

inline constexpr std::u16string_view kBadDateMessage = u"请输入正确的日期!\n例:1985-01-01";
inline constexpr std::u16string_view kBadTimeMessage = u"请输入正确的时间!\n例:15:25:35.001";
// The caption of an error box, the refusal's included.
inline constexpr std::u16string_view kErrorCaption = u"错误";
// What the output field shows after a refusal.
inline constexpr std::u16string_view kRefusedOutputText = u"-";
// The time assumed for an empty time field; the page writes it back.
inline constexpr std::u16string_view kMidnightText = u"00:00:00";

struct DateTimeInput {
    // The typed time, or "00:00:00" for an empty one (or one of invisible
    // format characters alone, which readers do not see).
    std::u16string effectiveTime;
    PackedDate date = -1;
    PackedTime time = -1;
    std::optional<std::u16string_view> message;  // set when refused
};

// The date is tested first, so when both are bad only the date's message is
// given:
//   ParseDateTimeInput(u"1985-01-01", u"")  -> 19850101, 0, "00:00:00"
//   ParseDateTimeInput(u"1899-12-31", u"x") -> kBadDateMessage
//   ParseDateTimeInput(u"1985-01-01", u"x") -> kBadTimeMessage
DateTimeInput ParseDateTimeInput(std::u16string_view dateText, std::u16string_view timeText);

}  // namespace tickwright

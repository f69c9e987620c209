#pragma once

// The simple page's logic: the Unix timestamp (always UTC+00H) on one side,
// the date and time in one chosen zone on the other. It is the advanced
// conversion with the timestamp's side fixed to UTC+00H, and gives the same
// results; the page shows the output side.
//
//   ConvertToTimestamp(u"1985-01-01", u"15:25:35.001", 20, Milliseconds)
//     .output.timestamp == u"473412335001"
//   ConvertToDateTime(u"473412335", 20, Seconds)
//     .output.date == u"1985-01-01", .output.time == u"15:25:35"

#include <string_view>

#include "pages/AdvancedConversion.h"

namespace tickwright {

// effectiveTime, then either message or output.timestamp and record.
using ToTimestampResult = FromDateTimeResult;
// output.date and output.time, and record.
using ToDateTimeResult = FromTimestampResult;

// Date and time read on the clock of `zone`, to the Unix timestamp. The
// record's output is the timestamp text.
ToTimestampResult ConvertToTimestamp(std::u16string_view dateText, std::u16string_view timeText,
                                     ZoneIndex zone, Precision precision);

// A Unix timestamp to the date and time on the clock of `zone`. Any text
// converts: what has no digits reads as 0.
ToDateTimeResult ConvertToDateTime(std::u16string_view timestampText, ZoneIndex zone,
                                   Precision precision);

}  // namespace tickwright

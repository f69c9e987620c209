#pragma once

// The simple page's logic: the Unix timestamp (always UTC+00H) on one side,
// the date and time in one chosen zone on the other. Pure functions of texts,
// a zone and the precision; the dialog only reads and writes its fields.
//
//   ConvertToTimestamp(u"1985-01-01", u"15:25:35.001", 20, Milliseconds).timestamp ==
//   u"473412335001" ConvertToDateTime(u"473412335", 20, Seconds) -> u"1985-01-01", u"15:25:35"

#include <optional>
#include <string>
#include <string_view>

#include "core/Precision.h"
#include "core/Zones.h"
#include "pages/ConversionRecord.h"

namespace tickwright {

struct ToTimestampResult {
    // The time text the conversion used: the typed one, or "00:00:00" for an
    // empty field (the page writes it back even when the conversion fails).
    std::u16string effectiveTime;
    // Set when the date or the time was refused; then nothing else is set.
    std::optional<std::u16string> message;
    std::u16string timestamp;
    ConversionRecord record;
};

// Date and time read on the clock of `zone`, to the Unix timestamp.
ToTimestampResult ConvertToTimestamp(std::u16string_view dateText, std::u16string_view timeText,
                                     ZoneIndex zone, Precision precision);

struct ToDateTimeResult {
    std::u16string date;
    std::u16string time;
    ConversionRecord record;
};

// A Unix timestamp to the date and time on the clock of `zone`. Any text
// converts: what has no digits reads as 0.
ToDateTimeResult ConvertToDateTime(std::u16string_view timestampText, ZoneIndex zone,
                                   Precision precision);

}  // namespace tickwright

#pragma once

// The advanced page's logic: a conversion between two chosen zones, from a
// timestamp or from a date and time, filling both sides. A timestamp belongs
// to its zone: it counts from 1970-01-01 00:00 on that zone's clock.
//
//   ComputeFromTimestamp(u"0", 12, 20, Milliseconds)
//     input side 1970-01-01 00:00:00.000, output 28800000, 1970-01-01 08:00:00.000

#include <optional>
#include <string>
#include <string_view>

#include "core/Precision.h"
#include "core/Zones.h"
#include "pages/ConversionRecord.h"

namespace tickwright {

// Which input fields are the source: the timestamp, or the date and time.
enum class InputKind {
    Timestamp,
    DateTime,
};

struct OutputSide {
    std::u16string timestamp;
    std::u16string date;
    std::u16string time;
};

struct FromTimestampResult {
    std::u16string inputDate;  // the typed timestamp on the input zone's clock
    std::u16string inputTime;
    OutputSide output;
    ConversionRecord record;
};

// Any text converts: what has no digits reads as 0.
FromTimestampResult ComputeFromTimestamp(std::u16string_view timestampText, ZoneIndex inputZone,
                                         ZoneIndex outputZone, Precision precision);

struct FromDateTimeResult {
    // "00:00:00" for an empty time field, else the typed text.
    std::u16string effectiveTime;
    // Set when the date or the time was refused; then nothing but it and
    // effectiveTime is set.
    std::optional<std::u16string> message;
    std::u16string inputTimestamp;  // on the input zone's clock
    OutputSide output;
    ConversionRecord record;
};

FromDateTimeResult ComputeFromDateTime(std::u16string_view dateText, std::u16string_view timeText,
                                       ZoneIndex inputZone, ZoneIndex outputZone,
                                       Precision precision);

}  // namespace tickwright

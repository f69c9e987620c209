#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/Precision.h"
#include "core/Zones.h"

namespace tickwright {

// The instant a conversion stands for, which its history row keeps for the
// hint and "复制为"; none of it is one of the row's texts.
struct ConversionInstant {
    std::int64_t unixMs = 0;
    Precision precision = Precision::Milliseconds;
    // The zone whose clock and offset the row's ISO 8601 text uses: the zone
    // of the date and time the row shows (its input zone when its output is
    // a timestamp).
    ZoneIndex zone = kUtcZone;
    // The number read from a typed timestamp, counted on the input zone's
    // clock; none when a date and time were typed.
    std::optional<std::int64_t> typedValue;

    friend bool operator==(const ConversionInstant&, const ConversionInstant&) = default;
};

// The history row a successful conversion asks its host to add, with the
// zones still as indices; the history turns them into names.
struct ConversionRecord {
    ConversionRecord() = default;
    ConversionRecord(ZoneIndex inZone, std::u16string in, ZoneIndex outZone, std::u16string out,
                     ConversionInstant at = {})
        : inputZone(inZone),
          input(std::move(in)),
          outputZone(outZone),
          output(std::move(out)),
          instant(std::move(at)) {}

    ZoneIndex inputZone = kUtcZone;
    std::u16string input;
    ZoneIndex outputZone = kUtcZone;
    std::u16string output;
    ConversionInstant instant;

    // The four texts the list shows and the instant the row keeps.
    friend bool operator==(const ConversionRecord&, const ConversionRecord&) = default;
};

}  // namespace tickwright

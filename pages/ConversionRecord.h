#pragma once

#include <cstdint>
#include <string>

#include "core/Zones.h"

namespace tickwright {

// The history row a successful conversion asks its host to add, with the
// zones still as indices; the history turns them into names.
struct ConversionRecord {
    ZoneIndex inputZone = kUtcZone;
    std::u16string input;
    ZoneIndex outputZone = kUtcZone;
    std::u16string output;

    friend bool operator==(const ConversionRecord&, const ConversionRecord&) = default;
};

}  // namespace tickwright

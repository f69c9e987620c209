#pragma once

#include <cstdint>

namespace tickwright {

// A broken-down wall-clock time in the struct tm convention.
struct BrokenDownTime {
    std::int32_t yearSince1900 = -1;  // negative when the conversion failed
    std::int32_t month = 0;           // 0..11
    std::int32_t day = 0;             // 1..31
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

// The machine's local time (time zone and daylight saving as in force at that
// instant, honouring TZ) of `seconds` since 1970-01-01 00:00:00 UTC. On
// failure yearSince1900 is negative.
BrokenDownTime LocalTimeOf(std::int64_t seconds);

}  // namespace tickwright

#pragma once

// Division with the quotient taken toward negative infinity, and the
// remainder that goes with it (never negative for a positive divisor): what
// a calendar needs, where the day before the epoch is day -1 and its time of
// day still counts up from midnight. C++'s own division truncates toward zero.
//
//   FloorDiv(-1, 1000) == -1, FloorMod(-1, 1000) == 999
//   FloorDiv(1999, 1000) == 1, FloorMod(1999, 1000) == 999
//
// `divisor` must be positive; every value of `value` is fine, INT64_MIN
// included.

#include <cstdint>

namespace tickwright {

constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

constexpr std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

}  // namespace tickwright

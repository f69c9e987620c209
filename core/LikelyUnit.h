#pragma once

// The unit an epoch count most likely is, told by its size as the widely
// used epoch converters tell it: below 10^11 seconds (which reach the year
// 5138), below 10^14 milliseconds, below 10^17 microseconds, else
// nanoseconds. The row hints and the scanner of log text both judge by it.
//   LikelyUnit(1700000000) == Seconds, LikelyUnit(1700000000123) == Milliseconds

#include <cstdint>

namespace tickwright {

enum class TimeUnit { Seconds, Milliseconds, Microseconds, Nanoseconds };

inline constexpr std::uint64_t kMillisecondsFrom = 100'000'000'000;         // 10^11
inline constexpr std::uint64_t kMicrosecondsFrom = 100'000'000'000'000;     // 10^14
inline constexpr std::uint64_t kNanosecondsFrom = 100'000'000'000'000'000;  // 10^17

constexpr TimeUnit LikelyUnit(std::uint64_t magnitude) {
    if (magnitude < kMillisecondsFrom) {
        return TimeUnit::Seconds;
    }
    if (magnitude < kMicrosecondsFrom) {
        return TimeUnit::Milliseconds;
    }
    return magnitude < kNanosecondsFrom ? TimeUnit::Microseconds : TimeUnit::Nanoseconds;
}

}  // namespace tickwright

#pragma once

// The present moment and the machine's own zone. Both sources can be replaced
// so that tests (and anything else that needs a fixed "now") are repeatable.

#include <cstdint>
#include <string>

#include "core/LocalTime.h"
#include "core/Precision.h"
#include "core/Zones.h"

namespace tickwright {

using ClockTicksSource = std::int64_t (*)();
using LocalTimeSource = BrokenDownTime (*)(std::int64_t seconds);

// Replace the wall clock; nullptr restores the system clock.
void SetClockTicksSource(ClockTicksSource source);
// Replace the local-time conversion; nullptr restores the C runtime's.
void SetLocalTimeSource(LocalTimeSource source);

// Present wall-clock time in 100-ns ticks since 1970-01-01 00:00:00 UTC.
std::int64_t ReadClockTicks();

// Present Unix timestamp: milliseconds, or whole seconds (fraction dropped).
std::int64_t CurrentTimestamp(Precision precision);

// The present Unix timestamp as the pages show it: plain decimal.
std::u16string PresentTimestampText(Precision precision);

// The machine's local wall-clock time now (both sources above apply).
BrokenDownTime LocalTimeNow();

// The zone whose whole-hour offset equals the machine's present offset
// (daylight saving included), the offset being truncated toward zero: UTC+05:30
// gives 17 (UTC+05H), UTC-03:30 gives 9 (UTC-03H). Offsets of +13 and +14, and
// a failing local-time conversion, give 20 (UTC+08H).
ZoneIndex DetectLocalZoneIndex();

}  // namespace tickwright

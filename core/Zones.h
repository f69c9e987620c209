#pragma once

// The 25 fixed whole-hour zones. Index i has the offset i - 12 hours:
//
//   ZoneName(0)  == u"UTC-12H", ZoneOffsetHours(0)  == -12
//   ZoneName(12) == u"UTC+00H", ZoneOffsetHours(12) == 0
//   ZoneName(20) == u"UTC+08H", ZoneOffsetHours(20) == 8
//   ZoneName(24) == u"UTC+12H", ZoneOffsetHours(24) == 12
//   ZoneName(-1) == u"UTC_UNKNOWN", ZoneOffsetHours(-1) == 0  (any index outside 0..24)
//
// A selector without a selection reports -1 and so reads as "UTC_UNKNOWN".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tickwright {

using ZoneIndex = std::int32_t;

inline constexpr ZoneIndex kZoneCount = 25;
inline constexpr ZoneIndex kUtcZone = 12;
// The zone assumed when the machine's own offset cannot be told.
inline constexpr ZoneIndex kFallbackZone = 20;

extern const std::array<std::u16string_view, kZoneCount> ZoneNames;

inline constexpr std::u16string_view kUnknownZoneName = u"UTC_UNKNOWN";

std::u16string ZoneName(ZoneIndex index);

// Offset in whole hours, -12..12; 0 for an index outside the table.
std::int32_t ZoneOffsetHours(ZoneIndex index);

}  // namespace tickwright

#pragma once

// What a history row's instant offers beyond its five texts: the hint shown
// when the pointer rests on the row (and read out as the cells' accessible
// description), and the texts of "复制为". Window-free.
//
// For 1700000000123 converted under 毫秒 to UTC+08H, two years later:
//   ISO 8601：2023-11-15T06:13:20.123+08:00
//   UTC：2023-11-14T22:13:20.123Z
//   Unix 秒：1700000000
//   Unix 毫秒：1700000000123
//   星期三，2023-W46，当年第 319 天
//   距今：2 年前
// and, when the digits of a typed timestamp most likely were another unit
// than the one it was converted in (by their size, core/LikelyUnit.h), one
// line with that reading in the row's zone. 1700000000 typed under 毫秒 at
// UTC+08H:
//   若按秒计：2023-11-15 06:13:20

#include <cstdint>
#include <string>
#include <string_view>

#include "pages/ConversionRecord.h"

namespace tickwright {

// A row's instant with the zones of the conversion that made it.
struct HistoryInstant {
    ConversionInstant instant;
    ZoneIndex inputZone = kUtcZone;
    ZoneIndex outputZone = kUtcZone;
};

// The hint, one fact a line; "now" is Unix ms, read when the hint is shown.
std::u16string HistoryHint(const HistoryInstant& row, std::int64_t nowMs);

// The items of "复制为", in menu order.
enum class CopyAs {
    IsoInZone,  // ISO 8601 with the row's zone
    IsoUtc,     // ISO 8601 in UTC
    UnixSeconds,
    UnixMilliseconds,
};

std::u16string CopyAsText(const HistoryInstant& row, CopyAs kind);

}  // namespace tickwright

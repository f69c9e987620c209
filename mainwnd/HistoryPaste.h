#pragma once

// The history rows a pasted text gives: one for every epoch number found by
// the core's rule (EpochScanner.h, the default unit and window), in the order
// of the text. Each is read in UTC+00H and shown on the clock of
// `outputZone` with as many fraction digits as it was given, and keeps its
// instant for the hint and "复制为". Window-free.
//   PastedRows(u"at 1700000000123 and 1700000001", 20)
//     -> {UTC+00H, "1700000000123", UTC+08H, "2023-11-15 06:13:20.123"},
//        {UTC+00H, "1700000001",    UTC+08H, "2023-11-15 06:13:21"}

#include <string_view>
#include <vector>

#include "core/Zones.h"
#include "pages/ConversionRecord.h"

namespace tickwright {

// What the user reads when the text held no epoch number.
inline constexpr std::u16string_view kNothingToPaste = u"剪贴板中的文字里没有找到时间戳。";
inline constexpr std::u16string_view kPasteCaption = u"粘贴并转换";

std::vector<ConversionRecord> PastedRows(std::u16string_view text, ZoneIndex outputZone);

}  // namespace tickwright

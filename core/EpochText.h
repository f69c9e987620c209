#pragma once

// The date and time of an epoch number's instant on one zone's clock, as the
// console twin writes them and the history shows them: ASCII, with as many
// fraction digits as the number was given (EpochNumber::shownDigits).
//   EpochText text(20);                                     // UTC+08H
//   text.DateTime({1700000000, 123000000}, 3) -> "2023-11-15 06:13:20.123"
//   text.Iso({1700000000, 123000000}, 3)      -> "2023-11-15T06:13:20.123+08:00"
//   text.Iso({1700000000, 0}, 0) in zone 12   -> "2023-11-14T22:13:20+00:00"
// A year past 9999 is written with all its digits, and in ISO 8601's
// expanded form, with a "+", by Iso. The last day's text is kept: lines of a
// log mostly share a date, and their times cost a few divisions each.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/EpochScanner.h"
#include "core/Zones.h"

namespace tickwright {

class EpochText {
public:
    explicit EpochText(ZoneIndex zone);

    // The text, valid until the next call.
    std::string_view DateTime(EpochInstant instant, int shownDigits);
    std::string_view Iso(EpochInstant instant, int shownDigits);

private:
    struct Wall {
        std::int64_t day;  // since 1970-01-01 on the zone's clock
        std::uint32_t secondOfDay;
        std::uint32_t nanos;
    };
    Wall WallOf(EpochInstant instant) const;
    // Writes the date, then `separator`, the time and the fraction; returns
    // the end.
    char* Write(const Wall& wall, int shownDigits, char separator, bool expandedYear);
    void CacheDay(std::int64_t day);

    std::int32_t m_offsetSeconds;
    std::int32_t m_offsetHours;
    std::int64_t m_cachedDay;
    std::size_t m_dateLength = 0;
    bool m_cachedYearExpands = false;
    char m_date[32] = {};
    char m_text[80] = {};
};

}  // namespace tickwright

#pragma once

// Facts about one instant beyond its date and time of day, for the hints the
// history offers: ISO 8601 text with an offset, the ISO weekday and week, and
// how far the instant lies from another. Numbers and ISO text only; the words
// around them belong to whoever shows them.
//
//   IsoDateTime(1700000000123, 20, true)     == u"2023-11-15T06:13:20.123+08:00"
//   IsoDateTimeUtc(1700000000123, false)     == u"2023-11-14T22:13:20Z"
//   IsoWeekOf(the day of 2017-01-01)        == {2016, 52}
//   Elapsed(now - 90 s, now, 20)             == {Unit::Minute, 1, past}

#include <cstdint>
#include <string>

#include "core/CivilDay.h"
#include "core/Zones.h"

namespace tickwright {

// 1 (Monday) .. 7 (Sunday); 1970-01-01 was a Thursday (4).
int IsoWeekday(CivilDay day);

struct IsoWeek {
    std::int64_t year;  // the year of the week's Thursday
    int week;           // 1 .. 53
};

// The ISO 8601 week: weeks start on Monday, and week 1 is the one holding
// the year's first Thursday. 2017-01-01 is in 2016-W52, 2007-12-31 in
// 2008-W01, 2021-01-03 in 2020-W53. Exact for every 64-bit day a millisecond
// count can reach.
IsoWeek IsoWeekOf(CivilDay day);

// "YYYY-Www", the year as IsoDateTime writes it: "2016-W52", "+53872825-W25".
std::u16string FormatIsoWeek(IsoWeek week);

// The instant (Unix milliseconds) in ISO 8601 extended form on the clock of
// `zone` with its offset ("+08:00", "-12:00", "+00:00"), milliseconds only
// `withMs`. Years outside 0..9999 take ISO's expanded form: a sign and all
// their digits ("+53872825-06-19T...", "-0001-12-31T...").
std::u16string IsoDateTime(std::int64_t unixMs, ZoneIndex zone, bool withMs);
// The same in UTC, written with "Z".
std::u16string IsoDateTimeUtc(std::int64_t unixMs, bool withMs);

struct ElapsedTime {
    enum class Unit { Now, Second, Minute, Hour, Day, Month, Year };
    Unit unit;
    std::uint64_t count;  // whole units, at least 1 unless Now
    bool future;          // `then` lies after `now`
};

// How far `then` lies from `now` (both Unix ms), as a person counts it on
// the calendar of `zone`: the whole calendar years between them, else the
// whole calendar months, else days, hours, minutes or seconds; less than a
// second apart is Now. Months are counted from `now` toward `then`, each
// landing on now's day of the month or on the last day of a shorter month:
// from 03-31 one month back is the last day of February, so
//   Elapsed(2025-02-28 00:00, 2025-03-31 00:00, 12) == {Unit::Month, 1, past}
//   Elapsed(2024-02-29 12:00, 2025-02-28 12:00, 12) == {Unit::Month, 11, past}
//   Elapsed(2024-02-29 12:00, 2025-03-01 12:00, 12) == {Unit::Year, 1, past}
// Any two 64-bit values: no overflow.
ElapsedTime Elapsed(std::int64_t then, std::int64_t now, ZoneIndex zone);

}  // namespace tickwright

#pragma once

// Conversions between timestamps and calendar values. A timestamp belongs to a
// zone and counts from 1970-01-01 00:00:00 on that zone's wall clock; in
// UTC+00H it is the Unix timestamp. "ms" below is such a count in milliseconds,
// signed 64-bit. Nothing here fails or overflows: out-of-range results saturate
// or fall back to the defaults of the calendar functions.
//
//   CalendarToTimestamp(19850101, 152535001)   == 473441135001   (UTC+08H clock)
//   ShiftToZone(473441135001, 20, 12)           == 473412335001   (Unix ms)
//   TimestampFromMs(473412335001, Seconds)      == 473412335
//   TimestampToCivil(-1000)                     -> 1969-12-31, 23:59:59.000

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Calendar.h"
#include "core/CivilDay.h"
#include "core/Precision.h"
#include "core/Zones.h"

namespace tickwright {

struct CalendarValue {
    DayNumber day;
    MsOfDay time;
};

struct CivilDateTime {
    CivilDay day;
    MsOfDay time;  // 0 .. 86399999
};

// Leading white space, an optional sign, then digits up to the first other
// character. Text without digits gives 0; beyond the 64-bit range saturates.
std::int64_t ParseTimestampText(std::u16string_view text);

// Plain signed decimal: no leading zeros, no grouping.
std::u16string FormatTimestamp(std::int64_t value);

// `value` in milliseconds; under Seconds, value x 1000 saturated to the
// 64-bit range (|value| beyond 9223372036854775 saturates).
std::int64_t MsFromTimestamp(std::int64_t value, Precision precision);

// `ms` under Milliseconds; under Seconds ms / 1000 rounded toward negative
// infinity, so that -1500 gives -2 and the second agrees with the calendar
// value TimestampToCivil gives for the same ms.
std::int64_t TimestampFromMs(std::int64_t ms, Precision precision);

// ms moved from the wall clock of zone `from` to that of zone `to`, saturated
// to the 64-bit range. Indices outside the table count as offset 0.
std::int64_t ShiftToZone(std::int64_t ms, ZoneIndex from, ZoneIndex to);

// The true date and time of day of any ms, days taken toward negative
// infinity: from -292275055-05-16 16:47:04.192 (INT64_MIN) to
// 292278994-08-17 07:12:55.807 (INT64_MAX). This is what the pages show.
//   TimestampToCivil(-2208988800001) -> 1899-12-31, 23:59:59.999
CivilDateTime TimestampToCivil(std::int64_t ms);

// The wall-clock date and time in `zone` of the Unix instant `unixMs`,
// without saturating: at the ends of the 64-bit range the date runs past
// what a 64-bit millisecond count could hold, so that it still names the
// same instant (the offset of an index outside the table is 0).
//   CivilInZone(INT64_MAX, 24) -> 292278994-08-17, 19:12:55.807
//   CivilInZone(-1, 20)        -> 1970-01-01, 07:59:59.999
CivilDateTime CivilInZone(std::int64_t unixMs, ZoneIndex zone);

// As TimestampToCivil, the date as a DayNumber: dates outside 1900-01-01 ..
// 5881510-07-11 read as day number 0 (1900-01-01) while the time of day stays
// exact. Kept with its given contract and tested; the program calls
// TimestampToCivil instead.
CalendarValue TimestampToCalendar(std::int64_t ms);

// ms of a packed date and time on some zone's clock. Over the dates the parser
// accepts the result runs from -2208988800000 (1900-01-01 00:00:00.000) to
// 253402300799999 (9999-12-31 23:59:59.999).
std::int64_t CalendarToTimestamp(PackedDate date, PackedTime time);

}  // namespace tickwright

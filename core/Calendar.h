#pragma once

// Calendar arithmetic on day numbers and packed decimal dates and times.
// Pure functions: no state, no failure reported; out-of-range input is
// replaced by the fixed defaults each function names.
//
// The program reads dates through DayNumberFromPackedDate and shows every
// date through CivilDay (CivilDay.h); DayNumberFromUnixDays, SplitDayNumber
// and FormatDate are kept with their given contracts and tested, but the
// program itself calls none of them.

#include <cstdint>
#include <string>

#include "core/DayNumber.h"
#include "core/MsOfDay.h"

namespace tickwright {

// A date as the decimal number YYYYMMDD, e.g. 19850101 for 1985-01-01.
// The parsers use -1 for text that is no valid date.
using PackedDate = std::int32_t;

// A time of day as the decimal number HHMMSSmmm, e.g. 152535001 for
// 15:25:35.001. The parsers use -1 for text that is no valid time.
using PackedTime = std::int32_t;

inline constexpr PackedDate kFirstPackedDate = 19000101;
inline constexpr PackedDate kLastPackedDate = 99991231;

// The Gregorian leap-year rule of IsCivilLeapYear (CivilDay.h), but false for
// every negative year.
//   IsLeapYear(1900) == false, IsLeapYear(2000) == true, IsLeapYear(-4) == false
bool IsLeapYear(std::int32_t year);

// Days in the months of a year before `month` (1..12); 0 for month 1 and for
// any month below 1. DaysBeforeMonth(3, true) == 60.
std::int32_t DaysBeforeMonth(std::int32_t month, bool leap);

// Days in `month` (1..12) of a year with or without a leap day.
//   DaysInMonth(2, false) == 28, DaysInMonth(2, true) == 29
std::int32_t DaysInMonth(std::int32_t month, bool leap);

// Day number of a packed date in [19000101, 99991231]; 0 outside that span.
// Inside it a month outside 1..12 or a day outside 1..31 is taken as 1, and a
// day past the end of its month counts on into the next month:
//   20210231 -> the day number of 2021-03-03.
DayNumber DayNumberFromPackedDate(PackedDate date);

// Day number of a count of days since 1970-01-01. Counts in
// [-25567, 2147458079] map to day numbers [0, 2147483646]; anything else to 0.
DayNumber DayNumberFromUnixDays(std::int64_t days);

struct YearAndDay {
    std::int32_t year;       // 1900 .. 5881510
    std::int32_t dayOfYear;  // 0 .. 365, zero-based
};

// Calendar year and zero-based day of that year, exact for every DayNumber,
// in constant time:
//   SplitDayNumber(DayNumber(0)) == {1900, 0}
//   SplitDayNumber(DayNumber(2147483646)) == {5881510, 191}
YearAndDay SplitDayNumber(DayNumber day);

// "YYYY-MM-DD", the year zero-padded to at least four digits:
//   FormatDate(DayNumber(0)) == u"1900-01-01"
//   FormatDate(DayNumber(2147483646)) == u"5881510-07-11"
// Day number 0 also stands for "out of range"; to show any instant's true
// date, format a CivilDay (CivilDay.h) instead.
std::u16string FormatDate(DayNumber day);

// Milliseconds since midnight of a packed time. No field is range-checked:
// MsOfDayFromPackedTime(152535001) == MsOfDay(55535001), and minutes or
// seconds of 60..99 simply add their milliseconds. Never overflows for any
// 32-bit input.
MsOfDay MsOfDayFromPackedTime(PackedTime time);

// `value` when it lies in [0, 86399999], otherwise MsOfDay(0).
MsOfDay MsOfDayFromRemainder(std::int64_t value);

// "HH:MM:SS.mmm" with milliseconds, "HH:MM:SS" without (they are dropped, not
// rounded). Hours are not reduced modulo 24; negative values print their sign
// the way printf's "%02d" does.
std::u16string FormatTimeOfDay(MsOfDay time, bool withMs);

}  // namespace tickwright

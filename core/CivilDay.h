#pragma once

// A day of the proleptic Gregorian calendar as a signed 64-bit count of days
// since 1970-01-01. Where DayNumber stops at 1900-01-01 .. 5881510-07-11 and
// reads everything else as 1900-01-01, a CivilDay names the true date of
// every instant a signed 64-bit millisecond count can hold, and of far more:
//
//   CivilDay(0)                  // 1970-01-01
//   CivilDay(-25568)             // 1899-12-31
//   CivilDay(-719528)            // 0000-01-01  (astronomical year 0, 1 BC)
//   CivilDay(-106751991168)      // -292275055-05-16, the day of INT64_MIN ms
//   CivilDay(106751991167)       // 292278994-08-17, the day of INT64_MAX ms
//
// Every int64_t value is a valid day; years then run from about -2.5e16 to
// 2.5e16. The computations below are closed-form: they cost the same at
// every day.

#include <cstdint>
#include <string>

#include "core/DayNumber.h"

namespace tickwright {

class CivilDay {
public:
    constexpr explicit CivilDay(std::int64_t unixDays) : m_unixDays(unixDays) {}

    // The same day as a DayNumber (whose 0 is 1900-01-01, 25567 days earlier).
    static constexpr CivilDay Of(DayNumber day) {
        return CivilDay(static_cast<std::int64_t>(day.Value()) - kUnixEpochDayNumber);
    }

    constexpr std::int64_t UnixDays() const { return m_unixDays; }

    friend constexpr bool operator==(CivilDay, CivilDay) = default;

private:
    std::int64_t m_unixDays;
};

struct CivilDate {
    std::int64_t year;   // astronomical numbering: 0 is 1 BC, -1 is 2 BC
    std::int32_t month;  // 1 .. 12
    std::int32_t day;    // 1 .. 31
};

struct CivilYearAndDay {
    std::int64_t year;       // as in CivilDate
    std::int32_t dayOfYear;  // 0 .. 365, zero-based from January 1
};

// Year, month and day of `day`:
//   DateOf(CivilDay(0)) == {1970, 1, 1}, DateOf(CivilDay(-1)) == {1969, 12, 31}
CivilDate DateOf(CivilDay day);

// Year and zero-based day of that year:
//   SplitCivilDay(CivilDay(0)) == {1970, 0}, SplitCivilDay(CivilDay(-1)) == {1969, 364}
CivilYearAndDay SplitCivilDay(CivilDay day);

// Gregorian leap years over all years, negative ones included (-4 and 0 are
// leap years). IsLeapYear of the calendar arithmetic answers false for every
// negative year; this one is the calendar's own rule.
bool IsCivilLeapYear(std::int64_t year);

// "YYYY-MM-DD" in ISO 8601 with expanded years where needed: years 0 .. 9999
// with four digits, later years with as many as they need, years before 0
// as a minus sign and at least four digits.
//   FormatCivilDay(CivilDay(0))        == u"1970-01-01"
//   FormatCivilDay(CivilDay(-719529))  == u"-0001-12-31"
//   FormatCivilDay(CivilDay::Of(DayNumber(2147483646))) == u"5881510-07-11"
// For every DayNumber the text equals FormatDate's.
std::u16string FormatCivilDay(CivilDay day);

// Whether ISO 8601's expanded form writes `year` with a "+" before it: every
// year above 9999 (a year before 0 has FormatCivilDay's "-" already).
constexpr bool YearTakesPlusSign(std::int64_t year) {
    return year > 9999;
}

// January 1st of `year`, for years from -2.5e16 to 2.5e16 (those of the
// days a CivilDay holds). Howard Hinnant's days_from_civil:
//   NewYearsDay(1970) == CivilDay(0), NewYearsDay(2000) == CivilDay(10957)
constexpr CivilDay NewYearsDay(std::int64_t year) {
    const std::int64_t y = year - 1;  // January counts in the previous year's cycle
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = 306;  // March 1 to January 1
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return CivilDay(era * 146097 + dayOfEra - 719468);
}
// Signed overflow is no constant expression: the range's ends compute.
static_assert(NewYearsDay(25000000000000000).UnixDays() > 0 &&
              NewYearsDay(-25000000000000000).UnixDays() < 0);

}  // namespace tickwright

#include "core/Calendar.h"

#include <array>

#include "core/CivilDay.h"
#include "core/DecimalText.h"

namespace tickwright {

namespace {

using MonthLengths = std::array<std::int32_t, 12>;

MonthLengths MonthLengthsOf(bool leap) {
    return {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

// Leap days from 1900 up to the start of `year` (0 for 1900). Truncating
// division is intended: it makes 1900 itself contribute nothing.
std::int32_t LeapDaysBefore(std::int32_t year) {
    return (year - 1901) / 4 - (year - 1901) / 100 + (year - 1601) / 400;
}

}  // namespace

bool IsLeapYear(std::int32_t year) {
    return year >= 0 && IsCivilLeapYear(year);
}

std::int32_t DaysBeforeMonth(std::int32_t month, bool leap) {
    const MonthLengths lengths = MonthLengthsOf(leap);
    std::int32_t total = 0;
    for (std::int32_t m = 1; m < month && m <= 12; ++m) {
        total += lengths[static_cast<std::size_t>(m - 1)];
    }
    return total;
}

std::int32_t DaysInMonth(std::int32_t month, bool leap) {
    return MonthLengthsOf(leap)[static_cast<std::size_t>(month - 1)];
}

DayNumber DayNumberFromPackedDate(PackedDate date) {
    if (date < kFirstPackedDate || date > kLastPackedDate) {
        return DayNumber();
    }
    const std::int32_t year = date / 10000;
    std::int32_t month = (date % 10000) / 100;
    std::int32_t day = date % 100;
    if (month < 1 || month > 12) {
        month = 1;
    }
    if (day < 1 || day > 31) {
        day = 1;
    }
    return DayNumber((year - 1900) * 365 + LeapDaysBefore(year) +
                     DaysBeforeMonth(month, IsLeapYear(year)) + day - 1);
}

DayNumber DayNumberFromUnixDays(std::int64_t days) {
    // Unix day counts that can matter are far inside the 64-bit range, but the
    // caller may pass anything: keep the sum from overflowing.
    if (days < -static_cast<std::int64_t>(kUnixEpochDayNumber) ||
        days > DayNumber::kMax - kUnixEpochDayNumber) {
        return DayNumber();
    }
    return DayNumber(static_cast<std::int32_t>(days + kUnixEpochDayNumber));
}

YearAndDay SplitDayNumber(DayNumber day) {
    // Closed form, so the top of the range costs what 1970 does; every
    // DayNumber lies inside a year that fits 32 bits.
    const CivilYearAndDay split = SplitCivilDay(CivilDay::Of(day));
    return {static_cast<std::int32_t>(split.year), split.dayOfYear};
}

std::u16string FormatDate(DayNumber day) {
    return FormatCivilDay(CivilDay::Of(day));
}

MsOfDay MsOfDayFromPackedTime(PackedTime time) {
    const std::int32_t hours = time / 10000000;
    const std::int32_t minutes = (time / 1000 - hours * 10000) / 100;
    const std::int32_t secondsAndMs = time % 100000;
    return MsOfDay(hours * MsOfDay::kPerHour + minutes * MsOfDay::kPerMinute + secondsAndMs);
}

MsOfDay MsOfDayFromRemainder(std::int64_t value) {
    if (value < 0 || value >= MsOfDay::kPerDay) {
        return MsOfDay();
    }
    return MsOfDay(static_cast<std::int32_t>(value));
}

std::u16string FormatTimeOfDay(MsOfDay time, bool withMs) {
    const std::int32_t m = time.Value();
    std::u16string text = FormatDecimal(m / MsOfDay::kPerHour, 2) + u':' +
                          FormatDecimal((m % MsOfDay::kPerHour) / MsOfDay::kPerMinute, 2) + u':' +
                          FormatDecimal((m % 60000) / 1000, 2);
    if (withMs) {
        text += u'.';
        text += FormatDecimal(m % 1000, 3);
    }
    return text;
}

}  // namespace tickwright

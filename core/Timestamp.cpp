#include "core/Timestamp.h"

#include <limits>

#include "core/DecimalText.h"

namespace tickwright {

namespace {

using Limits = std::numeric_limits<std::int64_t>;
constexpr std::int64_t kMsPerSecond = 1000;

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    if (b > 0 && a > Limits::max() - b) {
        return Limits::max();
    }
    if (b < 0 && a < Limits::min() - b) {
        return Limits::min();
    }
    return a + b;
}

}  // namespace

std::int64_t ParseTimestampText(std::u16string_view text) {
    return ReadInt64(text);
}

std::u16string FormatTimestamp(std::int64_t value) {
    return FormatDecimal(value);
}

std::int64_t MsFromTimestamp(std::int64_t value, Precision precision) {
    if (precision == Precision::Milliseconds) {
        return value;
    }
    if (value > Limits::max() / kMsPerSecond) {
        return Limits::max();
    }
    if (value < Limits::min() / kMsPerSecond) {
        return Limits::min();
    }
    return value * kMsPerSecond;
}

std::int64_t TimestampFromMs(std::int64_t ms, Precision precision) {
    if (precision == Precision::Milliseconds) {
        return ms;
    }
    const std::int64_t quotient = ms / kMsPerSecond;
    return ms % kMsPerSecond < 0 ? quotient - 1 : quotient;
}

std::int64_t ShiftToZone(std::int64_t ms, ZoneIndex from, ZoneIndex to) {
    const std::int64_t hours = ZoneOffsetHours(to) - ZoneOffsetHours(from);
    return SaturatingAdd(ms, hours * MsOfDay::kPerHour);
}

CivilDateTime TimestampToCivil(std::int64_t ms) {
    std::int64_t days = ms / MsOfDay::kPerDay;
    std::int64_t remainder = ms % MsOfDay::kPerDay;
    if (remainder < 0) {
        --days;
        remainder += MsOfDay::kPerDay;
    }
    return {CivilDay(days), MsOfDayFromRemainder(remainder)};
}

CalendarValue TimestampToCalendar(std::int64_t ms) {
    const CivilDateTime civil = TimestampToCivil(ms);
    return {DayNumberFromUnixDays(civil.day.UnixDays()), civil.time};
}

std::int64_t CalendarToTimestamp(PackedDate date, PackedTime time) {
    const std::int64_t days =
        static_cast<std::int64_t>(DayNumberFromPackedDate(date).Value()) - kUnixEpochDayNumber;
    return days * MsOfDay::kPerDay + MsOfDayFromPackedTime(time).Value();
}

}  // namespace tickwright

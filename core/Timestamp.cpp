#include "core/Timestamp.h"

#include <limits>

#include "core/DecimalText.h"
#include "core/FloorDivision.h"

namespace tickwright {

namespace {

using Limits = std::numeric_limits<std::int64_t>;

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
    if (value > Limits::max() / MsOfDay::kPerSecond) {
        return Limits::max();
    }
    if (value < Limits::min() / MsOfDay::kPerSecond) {
        return Limits::min();
    }
    return value * MsOfDay::kPerSecond;
}

std::int64_t TimestampFromMs(std::int64_t ms, Precision precision) {
    if (precision == Precision::Milliseconds) {
        return ms;
    }
    return FloorDiv(ms, MsOfDay::kPerSecond);
}

std::int64_t ShiftToZone(std::int64_t ms, ZoneIndex from, ZoneIndex to) {
    const std::int64_t hours = ZoneOffsetHours(to) - ZoneOffsetHours(from);
    return SaturatingAdd(ms, hours * MsOfDay::kPerHour);
}

CivilDateTime TimestampToCivil(std::int64_t ms) {
    return {CivilDay(FloorDiv(ms, MsOfDay::kPerDay)),
            MsOfDayFromRemainder(FloorMod(ms, MsOfDay::kPerDay))};
}

CivilDateTime CivilInZone(std::int64_t unixMs, ZoneIndex zone) {
    // The offset is added to the time of day, not to the 64-bit count, so
    // that near the ends of the range the wall time moves to the next or the
    // previous day instead of stopping at the end.
    const CivilDateTime utc = TimestampToCivil(unixMs);
    const std::int64_t time =
        std::int64_t{utc.time.Value()} + std::int64_t{ZoneOffsetHours(zone)} * MsOfDay::kPerHour;
    const std::int64_t dayShift = FloorDiv(time, MsOfDay::kPerDay);
    return {CivilDay(utc.day.UnixDays() + dayShift),
            MsOfDay(static_cast<std::int32_t>(time - dayShift * MsOfDay::kPerDay))};
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

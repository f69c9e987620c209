#include "core/InstantFacts.h"

#include "core/Calendar.h"
#include "core/DecimalText.h"
#include "core/Timestamp.h"

namespace tickwright {

namespace {

constexpr std::int64_t kDaysPerWeek = 7;

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

// ISO's date text: FormatCivilDay's, with the "+" that expanded years above
// 9999 carry.
std::u16string IsoDate(CivilDay day) {
    const std::u16string text = FormatCivilDay(day);
    return DateOf(day).year > 9999 ? u'+' + text : text;
}

std::u16string IsoDateAndTime(std::int64_t wallMs, bool withMs) {
    const CivilDateTime value = TimestampToCivil(wallMs);
    return IsoDate(value.day) + u'T' + FormatTimeOfDay(value.time, withMs);
}

}  // namespace

int IsoWeekday(CivilDay day) {
    // 1970-01-01 (day 0) was a Thursday.
    return static_cast<int>(FloorMod(day.UnixDays() + 3, kDaysPerWeek)) + 1;
}

IsoWeek IsoWeekOf(CivilDay day) {
    // The week belongs to the year of its Thursday, and counts from that
    // year's first Thursday.
    const CivilDay thursday(day.UnixDays() + 4 - IsoWeekday(day));
    const CivilYearAndDay split = SplitCivilDay(thursday);
    return {split.year, split.dayOfYear / 7 + 1};
}

std::u16string FormatIsoWeek(IsoWeek week) {
    const std::u16string year = FormatDecimal(week.year < 0 ? -week.year : week.year, 4);
    const std::u16string sign = week.year < 0 ? u"-" : week.year > 9999 ? u"+" : u"";
    return sign + year + u"-W" + FormatDecimal(week.week, 2);
}

std::u16string IsoDateTime(std::int64_t unixMs, ZoneIndex zone, bool withMs) {
    const std::int32_t hours = ZoneOffsetHours(zone);
    return IsoDateAndTime(ShiftToZone(unixMs, kUtcZone, zone), withMs) + (hours < 0 ? u'-' : u'+') +
           FormatDecimal(hours < 0 ? -hours : hours, 2) + u":00";
}

std::u16string IsoDateTimeUtc(std::int64_t unixMs, bool withMs) {
    return IsoDateAndTime(unixMs, withMs) + u'Z';
}

ElapsedTime Elapsed(std::int64_t then, std::int64_t now) {
    using Unit = ElapsedTime::Unit;
    const bool future = then > now;
    // The distance in unsigned arithmetic, where it always fits.
    const std::uint64_t distance =
        future ? static_cast<std::uint64_t>(then) - static_cast<std::uint64_t>(now)
               : static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(then);
    constexpr std::uint64_t kYear = 31556952000;  // 365.2425 days
    struct Step {
        Unit unit;
        std::uint64_t ms;
    };
    constexpr Step kSteps[] = {
        {Unit::Year, kYear},   {Unit::Month, kYear / 12}, {Unit::Day, 86400000},
        {Unit::Hour, 3600000}, {Unit::Minute, 60000},     {Unit::Second, 1000},
    };
    for (const Step& step : kSteps) {
        if (distance >= step.ms) {
            return {step.unit, distance / step.ms, future};
        }
    }
    return {Unit::Now, 0, future};
}

}  // namespace tickwright

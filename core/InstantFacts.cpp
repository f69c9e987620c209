#include "core/InstantFacts.h"

#include <algorithm>

#include "core/Calendar.h"
#include "core/DecimalText.h"
#include "core/FloorDivision.h"
#include "core/Timestamp.h"

namespace tickwright {

namespace {

constexpr std::int64_t kDaysPerWeek = 7;

std::u16string_view ExpandedYearSign(std::int64_t year) {
    return YearTakesPlusSign(year) ? u"+" : u"";
}

// ISO's date text: FormatCivilDay's, with an expanded year's "+".
std::u16string IsoDate(CivilDay day) {
    return std::u16string(ExpandedYearSign(DateOf(day).year)) + FormatCivilDay(day);
}

std::u16string IsoDateAndTime(const CivilDateTime& wall, bool withMs) {
    return IsoDate(wall.day) + u'T' + FormatTimeOfDay(wall.time, withMs);
}

bool IsBefore(const CivilDateTime& a, const CivilDateTime& b) {
    return a.day.UnixDays() != b.day.UnixDays() ? a.day.UnixDays() < b.day.UnixDays()
                                                : a.time.Value() < b.time.Value();
}

// The whole calendar months from `now` to `then` on one wall clock: how many
// months `now` can step toward `then` without passing it, each step landing
// on now's day of the month, or on the month's last day when it is shorter.
std::int64_t WholeMonths(const CivilDateTime& now, const CivilDateTime& then) {
    const bool future = IsBefore(now, then);
    const CivilDate from = DateOf(now.day);
    const CivilDate to = DateOf(then.day);
    // Years stay within +-3e8, so the month count fits easily.
    const std::int64_t steps = (to.year - from.year) * 12 + (to.month - from.month);
    // The last of those steps lands in then's month: on which day, at now's time.
    const std::int32_t landedDay =
        std::min(from.day, DaysInMonth(to.month, IsCivilLeapYear(to.year)));
    const std::int32_t landedTime = now.time.Value();
    const std::int32_t thenTime = then.time.Value();
    const int order = landedDay != to.day      ? (landedDay < to.day ? -1 : 1)
                      : landedTime != thenTime ? (landedTime < thenTime ? -1 : 1)
                                               : 0;
    const bool overshoots = future ? order > 0 : order < 0;
    return (future ? steps : -steps) - (overshoots ? 1 : 0);
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
    return {split.year, static_cast<int>(split.dayOfYear / kDaysPerWeek) + 1};
}

std::u16string FormatIsoWeek(IsoWeek week) {
    const std::u16string year = FormatDecimal(week.year < 0 ? -week.year : week.year, 4);
    const std::u16string sign = week.year < 0 ? u"-" : std::u16string(ExpandedYearSign(week.year));
    return sign + year + u"-W" + FormatDecimal(week.week, 2);
}

std::u16string IsoDateTime(std::int64_t unixMs, ZoneIndex zone, bool withMs) {
    const std::int32_t hours = ZoneOffsetHours(zone);
    return IsoDateAndTime(CivilInZone(unixMs, zone), withMs) + (hours < 0 ? u'-' : u'+') +
           FormatDecimal(hours < 0 ? -hours : hours, 2) + u":00";
}

std::u16string IsoDateTimeUtc(std::int64_t unixMs, bool withMs) {
    return IsoDateAndTime(TimestampToCivil(unixMs), withMs) + u'Z';
}

ElapsedTime Elapsed(std::int64_t then, std::int64_t now, ZoneIndex zone) {
    using Unit = ElapsedTime::Unit;
    const bool future = then > now;
    const std::int64_t months = WholeMonths(CivilInZone(now, zone), CivilInZone(then, zone));
    if (months >= 12) {
        return {Unit::Year, static_cast<std::uint64_t>(months / 12), future};
    }
    if (months >= 1) {
        return {Unit::Month, static_cast<std::uint64_t>(months), future};
    }
    // Under a month the units are fixed lengths; the distance in unsigned
    // arithmetic, where it always fits.
    const std::uint64_t distance =
        future ? static_cast<std::uint64_t>(then) - static_cast<std::uint64_t>(now)
               : static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(then);
    struct Step {
        Unit unit;
        std::uint64_t ms;
    };
    constexpr Step kSteps[] = {
        {Unit::Day, MsOfDay::kPerDay},
        {Unit::Hour, MsOfDay::kPerHour},
        {Unit::Minute, MsOfDay::kPerMinute},
        {Unit::Second, MsOfDay::kPerSecond},
    };
    for (const Step& step : kSteps) {
        if (distance >= step.ms) {
            return {step.unit, distance / step.ms, future};
        }
    }
    return {Unit::Now, 0, future};
}

}  // namespace tickwright

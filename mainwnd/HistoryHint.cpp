#include "mainwnd/HistoryHint.h"

#include <array>

#include "core/Calendar.h"
#include "core/InstantFacts.h"
#include "core/Timestamp.h"

namespace tickwright {

namespace {

constexpr std::array<std::u16string_view, 7> kWeekdays = {
    u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};

// The units' words, in ElapsedTime::Unit order (Now has none).
constexpr std::array<std::u16string_view, 7> kUnitWords = {u"",   u"秒",   u"分钟", u"小时",
                                                           u"天", u"个月", u"年"};

std::u16string RelativeText(std::int64_t then, std::int64_t now) {
    const ElapsedTime elapsed = Elapsed(then, now);
    if (elapsed.unit == ElapsedTime::Unit::Now) {
        return u"刚才";
    }
    return FormatTimestamp(static_cast<std::int64_t>(elapsed.count)) + u' ' +
           std::u16string(kUnitWords[static_cast<std::size_t>(elapsed.unit)]) +
           (elapsed.future ? u"后" : u"前");
}

// Whether a wall-clock ms falls in the years the parsers accept, 1900..9999:
// told from the ms alone, without working out its date.
bool IsInParsedYears(std::int64_t wallMs) {
    constexpr std::int64_t kFirst = -2208988800000;  // 1900-01-01 00:00:00.000
    constexpr std::int64_t kEnd = 253402300800000;   // 10000-01-01 00:00:00.000
    return wallMs >= kFirst && wallMs < kEnd;
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

// The same digits read as each unit, on the input zone's clock, shown on the
// row's: a line for each reading that lands inside 1900..9999. The row's own
// reading never does (that is when these lines are asked for).
std::u16string OtherUnitLines(const HistoryInstant& row, std::int64_t value) {
    struct Reading {
        std::u16string_view label;
        std::int64_t wallMs;
        bool withMs;
    };
    const Reading readings[] = {
        {u"若按秒计：", MsFromTimestamp(value, Precision::Seconds), false},
        {u"若按毫秒计：", value, true},
        {u"若按微秒计：", FloorDiv(value, 1000), true},
        {u"若按纳秒计：", FloorDiv(value, 1000000), true},
    };
    std::u16string lines;
    for (const Reading& reading : readings) {
        const std::int64_t shownMs = ShiftToZone(reading.wallMs, row.inputZone, row.outputZone);
        if (!IsInParsedYears(shownMs)) {
            continue;
        }
        const CivilDateTime shown = TimestampToCivil(shownMs);
        lines += u'\n';
        lines += reading.label;
        lines += FormatCivilDay(shown.day);
        lines += u' ';
        lines += FormatTimeOfDay(shown.time, reading.withMs);
    }
    return lines;
}

}  // namespace

std::u16string HistoryHint(const HistoryInstant& row, std::int64_t nowMs) {
    const ConversionInstant& instant = row.instant;
    const std::int64_t wallMs = ShiftToZone(instant.unixMs, kUtcZone, instant.zone);
    const CivilDay day = TimestampToCivil(wallMs).day;
    // Appended piece by piece into one buffer: the hint is built each time it
    // is shown.
    std::u16string hint;
    hint.reserve(256);
    hint += u"ISO 8601：";
    hint += CopyAsText(row, CopyAs::IsoInZone);
    hint += u"\nUTC：";
    hint += CopyAsText(row, CopyAs::IsoUtc);
    hint += u"\nUnix 秒：";
    hint += CopyAsText(row, CopyAs::UnixSeconds);
    hint += u"\nUnix 毫秒：";
    hint += CopyAsText(row, CopyAs::UnixMilliseconds);
    hint += u'\n';
    hint += kWeekdays[static_cast<std::size_t>(IsoWeekday(day) - 1)];
    hint += u"，";
    hint += FormatIsoWeek(IsoWeekOf(day));
    hint += u"，当年第 ";
    hint += FormatTimestamp(SplitCivilDay(day).dayOfYear + 1);
    hint += u" 天\n距今：";
    hint += RelativeText(instant.unixMs, nowMs);
    if (instant.typedValue && !IsInParsedYears(wallMs)) {
        hint += OtherUnitLines(row, *instant.typedValue);
    }
    return hint;
}

std::u16string CopyAsText(const HistoryInstant& row, CopyAs kind) {
    const ConversionInstant& instant = row.instant;
    const bool withMs = ShowsMilliseconds(instant.precision);
    switch (kind) {
        case CopyAs::IsoInZone:
            return IsoDateTime(instant.unixMs, instant.zone, withMs);
        case CopyAs::IsoUtc:
            return IsoDateTimeUtc(instant.unixMs, withMs);
        case CopyAs::UnixSeconds:
            return FormatTimestamp(TimestampFromMs(instant.unixMs, Precision::Seconds));
        case CopyAs::UnixMilliseconds:
            break;
    }
    return FormatTimestamp(instant.unixMs);
}

}  // namespace tickwright

#include "mainwnd/HistoryHint.h"

#include <array>

#include "core/Calendar.h"
#include "core/FloorDivision.h"
#include "core/InstantFacts.h"
#include "core/LikelyUnit.h"
#include "core/Timestamp.h"

namespace tickwright {

namespace {

constexpr std::array<std::u16string_view, 7> kWeekdays = {
    u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};

// The units' words, indexed by ElapsedTime::Unit (Now has none).
constexpr std::array<std::u16string_view, 7> kUnitWords = {u"",   u"秒",   u"分钟", u"小时",
                                                           u"天", u"个月", u"年"};
static_assert(static_cast<std::size_t>(ElapsedTime::Unit::Now) == 0 &&
                  static_cast<std::size_t>(ElapsedTime::Unit::Second) == 1 &&
                  static_cast<std::size_t>(ElapsedTime::Unit::Year) + 1 == kUnitWords.size(),
              "kUnitWords follows ElapsedTime::Unit");

std::u16string RelativeText(std::int64_t then, std::int64_t now, ZoneIndex zone) {
    const ElapsedTime elapsed = Elapsed(then, now, zone);
    if (elapsed.unit == ElapsedTime::Unit::Now) {
        return u"刚才";
    }
    return FormatTimestamp(static_cast<std::int64_t>(elapsed.count)) + u' ' +
           std::u16string(kUnitWords[static_cast<std::size_t>(elapsed.unit)]) +
           (elapsed.future ? u"后" : u"前");
}

// When the digits most likely were another unit than the row's own: that
// reading, on the input zone's clock, shown on the row's, as one more line.
std::u16string OtherUnitLine(const HistoryInstant& row, std::int64_t value) {
    // The magnitude unsigned, so that INT64_MIN has one.
    const TimeUnit likely = LikelyUnit(value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                                 : static_cast<std::uint64_t>(value));
    const TimeUnit converted =
        row.instant.precision == Precision::Seconds ? TimeUnit::Seconds : TimeUnit::Milliseconds;
    if (value == 0 || likely == converted) {
        return {};
    }
    // The likely unit bounds the digits, so its reading stays in the 64-bit
    // range; only that one is made.
    std::int64_t wallMs = value;
    std::u16string_view label = u"若按毫秒计：";
    switch (likely) {
        case TimeUnit::Seconds:
            wallMs = value * MsOfDay::kPerSecond;
            label = u"若按秒计：";
            break;
        case TimeUnit::Milliseconds:
            break;
        case TimeUnit::Microseconds:
            wallMs = FloorDiv(value, 1000);
            label = u"若按微秒计：";
            break;
        case TimeUnit::Nanoseconds:
            wallMs = FloorDiv(value, 1000000);
            label = u"若按纳秒计：";
            break;
    }
    const CivilDateTime shown =
        CivilInZone(ShiftToZone(wallMs, row.inputZone, kUtcZone), row.instant.zone);
    return u'\n' + std::u16string(label) + FormatCivilDay(shown.day) + u' ' +
           FormatTimeOfDay(shown.time, likely != TimeUnit::Seconds);
}

}  // namespace

std::u16string HistoryHint(const HistoryInstant& row, std::int64_t nowMs) {
    const ConversionInstant& instant = row.instant;
    const CivilDay day = CivilInZone(instant.unixMs, instant.zone).day;
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
    hint += RelativeText(instant.unixMs, nowMs, instant.zone);
    if (instant.typedValue) {
        hint += OtherUnitLine(row, *instant.typedValue);
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

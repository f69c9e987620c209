#include "AdvancedConversion.h"

#include "TextParsing.h"
#include "Timestamp.h"

namespace tickwright {

namespace {

// The output side of one instant (ms on the input zone's clock) moved to the
// output zone.
OutputSide OutputOf(std::int64_t ms, ZoneIndex inputZone, ZoneIndex outputZone,
                    Precision precision) {
    const std::int64_t shifted = ShiftToZone(ms, inputZone, outputZone);
    const CalendarValue value = TimestampToCalendar(shifted);
    return {FormatTimestamp(TimestampFromMs(shifted, precision)), FormatDate(value.day),
            FormatTimeOfDay(value.time, precision == Precision::Milliseconds)};
}

}  // namespace

FromTimestampResult ComputeFromTimestamp(std::u16string_view timestampText, ZoneIndex inputZone,
                                         ZoneIndex outputZone, Precision precision) {
    const std::int64_t ms = MsFromTimestamp(ParseTimestampText(timestampText), precision);
    const CalendarValue input = TimestampToCalendar(ms);
    FromTimestampResult result;
    result.inputDate = FormatDate(input.day);
    result.inputTime = FormatTimeOfDay(input.time, precision == Precision::Milliseconds);
    result.output = OutputOf(ms, inputZone, outputZone, precision);
    result.record = {inputZone, std::u16string(timestampText), outputZone,
                     result.output.date + u' ' + result.output.time};
    return result;
}

FromDateTimeResult ComputeFromDateTime(std::u16string_view dateText, std::u16string_view timeText,
                                       ZoneIndex inputZone, ZoneIndex outputZone,
                                       Precision precision) {
    FromDateTimeResult result;
    result.effectiveTime =
        timeText.empty() ? std::u16string(kMidnightText) : std::u16string(timeText);
    const PackedDate date = ParseDateText(dateText);
    const PackedTime time = ParseTimeText(result.effectiveTime);
    if (date < kFirstPackedDate || date > kLastPackedDate) {
        result.message = std::u16string(kBadDateMessage);
        return result;
    }
    if (time < 0) {
        result.message = std::u16string(kBadTimeMessage);
        return result;
    }
    const std::int64_t ms = CalendarToTimestamp(date, time);
    result.inputTimestamp = FormatTimestamp(TimestampFromMs(ms, precision));
    result.output = OutputOf(ms, inputZone, outputZone, precision);
    result.record = {inputZone, std::u16string(dateText) + u' ' + result.effectiveTime, outputZone,
                     result.output.date + u' ' + result.output.time};
    return result;
}

}  // namespace tickwright

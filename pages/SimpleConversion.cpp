#include "pages/SimpleConversion.h"

#include "core/Timestamp.h"
#include "pages/DateTimeInput.h"

namespace tickwright {

ToTimestampResult ConvertToTimestamp(std::u16string_view dateText, std::u16string_view timeText,
                                     ZoneIndex zone, Precision precision) {
    const DateTimeInput input = ParseDateTimeInput(dateText, timeText);
    ToTimestampResult result;
    result.effectiveTime = input.effectiveTime;
    if (input.message) {
        result.message = std::u16string(*input.message);
        return result;
    }
    const std::int64_t unixMs =
        ShiftToZone(CalendarToTimestamp(input.date, input.time), zone, kUtcZone);
    result.timestamp = FormatTimestamp(TimestampFromMs(unixMs, precision));
    result.record = {zone, std::u16string(dateText) + u' ' + result.effectiveTime, kUtcZone,
                     result.timestamp};
    return result;
}

ToDateTimeResult ConvertToDateTime(std::u16string_view timestampText, ZoneIndex zone,
                                   Precision precision) {
    const std::int64_t ms = MsFromTimestamp(ParseTimestampText(timestampText), precision);
    const CivilDateTime local = TimestampToCivil(ShiftToZone(ms, kUtcZone, zone));
    ToDateTimeResult result;
    result.date = FormatCivilDay(local.day);
    result.time = FormatTimeOfDay(local.time, precision == Precision::Milliseconds);
    result.record = {kUtcZone, std::u16string(timestampText), zone,
                     result.date + u' ' + result.time};
    return result;
}

}  // namespace tickwright

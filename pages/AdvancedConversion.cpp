#include "pages/AdvancedConversion.h"

#include "core/Timestamp.h"
#include "pages/DateTimeInput.h"

namespace tickwright {

namespace {

// The output side of one instant (ms on the input zone's clock) moved to the
// output zone.
OutputSide OutputOf(std::int64_t ms, ZoneIndex inputZone, ZoneIndex outputZone,
                    Precision precision) {
    const std::int64_t shifted = ShiftToZone(ms, inputZone, outputZone);
    const CivilDateTime value = TimestampToCivil(shifted);
    return {FormatTimestamp(TimestampFromMs(shifted, precision)), FormatCivilDay(value.day),
            FormatTimeOfDay(value.time, ShowsMilliseconds(precision))};
}

}  // namespace

FromTimestampResult ComputeFromTimestamp(std::u16string_view timestampText, ZoneIndex inputZone,
                                         ZoneIndex outputZone, Precision precision) {
    const std::int64_t value = ParseTimestampText(timestampText);
    const std::int64_t ms = MsFromTimestamp(value, precision);
    const CivilDateTime input = TimestampToCivil(ms);
    FromTimestampResult result;
    result.inputDate = FormatCivilDay(input.day);
    result.inputTime = FormatTimeOfDay(input.time, ShowsMilliseconds(precision));
    result.output = OutputOf(ms, inputZone, outputZone, precision);
    // The instant the row shows: at the ends of the 64-bit range the shift
    // to the output zone saturates, and the row's date and time with it, so
    // the instant is taken back from that shown wall-clock time.
    const std::int64_t shown = ShiftToZone(ms, inputZone, outputZone);
    result.record = {inputZone,
                     std::u16string(timestampText),
                     outputZone,
                     result.output.date + u' ' + result.output.time,
                     {ShiftToZone(shown, outputZone, kUtcZone), precision, outputZone, value}};
    return result;
}

FromDateTimeResult ComputeFromDateTime(std::u16string_view dateText, std::u16string_view timeText,
                                       ZoneIndex inputZone, ZoneIndex outputZone,
                                       Precision precision) {
    const DateTimeInput input = ParseDateTimeInput(dateText, timeText);
    FromDateTimeResult result;
    result.effectiveTime = input.effectiveTime;
    if (input.message) {
        result.message = std::u16string(*input.message);
        return result;
    }
    const std::int64_t ms = CalendarToTimestamp(input.date, input.time);
    result.inputTimestamp = FormatTimestamp(TimestampFromMs(ms, precision));
    result.output = OutputOf(ms, inputZone, outputZone, precision);
    result.record = {inputZone,
                     std::u16string(dateText) + u' ' + result.effectiveTime,
                     outputZone,
                     result.output.date + u' ' + result.output.time,
                     {ShiftToZone(ms, inputZone, kUtcZone), precision, outputZone, std::nullopt}};
    return result;
}

}  // namespace tickwright

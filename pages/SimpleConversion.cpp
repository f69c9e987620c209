#include "pages/SimpleConversion.h"

namespace tickwright {

ToTimestampResult ConvertToTimestamp(std::u16string_view dateText, std::u16string_view timeText,
                                     ZoneIndex zone, Precision precision) {
    ToTimestampResult result = ComputeFromDateTime(dateText, timeText, zone, kUtcZone, precision);
    // The simple page records the timestamp it shows, not the UTC date; the
    // date and time the row shows are the typed ones, in their zone.
    result.record.output = result.output.timestamp;
    result.record.instant.zone = zone;
    return result;
}

ToDateTimeResult ConvertToDateTime(std::u16string_view timestampText, ZoneIndex zone,
                                   Precision precision) {
    return ComputeFromTimestamp(timestampText, kUtcZone, zone, precision);
}

}  // namespace tickwright

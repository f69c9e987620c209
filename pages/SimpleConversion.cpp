#include "pages/SimpleConversion.h"

namespace tickwright {

ToTimestampResult ConvertToTimestamp(std::u16string_view dateText, std::u16string_view timeText,
                                     ZoneIndex zone, Precision precision) {
    ToTimestampResult result = ComputeFromDateTime(dateText, timeText, zone, kUtcZone, precision);
    // The simple page records the timestamp it shows, not the UTC date.
    result.record.output = result.output.timestamp;
    return result;
}

ToDateTimeResult ConvertToDateTime(std::u16string_view timestampText, ZoneIndex zone,
                                   Precision precision) {
    return ComputeFromTimestamp(timestampText, kUtcZone, zone, precision);
}

}  // namespace tickwright

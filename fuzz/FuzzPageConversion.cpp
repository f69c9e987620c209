// Whole conversions of both pages on arbitrary texts, zones and precisions:
// no crash, no overflow, and a date and time converted to a timestamp
// converts back to the same output from that timestamp.
#include "AdvancedConversion.h"
#include "FuzzInput.h"
#include "SimpleConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tickwright;
    if (size < 3) {
        return 0;
    }
    const auto inZone = static_cast<ZoneIndex>(static_cast<std::int8_t>(data[0]));
    const auto outZone = static_cast<ZoneIndex>(static_cast<std::int8_t>(data[1]));
    const Precision precision = (data[2] & 1) != 0 ? Precision::Seconds : Precision::Milliseconds;
    const std::u16string text = TextFromBytes(data + 3, size - 3);
    // Three fields from one text, split at the first two tabs.
    const std::size_t tab1 = text.find(u'\t');
    const std::size_t tab2 = tab1 == std::u16string::npos ? tab1 : text.find(u'\t', tab1 + 1);
    const std::u16string first = text.substr(0, tab1);
    const std::u16string second =
        tab1 == std::u16string::npos ? u"" : text.substr(tab1 + 1, tab2 - tab1 - 1);

    const ToDateTimeResult toDateTime = ConvertToDateTime(text, inZone, precision);
    FUZZ_CHECK(toDateTime.record.input == text);
    const ToTimestampResult toTimestamp = ConvertToTimestamp(first, second, inZone, precision);
    FUZZ_CHECK(toTimestamp.message || toTimestamp.record.output == toTimestamp.timestamp);

    const FromTimestampResult fromTimestamp =
        ComputeFromTimestamp(text, inZone, outZone, precision);
    FUZZ_CHECK(fromTimestamp.record.input == text);
    const FromDateTimeResult fromDateTime =
        ComputeFromDateTime(first, second, inZone, outZone, precision);
    if (!fromDateTime.message && precision == Precision::Milliseconds) {
        const FromTimestampResult again =
            ComputeFromTimestamp(fromDateTime.inputTimestamp, inZone, outZone, precision);
        FUZZ_CHECK(again.output.timestamp == fromDateTime.output.timestamp);
        FUZZ_CHECK(again.output.date == fromDateTime.output.date);
        FUZZ_CHECK(again.output.time == fromDateTime.output.time);
    }
    return 0;
}

// Whole conversions of both pages on arbitrary texts, zones and precisions:
// no crash, no overflow; every date shown is the date an independent calendar
// gives; a date and time converted to a timestamp converts back to the same
// output from that timestamp; and a shown date of 1900 .. 9999 with its time
// reads back as the same millisecond.
#include "core/Timestamp.h"
#include "fuzz/FuzzInput.h"
#include "pages/AdvancedConversion.h"
#include "pages/SimpleConversion.h"
#include "tests/core/ReferenceCalendar.h"

namespace {

using namespace tickwright;

// The date an independent calendar gives for ms.
std::u16string ReferenceDateOf(std::int64_t ms) {
    std::int64_t days = ms / MsOfDay::kPerDay;
    if (ms % MsOfDay::kPerDay < 0) {
        --days;
    }
    return reference::Text(reference::DateOfUnixDays(days));
}

void CheckPageConversions(const ConversionInput& input) {
    const auto& [inZone, outZone, precision, text] = input;
    // Three fields from one text, split at the first two tabs.
    const std::size_t tab1 = text.find(u'\t');
    const std::size_t tab2 = tab1 == std::u16string::npos ? tab1 : text.find(u'\t', tab1 + 1);
    const std::u16string first = text.substr(0, tab1);
    const std::u16string second =
        tab1 == std::u16string::npos ? u"" : text.substr(tab1 + 1, tab2 - tab1 - 1);

    const ToDateTimeResult toDateTime = ConvertToDateTime(text, inZone, precision);
    FUZZ_CHECK(toDateTime.record.input == text);
    const ToTimestampResult toTimestamp = ConvertToTimestamp(first, second, inZone, precision);
    FUZZ_CHECK(toTimestamp.message || toTimestamp.record.output == toTimestamp.output.timestamp);

    const FromTimestampResult fromTimestamp =
        ComputeFromTimestamp(text, inZone, outZone, precision);
    FUZZ_CHECK(fromTimestamp.record.input == text);
    const std::int64_t inputMs = MsFromTimestamp(ParseTimestampText(text), precision);
    const std::int64_t outputMs = ShiftToZone(inputMs, inZone, outZone);
    FUZZ_CHECK(fromTimestamp.inputDate == ReferenceDateOf(inputMs));
    FUZZ_CHECK(fromTimestamp.output.date == ReferenceDateOf(outputMs));
    FUZZ_CHECK(toDateTime.output.date == ReferenceDateOf(ShiftToZone(inputMs, kUtcZone, inZone)));
    const std::int64_t outputYear = DateOf(TimestampToCivil(outputMs).day).year;
    if (outputYear >= 1900 && outputYear <= 9999 && precision == Precision::Milliseconds) {
        const FromDateTimeResult back = ComputeFromDateTime(
            fromTimestamp.output.date, fromTimestamp.output.time, outZone, outZone, precision);
        FUZZ_CHECK(!back.message);
        FUZZ_CHECK(back.inputTimestamp == FormatTimestamp(outputMs));
    }
    const FromDateTimeResult fromDateTime =
        ComputeFromDateTime(first, second, inZone, outZone, precision);
    if (!fromDateTime.message && precision == Precision::Milliseconds) {
        const FromTimestampResult again =
            ComputeFromTimestamp(fromDateTime.inputTimestamp, inZone, outZone, precision);
        FUZZ_CHECK(again.output.timestamp == fromDateTime.output.timestamp);
        FUZZ_CHECK(again.output.date == fromDateTime.output.date);
        FUZZ_CHECK(again.output.time == fromDateTime.output.time);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckConversionInput(data, size, &CheckPageConversions);
}

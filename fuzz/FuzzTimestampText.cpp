// Timestamp text through a whole conversion between two zones in either
// precision: no crash, no overflow, and wherever the instant has a date the
// parsers accept, date and time text lead back to the same instant.
#include "core/TextParsing.h"
#include "core/Timestamp.h"
#include "fuzz/FuzzInput.h"

namespace {

using namespace tickwright;

void CheckTimestampText(const ConversionInput& input) {
    const auto& [from, to, precision, text] = input;

    const std::int64_t value = ParseTimestampText(text);
    FUZZ_CHECK(ParseTimestampText(WithoutInvisible(text)) == value);
    FUZZ_CHECK(ParseTimestampText(FormatTimestamp(value)) == value);

    const std::int64_t ms = ShiftToZone(MsFromTimestamp(value, precision), from, to);
    const CivilDateTime calendar = TimestampToCivil(ms);
    FUZZ_CHECK(calendar.time.Value() >= 0 && calendar.time.Value() < MsOfDay::kPerDay);
    const std::int64_t shown = TimestampFromMs(ms, precision);
    if (precision == Precision::Seconds) {
        FUZZ_CHECK(shown <= ms / 1000 && shown >= ms / 1000 - 1);
    }

    const PackedDate date = ParseDateText(FormatCivilDay(calendar.day));
    const PackedTime time = ParseTimeText(FormatTimeOfDay(calendar.time, true));
    FUZZ_CHECK(time != -1);
    const std::int64_t year = DateOf(calendar.day).year;
    FUZZ_CHECK((date != -1) == (year >= 1900 && year <= 9999));
    if (date != -1) {
        FUZZ_CHECK(CalendarToTimestamp(date, time) == ms);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckConversionInput(data, size, &CheckTimestampText);
}

// Date text: never crashes, reads as if invisible characters were not there,
// accepts only dates of the span, and an accepted
// date written back out reads as the same day.
#include "core/Calendar.h"
#include "core/CivilDay.h"
#include "core/TextParsing.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tickwright;
    const PackedDate packed = ParseAsIfVisible(data, size, &ParseDateText);
    if (packed == -1) {
        return 0;
    }
    FUZZ_CHECK(packed >= kFirstPackedDate && packed <= kLastPackedDate);
    const DayNumber day = DayNumberFromPackedDate(packed);
    // Written back out the way the pages show dates.
    const PackedDate again = ParseDateText(FormatCivilDay(CivilDay::Of(day)));
    FUZZ_CHECK(again != -1);
    FUZZ_CHECK(DayNumberFromPackedDate(again) == day);
    return 0;
}

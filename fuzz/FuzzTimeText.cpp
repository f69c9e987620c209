// Time text: never crashes, reads as if invisible characters were not there,
// accepts only times of one day, and an accepted time
// written back out with milliseconds reads as the same value.
#include "core/Calendar.h"
#include "core/TextParsing.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tickwright;
    const PackedTime packed = ParseAsIfVisible(data, size, &ParseTimeText);
    if (packed == -1) {
        return 0;
    }
    FUZZ_CHECK(packed >= 0 && packed <= 235959999);
    const MsOfDay ms = MsOfDayFromPackedTime(packed);
    FUZZ_CHECK(ms.Value() >= 0 && ms.Value() < MsOfDay::kPerDay);
    FUZZ_CHECK(ParseTimeText(FormatTimeOfDay(ms, true)) == packed);
    return 0;
}

#include "pages/DateTimeInput.h"

#include "core/DecimalText.h"
#include "core/TextParsing.h"

namespace tickwright {

DateTimeInput ParseDateTimeInput(std::u16string_view dateText, std::u16string_view timeText) {
    DateTimeInput input;
    // A field of invisible characters alone is as empty to the reader as
    // one with nothing in it.
    const bool empty = SkipInvisible(timeText) == timeText.size();
    input.effectiveTime = empty ? std::u16string(kMidnightText) : std::u16string(timeText);
    input.date = ParseDateText(dateText);
    input.time = ParseTimeText(input.effectiveTime);
    if (input.date < kFirstPackedDate || input.date > kLastPackedDate) {
        input.message = kBadDateMessage;
    } else if (input.time < 0) {
        input.message = kBadTimeMessage;
    }
    return input;
}

}  // namespace tickwright

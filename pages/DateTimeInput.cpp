#include "pages/DateTimeInput.h"

#include "core/TextParsing.h"

namespace tickwright {

DateTimeInput ParseDateTimeInput(std::u16string_view dateText, std::u16string_view timeText) {
    DateTimeInput input;
    input.effectiveTime =
        timeText.empty() ? std::u16string(kMidnightText) : std::u16string(timeText);
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

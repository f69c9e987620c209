#include "mainwnd/HistoryPaste.h"

#include "core/EpochScanner.h"
#include "core/EpochText.h"

namespace tickwright {

std::vector<ConversionRecord> PastedRows(std::u16string_view text, ZoneIndex outputZone) {
    std::vector<ConversionRecord> rows;
    EpochText shown(outputZone);
    EpochScanner<char16_t> scanner(text, {});
    while (const std::optional<EpochNumber> number = scanner.Next()) {
        const std::string_view dateTime = shown.DateTime(number->instant, number->shownDigits);
        // Inside the window the instant's milliseconds fit easily.
        const auto unixMs = static_cast<std::int64_t>(number->instant.seconds) * 1000 +
                            number->instant.nanos / 1000000;
        rows.push_back(ConversionRecord(
            kUtcZone, std::u16string(text.substr(number->begin, number->end - number->begin)),
            outputZone, std::u16string(dateTime.begin(), dateTime.end()),
            {unixMs, number->shownDigits > 0 ? Precision::Milliseconds : Precision::Seconds,
             outputZone, std::nullopt}));
    }
    return rows;
}

}  // namespace tickwright

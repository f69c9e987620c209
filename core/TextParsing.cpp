#include "core/TextParsing.h"

#include "core/DecimalText.h"
#include "core/FullWidth.h"

namespace tickwright {

namespace {

// Full-width ASCII forms to ASCII, so that separators typed in full-width mode
// split like their ASCII twins.
std::u16string FoldWidth(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& c : folded) {
        c = AsciiTwin(c);
    }
    return folded;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

}  // namespace

std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator) {
    std::vector<std::u16string> pieces;
    if (text.empty()) {
        return pieces;
    }
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t found = text.find(separator);
    if (found == std::u16string_view::npos) {
        return pieces;
    }
    std::size_t start = 0;
    while (found != std::u16string_view::npos) {
        pieces.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
        found = text.find(separator, start);
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

PackedDate ParseDateText(std::u16string_view text) {
    const std::vector<std::u16string> pieces = SplitText(FoldWidth(text), u"-");
    if (pieces.size() != 3) {
        return -1;
    }
    const std::int32_t year = ReadInt32(pieces[0]);
    const std::int32_t month = ReadInt32(pieces[1]);
    const std::int32_t day = ReadInt32(pieces[2]);
    if (!InRange(year, 1900, 9999) || !InRange(month, 1, 12) || !InRange(day, 1, 31)) {
        return -1;
    }
    return year * 10000 + month * 100 + day;
}

PackedTime ParseTimeText(std::u16string_view text) {
    const std::vector<std::u16string> pieces = SplitText(FoldWidth(text), u":");
    if (pieces.size() != 3) {
        return -1;
    }
    std::int32_t seconds = 0;
    std::int32_t millis = 0;
    const std::vector<std::u16string> secondPieces = SplitText(pieces[2], u".");
    if (secondPieces.size() >= 2) {
        seconds = ReadInt32(secondPieces[0]);
        millis = ReadInt32(secondPieces[1]);
    } else {
        seconds = ReadInt32(pieces[2]);
    }
    const std::int32_t hours = ReadInt32(pieces[0]);
    const std::int32_t minutes = ReadInt32(pieces[1]);
    if (!InRange(hours, 0, 23) || !InRange(minutes, 0, 59) || !InRange(seconds, 0, 59) ||
        !InRange(millis, 0, 999)) {
        return -1;
    }
    return ((hours * 100 + minutes) * 100 + seconds) * 1000 + millis;
}

}  // namespace tickwright

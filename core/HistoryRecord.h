#pragma once

#include <string>

namespace tickwright {

// One row of the conversion history: where a value came from, what it became,
// and the user's note. Zone columns hold zone names, never indices.
struct HistoryRecord {
    std::u16string InputZone;
    std::u16string Input;
    std::u16string OutputZone;
    std::u16string Output;
    std::u16string Note;

    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

}  // namespace tickwright

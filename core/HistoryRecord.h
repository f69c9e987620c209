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

// The history list's columns, in the order of HistoryRecord's fields.
enum class HistoryColumn {
    InputZone,
    Input,
    OutputZone,
    Output,
    Note,
};
inline constexpr int kHistoryColumnCount = 5;

// The text of one column of a record.
inline const std::u16string& ColumnText(const HistoryRecord& record, HistoryColumn column) {
    switch (column) {
        case HistoryColumn::InputZone:
            return record.InputZone;
        case HistoryColumn::Input:
            return record.Input;
        case HistoryColumn::OutputZone:
            return record.OutputZone;
        case HistoryColumn::Output:
            return record.Output;
        case HistoryColumn::Note:
            break;
    }
    return record.Note;
}

}  // namespace tickwright

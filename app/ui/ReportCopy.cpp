#include "app/ui/ReportCopy.h"

#include <algorithm>

#include "app/ui/CellText.h"
#include "app/ui/ReportModel.h"

namespace ui {

namespace {

template <class Line>
std::u16string Lines(const std::vector<int>& rows, Line line) {
    std::u16string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != 0) {
            text += u'\n';
        }
        line(rows[i], text);
    }
    return text;
}

}  // namespace

std::u16string RowsText(const ReportModel& model, int columnCount, const std::vector<int>& rows) {
    return Lines(rows, [&](int row, std::u16string& text) {
        for (int column = 0; column < columnCount; ++column) {
            if (column > 0) {
                text += u'\t';
            }
            text += CopiedCell(model.CellText(row, column));
        }
    });
}

std::u16string ColumnText(const ReportModel& model, int column, const std::vector<int>& rows) {
    return Lines(rows, [&](int row, std::u16string& text) {
        text += CopiedCell(model.CellText(row, column));
    });
}

std::vector<int> RowsForCopyKey(std::vector<int> selected, int focused) {
    std::sort(selected.begin(), selected.end());
    if (selected.empty() && focused >= 0) {
        selected.push_back(focused);
    }
    return selected;
}

}  // namespace ui

#pragma once

// What the clipboard gets from a report-view list, the same on every
// backend: whole rows as lines of tab-separated cells, or one column of
// rows, a line each, every cell flattened by CopiedCell so a pasted row
// stays one row. Lines are separated by "\n"; a backend writes them the way
// its system's text ends lines.
//   RowsText(model, 3, {0, 2})   -> "a\tb\tc\ng\th\ti"
//   ColumnText(model, 1, {0, 2}) -> "b\nh"

#include <string>
#include <vector>

namespace ui {

class ReportModel;

std::u16string RowsText(const ReportModel& model, int columnCount, const std::vector<int>& rows);
std::u16string ColumnText(const ReportModel& model, int column, const std::vector<int>& rows);

// The rows Ctrl+C copies: the selected ones, top first, or the focused row
// (`focused`, -1 for none) when nothing is selected.
std::vector<int> RowsForCopyKey(std::vector<int> selected, int focused);

}  // namespace ui

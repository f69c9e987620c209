#pragma once

// The history list's columns: headings, and widths as fractions of the list's
// client width when the columns are made. They add up to 1.48 widths, so the
// list scrolls sideways; they are not recomputed on resize.

#include <array>
#include <string_view>

#include "app/ui/Dialog.h"
#include "core/HistoryRecord.h"

namespace tickwright {

// Headings in HistoryColumn order.
inline constexpr std::array<std::u16string_view, kHistoryColumnCount> kHistoryHeadings = {
    u"输入时区", u"输入内容", u"输出时区", u"输出内容", u"备注"};

// Integer part of 0.14, 0.35, 0.14, 0.35 and 0.5 times the client width.
std::array<int, kHistoryColumnCount> HistoryColumnWidths(int clientWidth);

// Adds grid lines, full-row selection and multiple work areas to the list's
// extended style (keeping the bits already set) and makes the five columns.
void SetUpHistoryColumns(ui::Dialog& dialog, int listId, int clientWidth);

}  // namespace tickwright

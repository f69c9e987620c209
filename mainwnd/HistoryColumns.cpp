#include "mainwnd/HistoryColumns.h"

namespace tickwright {

std::array<int, kHistoryColumnCount> HistoryColumnWidths(int clientWidth) {
    constexpr std::array<double, kHistoryColumnCount> kFactors = {0.14, 0.35, 0.14, 0.35, 0.5};
    std::array<int, kHistoryColumnCount> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        widths[i] = static_cast<int>(static_cast<double>(clientWidth) * kFactors[i]);
    }
    return widths;
}

void SetUpHistoryColumns(ui::Dialog& dialog, int listId, int clientWidth) {
    const ui::StyleFlags style = dialog.ReportGetExtendedStyle(listId);
    dialog.ReportSetExtendedStyle(listId, style | ui::LVS_EX_GRIDLINES | ui::LVS_EX_FULLROWSELECT |
                                              ui::LVS_EX_MULTIWORKAREAS);
    const std::array<int, kHistoryColumnCount> widths = HistoryColumnWidths(clientWidth);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        dialog.ReportInsertColumn(listId, static_cast<int>(i), kHistoryHeadings[i], widths[i]);
    }
}

}  // namespace tickwright

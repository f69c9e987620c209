#include "mainwnd/HistoryExport.h"

#include "core/DecimalText.h"
#include "core/FullWidth.h"
#include "core/Utf16.h"
#include "mainwnd/HistoryColumns.h"

namespace tickwright {

namespace {

void AppendField(std::string& out, std::u16string_view field) {
    if (field.find_first_of(u",\"\r\n") == std::u16string_view::npos) {
        AppendUtf8(out, field);
        return;
    }
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t quote = field.find(u'"'); quote != std::u16string_view::npos;
         quote = field.find(u'"', start)) {
        AppendUtf8(out, field.substr(start, quote + 1 - start));
        out.push_back('"');
        start = quote + 1;
    }
    AppendUtf8(out, field.substr(start));
    out.push_back('"');
}

bool IsPlainSignedInteger(std::u16string_view cell) {
    if (!cell.empty() && (cell.front() == u'+' || cell.front() == u'-')) {
        cell.remove_prefix(1);
    }
    return !cell.empty() && cell.find_first_not_of(u"0123456789") == std::u16string_view::npos;
}

// What the user typed is the only text that may start like a formula.
bool IsTypedColumn(int column) {
    return column == static_cast<int>(HistoryColumn::Input) ||
           column == static_cast<int>(HistoryColumn::Note);
}

template <class CellOf>
void AppendLine(std::string& out, CellOf cell) {
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        if (column > 0) {
            out.push_back(',');
        }
        const std::u16string_view text = cell(column);
        if (IsTypedColumn(column) && NeedsFormulaGuard(text)) {
            AppendField(out, u'\'' + std::u16string(text));
        } else {
            AppendField(out, text);
        }
    }
    out += "\r\n";
}

}  // namespace

bool NeedsFormulaGuard(std::u16string_view cell) {
    if (cell.empty()) {
        return false;
    }
    if (cell.front() == u'\t' || cell.front() == u'\r' || cell.front() == u'\n') {
        return true;
    }
    if (cell == u"-" || IsPlainSignedInteger(cell)) {
        return false;
    }
    // Some spreadsheets and importers trim leading blanks, or drop invisible
    // characters, before they look for a formula, and some take a
    // full-width sign for the ASCII one: the cell is judged by the first
    // character that is neither, read as this program reads it.
    const std::size_t pos = SkipBlanksAndInvisible(cell);
    return pos < cell.size() &&
           std::u16string_view(u"=+-@").find(AsciiTwin(cell[pos])) != std::u16string_view::npos;
}

std::string HistoryCsv(const HistoryList& history) {
    std::string out = "\xEF\xBB\xBF";
    AppendLine(out, [](int column) { return kHistoryHeadings[static_cast<std::size_t>(column)]; });
    for (int row = 0; row < history.RowCount(); ++row) {
        AppendLine(out, [&](int column) { return history.CellText(row, column); });
    }
    return out;
}

std::u16string ExportFileName(const BrokenDownTime& local) {
    return u"tickwright-history-" + FormatDecimal(local.yearSince1900 + 1900, 4) +
           FormatDecimal(local.month + 1, 2) + FormatDecimal(local.day, 2) + u'-' +
           FormatDecimal(local.hour, 2) + FormatDecimal(local.minute, 2) +
           FormatDecimal(local.second, 2) + u".csv";
}

}  // namespace tickwright

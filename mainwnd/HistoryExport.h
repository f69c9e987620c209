#pragma once

// The history as a file a spreadsheet opens: CSV (RFC 4180) in UTF-8 with a
// byte-order mark, so spreadsheet programs read the Chinese right; a heading
// row, then every row newest first as shown. Window-free.

#include <string>
#include <string_view>

#include "core/LocalTime.h"
#include "mainwnd/HistoryList.h"

namespace tickwright {

inline constexpr std::u16string_view kExportCaption = u"导出历史记录";
inline constexpr std::u16string_view kExportFilterName = u"CSV 文件";
inline constexpr std::u16string_view kExportFilterPattern = u"*.csv";
inline constexpr std::u16string_view kExportSuffix = u"csv";
// Followed by the reason on a line of its own.
inline constexpr std::u16string_view kExportFailed = u"无法导出历史记录:";

// The file's bytes. A field holding a comma, a double quote or a line break
// is quoted, its quotes doubled; lines end in CR LF.
//   a row {UTC+00H, 0, UTC+08H, 1970-01-01 08:00:00.000, say "hi", ok}
//   ->    UTC+00H,0,UTC+08H,1970-01-01 08:00:00.000,"say ""hi"", ok"\r\n
// What the user typed (the input and the note) and a spreadsheet could take
// for a formula (NeedsFormulaGuard says which) is written after a "'", which
// spreadsheets read as "this is text". The zones, outputs and headings the
// program writes itself go out as they are.
std::string HistoryCsv(const HistoryList& history);

// A typed cell that a spreadsheet would read as a formula, or whose first
// characters it might trim away to find one: its first character that is
// neither white space nor an invisible format character is "=", "+", "-",
// "@" or their full-width forms, or it starts with a tab, a CR or a LF. A
// plain signed integer ("-5", "+5") stays a number, and "-" alone (what a
// page shows after a refusal) is no formula.
//   "=HYPERLINK(...)" yes, " \u200B＝1+1" yes, "\t1985" yes,
//   "-1700000000" no, "-1+1" yes, "1985-01-01" no, "-" no
bool NeedsFormulaGuard(std::u16string_view cell);

// The name proposed for an export made at `local` wall-clock time:
//   tickwright-history-20261207-143005.csv
std::u16string ExportFileName(const BrokenDownTime& local);

}  // namespace tickwright

// The history as CSV: arbitrary 16-bit rows in, the file's bytes out, read
// back by the tests' own CSV reader and a UTF-8 reader of the harness's.
// Every field comes back exactly, but for lone surrogates, which come back as U+FFFD, and for the
// apostrophe that guards a typed cell a spreadsheet would run as a formula:
// it stands before the input or the note exactly when the rule stated here
// says (written out again, not asked of the exporter), and never before a
// zone or an output.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/Zones.h"
#include "fuzz/FuzzInput.h"
#include "mainwnd/HistoryColumns.h"
#include "mainwnd/HistoryExport.h"
#include "mainwnd/HistoryList.h"
#include "tests/UnicodeData.h"
#include "tests/Utf8.h"
#include "tests/mainwnd/CsvReader.h"

namespace {

using namespace tickwright;
using csvreader::Table;

// The text as UTF-8 can carry it: lone surrogates become U+FFFD.
std::u16string WellFormed(const std::u16string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            out.push_back(c);
            out.push_back(text[++i]);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back(u'\uFFFD');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// The guard's rule, stated on its own: a typed cell is guarded when it starts
// with a tab, CR or LF, or when its first code point that is neither
// White_Space nor of General Category Cf (both as the installed Unicode
// Character Database says) is = + - @ or their full-width forms; but never a
// plain signed integer, nor "-" alone.
bool RuleGuards(const std::u16string& cell) {
    if (cell.empty()) {
        return false;
    }
    if (cell[0] == u'\t' || cell[0] == u'\r' || cell[0] == u'\n') {
        return true;
    }
    const std::size_t digits = cell[0] == u'+' || cell[0] == u'-' ? 1 : 0;
    if (cell == u"-" || (cell.size() > digits &&
                         std::all_of(cell.begin() + static_cast<std::ptrdiff_t>(digits), cell.end(),
                                     [](char16_t c) { return c >= u'0' && c <= u'9'; }))) {
        return false;
    }
    for (std::size_t i = 0; i < cell.size(); ++i) {
        char32_t c = cell[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < cell.size() && cell[i + 1] >= 0xDC00 &&
            cell[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (cell[++i] - 0xDC00);
        }
        if (testsupport::IsWhiteSpaceInData(c) || testsupport::IsFormatInData(c)) {
            continue;
        }
        return std::u32string_view(U"=+-@\uFF1D\uFF0B\uFF0D\uFF20").find(c) !=
               std::u32string_view::npos;
    }
    return false;
}

std::u16string Typed(const std::u16string& cell) {
    return WellFormed(RuleGuards(cell) ? u'\'' + cell : cell);
}

}  // namespace

// Bytes: zone pairs and 16-bit text whose U+FFFF separates the fields, three
// to a row (input, output, note).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::u16string text = TextFromBytes(data + 2, size - 2);
    std::vector<std::u16string> fields(1);
    for (const char16_t c : text) {
        if (c == u'\uFFFF') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    while (fields.size() % 3 != 0) {
        fields.emplace_back();
    }
    HistoryList history;
    Table expected;
    for (std::size_t i = 0; i < fields.size(); i += 3) {
        const auto inZone = static_cast<std::int8_t>(data[0] + i);
        const auto outZone = static_cast<std::int8_t>(data[1] - i);
        history.AddHistoryRecord(static_cast<std::uint32_t>(inZone), fields[i],
                                 static_cast<std::uint32_t>(outZone), fields[i + 1]);
        history.SetHistoryNote(0, fields[i + 2]);
        expected.insert(expected.begin(), {ZoneName(inZone), Typed(fields[i]), ZoneName(outZone),
                                           WellFormed(fields[i + 1]), Typed(fields[i + 2])});
    }
    expected.insert(expected.begin(), {kHistoryHeadings.begin(), kHistoryHeadings.end()});

    const std::string csv = HistoryCsv(history);
    FUZZ_CHECK(csv.starts_with("\xEF\xBB\xBF"));
    // The writer only ever writes well-formed UTF-8.
    const std::optional<std::u16string> read = testsupport::FromUtf8(csv.substr(3));
    FUZZ_CHECK(read.has_value());
    const std::optional<Table> table = csvreader::ReadCsv(*read);
    FUZZ_CHECK(table.has_value() && *table == expected);
    return 0;
}

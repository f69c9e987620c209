#pragma once

// The tests' own CSV reader, apart from the program's writer: RFC 4180 read
// the plain way, fields quoted or not, quotes doubled inside quotes, every row
// ending in CR LF. Window-free, so the fuzzers read with it too.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace csvreader {

using Table = std::vector<std::vector<std::u16string>>;

// The rows of `text`; nothing when it is not such CSV (a quote inside an
// unquoted field, a line break outside quotes that is not CR LF, an open
// quote at the end, a last row without its CR LF).
inline std::optional<Table> ReadCsv(std::u16string_view text) {
    Table rows(1);
    std::u16string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            if (!field.empty()) {
                return std::nullopt;
            }
            quoted = true;
        } else if (c == u',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted || !field.empty() || !rows.back().empty()) {
        return std::nullopt;
    }
    rows.pop_back();
    return rows;
}

}  // namespace csvreader

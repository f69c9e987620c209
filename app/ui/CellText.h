#pragma once

// How much of a long cell a report-view list lays out. Laying out a cell
// costs what its whole text does, however little of it shows, and no column
// is wide enough for more than kMostCharactersShown characters; so a longer
// text is cut there and ends in an ellipsis. The model keeps it whole: copy,
// export and the detail dialog give every character.

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

inline constexpr std::size_t kMostCharactersShown = 1000;
inline constexpr char16_t kEllipsis = u'\u2026';

// How many UTF-16 units of `text` to show when at most `most` may be: the
// whole text when it is no longer, else `most`, or one fewer where that
// would split a character in two (a surrogate pair).
//   ShownLength(u"abc", 5) == 3, ShownLength(u"abcdef", 4) == 4
constexpr std::size_t ShownLength(std::u16string_view text, std::size_t most) {
    if (text.size() <= most) {
        return text.size();
    }
    const bool splitsAPair = most > 0 && text[most - 1] >= 0xD800 && text[most - 1] <= 0xDBFF;
    return splitsAPair ? most - 1 : most;
}

// A cell as the clipboard gets it: every control character and line or
// paragraph separator (tab, CR, LF, VT, FF, U+0085, U+2028, U+2029, ...)
// becomes a space, so that a pasted row stays one row and its cells stay
// apart.
inline std::u16string CopiedCell(std::u16string_view text) {
    std::u16string cell(text);
    for (char16_t& c : cell) {
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        if (control || c == u'\u2028' || c == u'\u2029') {
            c = u' ';
        }
    }
    return cell;
}

}  // namespace ui

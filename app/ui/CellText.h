#pragma once

// How much of a long cell a report-view list lays out. Laying out a cell
// costs what its whole text does, however little of it shows, and no column
// is wide enough for more than kMostCharactersShown characters; so a longer
// text is cut there and ends in an ellipsis. The model keeps it whole: copy,
// export and the detail dialog give every character.

#include <cstddef>
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

}  // namespace ui

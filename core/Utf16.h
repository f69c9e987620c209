#pragma once

// The characters of 16-bit text: a surrogate pair is one character of two
// units; any other unit, a lone surrogate too, is a character of its own.
//   CodePointAt(u"a\U0001D173", 1) == {0x1D173, 2}
//   CodePointAt(u"\xD834x", 0)     == {0xD834, 1}   (a lone high surrogate)

#include <cstddef>
#include <string>
#include <string_view>

namespace tickwright {

struct CodePoint {
    char32_t value;
    std::size_t length;  // 1 or 2 units
};

constexpr bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The character at `pos` (< text.size()).
constexpr CodePoint CodePointAt(std::u16string_view text, std::size_t pos) {
    const char16_t unit = text[pos];
    if (unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
        text[pos + 1] <= 0xDFFF) {
        return {0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[pos + 1] - 0xDC00), 2};
    }
    return {unit, 1};
}

// UTF-16 as UTF-8, appended to `out`; a lone surrogate becomes U+FFFD rather
// than bytes no reader takes.
void AppendUtf8(std::string& out, std::u16string_view text);

// UTF-8 as UTF-16; a byte that begins no well-formed character becomes
// U+FFFD, and reading goes on after it.
std::u16string Utf16FromUtf8(std::string_view bytes);

}  // namespace tickwright

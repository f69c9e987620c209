#include "core/DecimalText.h"

#include <limits>

#include "core/FullWidth.h"
#include "core/Utf16.h"

namespace tickwright {

namespace {

// Magnitude read from the digits at `pos`, capped at `cap`; the cap tells the
// caller that the number overflowed without any signed arithmetic happening.
std::uint64_t ReadMagnitude(std::u16string_view text, std::size_t pos, std::uint64_t cap) {
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (const std::size_t skip = InvisibleFormatLength(text, pos); skip != 0) {
            pos += skip - 1;
            continue;
        }
        const int digit = DigitValue(text[pos]);
        if (digit < 0) {
            break;
        }
        if (magnitude > (cap - static_cast<std::uint64_t>(digit)) / 10) {
            magnitude = cap;  // keep consuming digits; the result is saturated
        } else {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
        }
    }
    return magnitude;
}

template <typename Int>
Int ReadSigned(std::u16string_view text) {
    std::size_t pos = SkipBlanksAndInvisible(text);
    bool negative = false;
    if (pos < text.size()) {
        const char16_t c = AsciiTwin(text[pos]);
        if (c == u'+') {
            ++pos;
        } else if (c == u'-') {
            negative = true;
            ++pos;
        }
    }
    using Limits = std::numeric_limits<Int>;
    const auto maxMagnitude = static_cast<std::uint64_t>(Limits::max());
    // |min| is one more than max; reading up to it lets "-9223372036854775808" be exact.
    const std::uint64_t cap = negative ? maxMagnitude + 1 : maxMagnitude;
    const std::uint64_t magnitude = ReadMagnitude(text, pos, cap);
    if (!negative) {
        return static_cast<Int>(magnitude);
    }
    if (magnitude == maxMagnitude + 1) {
        return Limits::min();
    }
    return static_cast<Int>(-static_cast<Int>(magnitude));
}

struct Range {
    char32_t first;
    char32_t last;
};

// Whether `c` lies in one of `ranges` (ascending). Most characters a reader
// meets lie below the ranges or early among them, and leave at once.
template <std::size_t N>
constexpr bool InRanges(const Range (&ranges)[N], char32_t c) {
    for (const Range& range : ranges) {
        if (c < range.first) {
            return false;
        }
        if (c <= range.last) {
            return true;
        }
    }
    return false;
}

constexpr Range kWhiteSpace[] = {
#include "core/WhiteSpace.inc"
};

constexpr Range kFormatCharacters[] = {
#include "core/FormatCharacters.inc"
};

}  // namespace

bool IsWhiteSpace(char32_t c) {
    return InRanges(kWhiteSpace, c);
}

bool IsInvisibleFormat(char32_t c) {
    return InRanges(kFormatCharacters, c);
}

std::size_t InvisibleFormatLength(std::u16string_view text, std::size_t pos) {
    const CodePoint c = CodePointAt(text, pos);
    return IsInvisibleFormat(c.value) ? c.length : 0;
}

std::size_t SkipBlanksAndInvisible(std::u16string_view text, std::size_t pos) {
    while (pos < text.size()) {
        if (IsWhiteSpace(text[pos])) {
            ++pos;
        } else if (const std::size_t skip = InvisibleFormatLength(text, pos); skip != 0) {
            pos += skip;
        } else {
            break;
        }
    }
    return pos;
}

std::size_t SkipInvisible(std::u16string_view text, std::size_t pos) {
    while (pos < text.size()) {
        const std::size_t skip = InvisibleFormatLength(text, pos);
        if (skip == 0) {
            break;
        }
        pos += skip;
    }
    return pos;
}

int DigitValue(char16_t c) {
    const char16_t ascii = AsciiTwin(c);
    return ascii >= u'0' && ascii <= u'9' ? ascii - u'0' : -1;
}

std::int64_t ReadInt64(std::u16string_view text) {
    return ReadSigned<std::int64_t>(text);
}

std::int32_t ReadInt32(std::u16string_view text) {
    return ReadSigned<std::int32_t>(text);
}

std::u16string FormatDecimal(std::int64_t value, int minWidth) {
    // Work on the unsigned magnitude so that INT64_MIN needs no negation.
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    // Nine digits at a time: a 64-bit division is a library call on 32-bit
    // machines, and this way most digits come from 32-bit arithmetic.
    char16_t digits[20];
    int count = 0;
    do {
        auto chunk = static_cast<std::uint32_t>(magnitude % 1000000000u);
        magnitude /= 1000000000u;
        // A chunk below the most significant one keeps its leading zeros.
        const int width = magnitude != 0 ? 9 : 1;
        for (int written = 0; chunk != 0 || written < width; ++written) {
            digits[count++] = static_cast<char16_t>(u'0' + chunk % 10);
            chunk /= 10;
        }
    } while (magnitude != 0);

    std::u16string text;
    if (negative) {
        text.push_back(u'-');
    }
    const int width = count + (negative ? 1 : 0);
    if (minWidth > width) {
        text.append(static_cast<std::size_t>(minWidth - width), u'0');
    }
    while (count > 0) {
        text.push_back(digits[--count]);
    }
    return text;
}

}  // namespace tickwright

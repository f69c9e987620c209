#include "core/DecimalText.h"

#include <limits>

namespace tickwright {

namespace {

constexpr char16_t kFullWidthZero = u'\uFF10';
constexpr char16_t kFullWidthPlus = u'\uFF0B';
constexpr char16_t kFullWidthMinus = u'\uFF0D';

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
        const char16_t c = text[pos];
        if (c == u'+' || c == kFullWidthPlus) {
            ++pos;
        } else if (c == u'-' || c == kFullWidthMinus) {
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

}  // namespace

bool IsWhiteSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u00A0' || c == u'\u3000';
}

bool IsInvisibleFormat(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range kFormatCharacters[] = {
#include "core/FormatCharacters.inc"
    };
    // Ascending, and digits and ASCII lie below the first: most characters
    // leave at the first comparison.
    for (const Range& range : kFormatCharacters) {
        if (c < range.first) {
            return false;
        }
        if (c <= range.last) {
            return true;
        }
    }
    return false;
}

std::size_t InvisibleFormatLength(std::u16string_view text, std::size_t pos) {
    const char16_t unit = text[pos];
    if (unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
        text[pos + 1] <= 0xDFFF) {
        const char32_t c = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
        return IsInvisibleFormat(c) ? 2 : 0;
    }
    return IsInvisibleFormat(unit) ? 1 : 0;
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

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= kFullWidthZero && c <= kFullWidthZero + 9) {
        return c - kFullWidthZero;
    }
    return -1;
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

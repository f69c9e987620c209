#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/Precision.h"
#include "core/Zones.h"
#include "tests/UnicodeData.h"

namespace tickwright {

// Fuzzer bytes as 16-bit text, two bytes a character, so that every code unit
// (full-width forms, lone surrogates, NUL) can appear.
inline std::u16string TextFromBytes(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

// A conversion's inputs from fuzzer bytes: two zones (any signed byte, so
// indices outside the table too), the precision, then the text. Nothing when
// the bytes are too few.
struct ConversionInput {
    ZoneIndex from;
    ZoneIndex to;
    Precision precision;
    std::u16string text;
};
inline std::optional<ConversionInput> DecodeConversionInput(const std::uint8_t* data,
                                                            std::size_t size) {
    if (size < 3) {
        return std::nullopt;
    }
    return ConversionInput{static_cast<std::int8_t>(data[0]), static_cast<std::int8_t>(data[1]),
                           (data[2] & 1) != 0 ? Precision::Seconds : Precision::Milliseconds,
                           TextFromBytes(data + 3, size - 3)};
}

// The text as the readers must see it: every character of General Category
// Cf (as the installed Unicode Character Database says, not the program's
// table) gone, a surrogate pair that encodes one taken out whole. A lone
// surrogate stays a character of its own (written as U+FFFD), so that taking
// out what stood between two lone halves cannot join them into a new
// character.
inline std::u16string WithoutInvisible(const std::u16string& text) {
    const auto isHigh = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto isLow = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    std::u16string visible;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]);
        const char32_t c =
            pair ? 0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (text[i + 1] - 0xDC00)
                 : text[i];
        const std::size_t length = pair ? 2 : 1;
        if (!testsupport::IsFormatInData(c)) {
            if (pair) {
                visible.append(text, i, 2);
            } else {
                visible.push_back(isHigh(text[i]) || isLow(text[i]) ? u'\uFFFD' : text[i]);
            }
        }
        i += length;
    }
    return visible;
}

}  // namespace tickwright

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {   \
            __builtin_trap(); \
        }                     \
    } while (false)

namespace tickwright {

// A conversion fuzzer's whole entry point: `check` runs on the inputs the
// bytes encode, when they encode any.
template <class Check>
int CheckConversionInput(const std::uint8_t* data, std::size_t size, Check check) {
    if (const std::optional<ConversionInput> input = DecodeConversionInput(data, size)) {
        check(*input);
    }
    return 0;
}

// The fuzzer bytes as text, read by `parse` (a date or time parser); the
// reading must not change when the invisible format characters are taken out.
template <class Parse>
auto ParseAsIfVisible(const std::uint8_t* data, std::size_t size, Parse parse) {
    const std::u16string text = TextFromBytes(data, size);
    const auto value = parse(text);
    FUZZ_CHECK(parse(WithoutInvisible(text)) == value);
    return value;
}

}  // namespace tickwright

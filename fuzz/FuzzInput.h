#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/DecimalText.h"

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

// The text as the readers must see it: every invisible format character gone.
inline std::u16string WithoutInvisible(const std::u16string& text) {
    std::u16string visible;
    for (const char16_t c : text) {
        if (!IsInvisibleFormat(c)) {
            visible.push_back(c);
        }
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

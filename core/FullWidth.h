#pragma once

// The full-width ASCII forms a Chinese input method types in full-width
// mode, U+FF01 "！" .. U+FF5E "～", read as their ASCII twins "!" .. "~":
// digits, signs and separators alike. Every other character is itself.
//   AsciiTwin(u'１') == u'1', AsciiTwin(u'－') == u'-', AsciiTwin(u'年') == u'年'

namespace tickwright {

constexpr char16_t AsciiTwin(char16_t c) {
    return c >= u'\uFF01' && c <= u'\uFF5E' ? static_cast<char16_t>(c - u'\uFF01' + u'!') : c;
}

}  // namespace tickwright

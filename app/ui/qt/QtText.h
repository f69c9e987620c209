#pragma once

// Texts across the layer's boundary with Qt. Internal to the layer.

#include <QString>
#include <string>
#include <string_view>

namespace ui {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// Text as a classic control hands it out: up to its first NUL.
inline std::u16string FromQString(const QString& text) {
    std::u16string result = text.toStdU16String();
    const std::size_t nul = result.find(u'\0');
    if (nul != std::u16string::npos) {
        result.resize(nul);
    }
    return result;
}

}  // namespace ui

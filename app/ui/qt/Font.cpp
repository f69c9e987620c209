#include "app/ui/Font.h"

namespace ui {

// Qt fonts are values the widget copies: nothing to keep beside the description.
struct Font::Native {};

Font::Font() = default;
Font::~Font() = default;

void Font::CreatePointFont(int tenthsOfPoint, std::u16string_view face) {
    m_description = FontDescription{std::u16string(face), tenthsOfPoint / 10};
    m_created = true;
}

Font::Native& Font::NativeFont() const {
    if (!m_native) {
        m_native = std::make_unique<Native>();
    }
    return *m_native;
}

}  // namespace ui

#include "app/ui/Font.h"

#include <algorithm>
#include <map>

#include "app/ui/win32/Fonts.h"

namespace ui {

struct Font::Native {
    std::map<int, HFONT> byDpi;

    ~Native() {
        for (const auto& [dpi, font] : byDpi) {
            DeleteObject(font);
        }
    }
};

Font::Font() = default;
Font::~Font() = default;

void Font::CreatePointFont(int tenthsOfPoint, std::u16string_view face) {
    m_description = FontDescription{std::u16string(face), tenthsOfPoint / 10};
    m_created = true;
    m_native.reset();  // the old objects go with the old font
}

Font::Native& Font::NativeFont() const {
    if (!m_native) {
        m_native = std::make_unique<Native>();
    }
    return *m_native;
}

}  // namespace ui

namespace ui::win32 {

HFONT FontHandle(const Font& font, int dpi) {
    HFONT& handle = font.NativeFont().byDpi[dpi];
    if (handle == nullptr) {
        LOGFONTW description{};
        description.lfHeight = -MulDiv(font.Description().pointSize, dpi, 72);
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfQuality = DEFAULT_QUALITY;
        const std::u16string& face = font.Description().face;
        const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
        std::copy_n(face.begin(), length, description.lfFaceName);
        handle = CreateFontIndirectW(&description);
    }
    return handle;
}

}  // namespace ui::win32

#include "app/ui/qt/Fonts.h"

#include "app/ui/DialogUnits.h"
#include "app/ui/qt/QtText.h"

namespace ui {

std::u16string FamilyForFace(std::u16string_view face) {
    // The templates name Windows faces; Noto CJK stands in for both, the serif
    // cut for SimSun ("宋体") and the sans cut for the shell dialog font.
    if (face == kSimSunFace || face == u"SimSun") {
        return u"Noto Serif CJK SC";
    }
    return u"Noto Sans CJK SC";
}

QFont FontOf(const FontDescription& font) {
    QFont result(ToQString(FamilyForFace(font.face)));
    result.setPixelSize(PointsToPixels(font.pointSize));
    return result;
}

QFont ShellFont() {
    return FontOf(FontDescription{u"MS Shell Dlg", 9});
}

}  // namespace ui

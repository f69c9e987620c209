#include "app/ui/DialogUnits.h"

namespace ui {

namespace {

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

BaseUnits BaseUnitsOf(const FontDescription& font) {
    // Base units of the nominal faces at 96 dpi: SimSun 9 pt measures 6 x 12,
    // MS Shell Dlg 8 pt 6 x 13 and 9 pt 7 x 15.
    if (font.face == u"MS Shell Dlg") {
        return font.pointSize >= 9 ? BaseUnits{7, 15} : BaseUnits{6, 13};
    }
    return BaseUnits{6, 12};
}

Rect DialogUnitsToPixels(const Rect& rect, BaseUnits base) {
    return Rect{MulDiv(rect.x, base.x, 4), MulDiv(rect.y, base.y, 8), MulDiv(rect.width, base.x, 4),
                MulDiv(rect.height, base.y, 8)};
}

int PointsToPixels(int points) {
    return MulDiv(points, 96, 72);
}

}  // namespace ui

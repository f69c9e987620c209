#pragma once

// Dialog units to pixels. The classic rule scales x by a quarter and y by an
// eighth of the font's base units. The base units here are fixed per nominal
// font rather than measured from whatever font substitutes for it, so every
// machine lays a template out identically; Qt's device-independent pixels
// then take care of high DPI.

#include "app/ui/DialogTemplate.h"

namespace ui {

struct BaseUnits {
    int x = 6;   // average character width, pixels
    int y = 12;  // character height, pixels
};

BaseUnits BaseUnitsOf(const FontSpec& font);

// Rounded like MulDiv: x * base.x / 4, y * base.y / 8.
Rect DialogUnitsToPixels(const Rect& rect, BaseUnits base);

// Pixel size of a font given in points, at 96 device-independent pixels to
// the inch: 9 pt is 12 px, 12 pt is 16 px.
int PointsToPixels(int points);

}  // namespace ui

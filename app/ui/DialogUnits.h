#pragma once

// Dialog units to pixels. The classic rule scales x by a quarter and y by an
// eighth of the font's base units. BaseUnitsOf gives fixed base units per
// nominal font rather than measured from whatever font substitutes for it,
// so that every machine lays a template out identically: the Qt backend's
// way, whose device-independent pixels then take care of high DPI. The Win32
// backend lets the dialog manager measure the real font instead.

#include "app/ui/DialogTemplate.h"

namespace ui {

struct BaseUnits {
    int x = 6;   // average character width, pixels
    int y = 12;  // character height, pixels
};

BaseUnits BaseUnitsOf(const FontDescription& font);

// Rounded like MulDiv: x * base.x / 4, y * base.y / 8.
Rect DialogUnitsToPixels(const Rect& rect, BaseUnits base);

// Pixel size of a font given in points, at 96 device-independent pixels to
// the inch: 9 pt is 12 px, 12 pt is 16 px.
int PointsToPixels(int points);

}  // namespace ui

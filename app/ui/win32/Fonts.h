#pragma once

// Fonts as GDI objects, one per screen density. Internal to the Win32
// backend.

#include "app/ui/Font.h"
#include "app/ui/win32/Windows.h"

namespace ui::win32 {

// The font at `dpi` dots to the inch, made when first asked and kept (and
// released) with `font`: a control only borrows the font it is given.
HFONT FontHandle(const Font& font, int dpi);

}  // namespace ui::win32

#pragma once

// The fonts the templates name, as installed families. Internal to the layer.

#include <QFont>
#include <string>
#include <string_view>

#include "app/ui/DialogTemplate.h"

namespace ui {

// The installed family that stands in for a template's nominal face.
std::u16string FamilyForFace(std::u16string_view face);

// A template's font: its face's stand-in at the template's point size.
QFont FontOf(const FontDescription& font);

// The system's user-interface font, for message boxes and menus.
QFont ShellFont();

}  // namespace ui

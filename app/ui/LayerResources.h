#pragma once

#include <QFont>
#include <QIcon>

namespace ui {

// The icon registered under a resource id; an empty icon for an unknown id.
QIcon IconFor(int id);

// The system's user-interface font, for message boxes and menus.
QFont ShellFont();

}  // namespace ui

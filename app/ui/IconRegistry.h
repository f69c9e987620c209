#pragma once

#include <QIcon>

namespace ui {

// The icon registered under a resource id; an empty icon for an unknown id.
QIcon IconFor(int id);

}  // namespace ui

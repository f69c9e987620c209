#pragma once

// Icons from the resource table as Qt draws them. Internal to the layer.

#include <QIcon>

namespace ui {

// The icon registered under a resource id; an empty icon for an unknown id.
QIcon IconFor(int id);

}  // namespace ui

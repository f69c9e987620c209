#pragma once

// Icons from the resource table as Qt draws them. Internal to the layer.

#include <QIcon>
#include <limits>

namespace ui {

// The icon registered under a resource id, with its pictures up to `largest`
// pixels; an empty icon for an unknown id.
QIcon IconFor(int id, int largest = std::numeric_limits<int>::max());

// The icon for a window's title bar and task bar. The window system is handed
// every size an icon has, each decoded first; the sizes it draws go up to
// 48 px, so the large picture goes only to high-DPI screens.
QIcon WindowIconFor(int id, qreal devicePixelRatio);

}  // namespace ui

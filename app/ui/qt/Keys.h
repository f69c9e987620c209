#pragma once

// Qt's key codes as the virtual-key codes (Style.h) the layer's contract
// speaks in. Internal to the Qt backend.

#include <Qt>

namespace ui {

// The VK_ code of a key, or 0 for a key that has none.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The Qt key of a VK_ code, or 0 (Qt::Key_unknown's place) for none.
int QtKeyOf(int virtualKey);

}  // namespace ui

#pragma once

namespace ui {

// Once, after the Qt application object exists: the style, the default font
// and key routing.
void InitializeUi();

}  // namespace ui

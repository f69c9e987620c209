#pragma once

// The layer's own way into a dialog: the backend's window behind it, and a
// top-level window shown without a modal loop (the test driver's, for
// screenshots and tests of a window as it stands). Internal to the layer, its
// backends and its test driver: dialog classes never include it.

#include "app/ui/Dialog.h"

namespace ui {

class DialogAccess {
public:
    static DialogWindow* WindowOf(const Dialog& dialog) { return dialog.m_window.get(); }
    static bool CreateModeless(Dialog& dialog) { return dialog.CreateModeless(); }
};

}  // namespace ui

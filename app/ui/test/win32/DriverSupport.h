#pragma once

// What the Win32 driver's parts share: windows and controls from the
// driver's handles, the layer's pixels, the open menu, the message pump.
// Internal to the driver.

#include "app/ui/win32/Windows.h"
//
#include "app/ui/test/Driver.h"

namespace ui {
class DialogWindow;
}

namespace ui::test::support {

HWND HandleOf(Window window);
// The layer's dialog whose window `window` is, or nullptr.
DialogWindow* DialogOf(Window window);
HWND ControlOf(Window window, int id);
// The contract's pixels (1/96 inch) of `window`'s screen, and back.
int ToDips(HWND window, int pixels);
int ToDevice(HWND window, int dips);
Rect ToDipsRect(HWND window, const RECT& r);
// The menu open now, or nullptr.
HWND OpenMenu();
// Handles what is waiting, unless a menu runs its own loop beneath this
// call: the input posted for it is the menu's to read.
void Pump();
// The list `id`, its row count taken as it will be drawn.
HWND ListControl(Window window, int id);
// A key press (down and up) posted to `target`.
void PostKey(HWND target, int virtualKey, unsigned modifiers);

}  // namespace ui::test::support

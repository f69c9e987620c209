#pragma once

// The layer's own message loop: what every message goes through while one of
// the layer's dialogs runs modally (and in the test driver's pump). The
// system's own modal loops, a message box's, a menu's and the save dialog's,
// handle their messages themselves. Internal to the Win32 backend.

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

// One message as the layer handles it: a key-down is first offered to
// PreTranslateKeyDown of the dialog holding the focused control, then of
// each dialog it lies in; one that none consumes goes to the dialog manager
// (IsDialogMessageW: Tab, the arrows, Enter, Escape, mnemonics), and then,
// like every other message, to its window.
void ProcessMessage(MSG& message);

// Handles every message that is waiting; false when the program was asked to
// quit (WM_QUIT, which is posted again for the loop outside).
bool ProcessPendingMessages();

}  // namespace ui::win32

#pragma once

// What a dialog's window (the backend's DialogWindow) asks of the dialog that
// owns it. The window reports upward through this and never reaches for the
// dialog class itself, so the layer's pieces depend one way: Dialog on
// DialogWindow, never back.

#include "app/ui/MessageMap.h"

namespace ui {

class Dialog;

class WindowOwner {
public:
    // A notification for the owner's message map; true when it was handled.
    virtual bool Deliver(const Event& event) = 0;
    // A key-down before any widget sees it; true consumes it.
    virtual bool PreTranslateKeyDown(int key) = 0;
    virtual void OnOK() = 0;
    virtual void OnCancel() = 0;
    // The standard window-menu commands that no handler took.
    virtual void DefaultSysCommand(int command) = 0;
    // The window is going away on its own (the window system destroyed it).
    virtual void WindowDestroyed() = 0;
    // The owner as the dialog that message boxes name as theirs.
    virtual const Dialog* AsDialog() const = 0;

protected:
    ~WindowOwner() = default;
};

}  // namespace ui

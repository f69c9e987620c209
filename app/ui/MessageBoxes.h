#pragma once

// Modal message boxes, and the seam through which tests record them instead.

#include <functional>
#include <string>

#include "app/ui/Style.h"

class QWidget;

namespace ui {

class Dialog;

struct MessageBoxRequest {
    const Dialog* owner = nullptr;
    std::u16string text;
    std::u16string caption;
    StyleFlags style = 0;
};

// Shows the box modal to `ownerWindow` (the owner's window; nullptr: the
// whole application) and returns IDOK.
int ShowMessageBox(const MessageBoxRequest& request, QWidget* ownerWindow = nullptr);

// Replaces the box; the handler's return value is the box's result. An empty
// handler restores the real box.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace ui

#pragma once

// Modal message boxes, and the seam through which tests record them instead.

#include <functional>
#include <string>
#include <string_view>

#include "app/ui/Style.h"

namespace ui {

class Dialog;

// The caption of the boxes the layer itself shows when something failed.
inline constexpr std::u16string_view kErrorCaption = u"错误";

struct MessageBoxRequest {
    // The dialog whose window the box is modal to (a page's: the window the
    // page lives in); nullptr: the whole application.
    const Dialog* owner = nullptr;
    std::u16string text;
    std::u16string caption;
    StyleFlags style = 0;
};

// Shows the box and returns IDOK once it is closed.
int ShowMessageBox(const MessageBoxRequest& request);

// Replaces the box; the handler's return value is the box's result. An empty
// handler restores the real box.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace ui

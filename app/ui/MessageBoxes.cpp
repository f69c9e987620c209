#include "app/ui/MessageBoxes.h"

#include "app/ui/Backend.h"

namespace ui {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

int ShowMessageBox(const MessageBoxRequest& request) {
    if (Handler()) {
        return Handler()(request);
    }
    return backend::ShowMessageBox(request);
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace ui

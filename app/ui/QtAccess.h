#pragma once

// For tests and benchmarks only: the Qt widgets behind a dialog, reached as a
// user's click would reach them. Dialog classes never include this.

#include <QWidget>

#include "app/ui/Dialog.h"
#include "app/ui/DialogWindow.h"

namespace ui {

inline QWidget* WidgetOf(const Dialog& dialog) {
    return dialog.Window();
}

// The widget of control `id`, found the way a test would: by object name.
inline QWidget* ControlWidget(const Dialog& dialog, int id) {
    QWidget* window = WidgetOf(dialog);
    return window != nullptr
               ? window->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly)
               : nullptr;
}

}  // namespace ui

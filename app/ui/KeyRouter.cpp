#include "app/ui/KeyRouter.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

#include "app/ui/DialogWindow.h"

namespace ui {

namespace {

DialogWindow* DialogWindowOf(QObject* object) {
    for (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr;
         widget = widget->parentWidget()) {
        if (auto* window = qobject_cast<DialogWindow*>(widget)) {
            return window;
        }
        if (widget->isWindow()) {
            return nullptr;  // a popup or a box of its own, not part of a dialog
        }
    }
    return nullptr;
}

int KeyCodeOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        default:
            return event.key();
    }
}

// 1 for Down and Right, -1 for Up and Left, 0 for any other key.
int ArrowStep(const QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier) {
        return 0;
    }
    switch (event.key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            return 1;
        case Qt::Key_Up:
        case Qt::Key_Left:
            return -1;
        default:
            return 0;
    }
}

}  // namespace

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    DialogWindow* window = DialogWindowOf(watched);
    if (window == nullptr) {
        return false;
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (keyEvent.key() == Qt::Key_Space && keyEvent.modifiers() == Qt::AltModifier) {
        DialogWindow* top = qobject_cast<DialogWindow*>(window->window());
        if (top != nullptr) {
            top->OpenWindowMenu(top->mapToGlobal(QPoint(0, 0)));
        }
        return true;
    }
    const int key = KeyCodeOf(keyEvent);
    DialogWindow* top = window;
    for (DialogWindow* current = window; current != nullptr;) {
        top = current;
        WindowOwner* dialog = current->Owner();
        if (dialog != nullptr && dialog->PreTranslateKeyDown(key)) {
            return true;
        }
        current = current->IsChild() ? DialogWindowOf(current->parentWidget()) : nullptr;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        top->DefaultKeyDown(key);
        return true;
    }
    if (const int step = ArrowStep(keyEvent); step != 0) {
        auto* radio = qobject_cast<QRadioButton*>(watched);
        if (radio != nullptr && radio->group() != nullptr) {
            window->MoveInRadioGroup(radio, step);
            return true;
        }
    }
    return false;
}

}  // namespace ui

#include "app/ui/qt/KeyRouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/Keys.h"

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
    // A key is offered once, where it arrives: the focused widget (or the
    // window when nothing has the focus). A widget that ignores it passes
    // the same event on to its parents, which must not offer it again.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const QWidget* arrival = QApplication::focusWidget();
    if (widget == nullptr || (arrival != nullptr ? widget != arrival : !widget->isWindow())) {
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
    const int key = VirtualKeyOf(keyEvent.key(), keyEvent.modifiers());
    if (key == 0) {
        return false;  // no virtual key: nothing a dialog could be offered
    }
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

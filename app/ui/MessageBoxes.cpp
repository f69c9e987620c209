#include "app/ui/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/ui/Fonts.h"
#include "app/ui/QtText.h"

namespace ui {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

int ShowRealMessageBox(const MessageBoxRequest& request, QWidget* owner) {
    QMessageBox box(owner != nullptr ? owner->window() : nullptr);
    box.setFont(ShellFont());
    box.setWindowTitle(ToQString(request.caption));
    box.setText(ToQString(request.text));
    box.setIcon((request.style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning
                                                                           : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
    return IDOK;
}

}  // namespace

int ShowMessageBox(const MessageBoxRequest& request, QWidget* ownerWindow) {
    if (Handler()) {
        return Handler()(request);
    }
    return ShowRealMessageBox(request, ownerWindow);
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace ui

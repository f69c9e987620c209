// The real message box of the Qt backend.
#include <QMessageBox>
#include <QPushButton>

#include "app/ui/Backend.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/Fonts.h"
#include "app/ui/qt/QtText.h"

namespace ui::backend {

int ShowMessageBox(const MessageBoxRequest& request) {
    QWidget* owner =
        request.owner != nullptr ? ui::DialogAccess::WindowOf(*request.owner) : nullptr;
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

}  // namespace ui::backend

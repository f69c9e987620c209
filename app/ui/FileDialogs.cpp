#include "app/ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "app/ui/Dialog.h"
#include "app/ui/DialogWindow.h"
#include "app/ui/QtText.h"

namespace ui {

namespace {

SaveFileHandler& Handler() {
    static SaveFileHandler handler;
    return handler;
}

}  // namespace

std::u16string GetSaveFileName(const SaveFileRequest& request) {
    if (Handler()) {
        return Handler()(request);
    }
    QWidget* owner = request.owner != nullptr ? request.owner->Window() : nullptr;
    QFileDialog dialog(owner, ToQString(request.caption), ToQString(request.defaultPath),
                       ToQString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQString(request.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front().toStdU16String();
}

std::u16string HomeFolder() {
    return QDir::homePath().toStdU16String();
}

void SetSaveFileHandler(SaveFileHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace ui

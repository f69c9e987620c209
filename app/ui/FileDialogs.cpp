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
    return QFileDialog::getSaveFileName(owner, ToQString(request.caption),
                                        ToQString(request.defaultPath), ToQString(request.filter))
        .toStdU16String();
}

std::u16string HomeFolder() {
    return QDir::homePath().toStdU16String();
}

void SetSaveFileHandler(SaveFileHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace ui

// The real save dialog of the Qt backend, and where it proposes to save.
#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "app/ui/Backend.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/QtText.h"

namespace ui::backend {

namespace {

// Qt's own filter syntax: "CSV 文件 (*.csv);;...".
QString QtFilter(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const FileFilter& filter : filters) {
        parts.push_back(ToQString(filter.name) + QStringLiteral(" (") + ToQString(filter.pattern) +
                        u')');
    }
    return parts.join(QStringLiteral(";;"));
}

}  // namespace

std::u16string GetSaveFileName(const SaveFileRequest& request) {
    QWidget* owner =
        request.owner != nullptr ? ui::DialogAccess::WindowOf(*request.owner) : nullptr;
    QFileDialog dialog(owner, ToQString(request.caption), ToQString(request.defaultPath),
                       QtFilter(request.filters));
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

}  // namespace ui::backend

#include "app/ui/Files.h"

#include <QFileInfo>
#include <QSaveFile>

#include "app/ui/QtText.h"

namespace ui {

std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes) {
    const QString name = ToQString(path);
    if (QFileInfo(name).isDir()) {
        return u"已有同名文件夹 (a folder is in the way)";
    }
    // Unbuffered, and written until every byte is taken: Qt's buffered
    // write reports a file cut short by a full disk as a success.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString().toStdU16String();
    }
    const auto size = static_cast<qint64>(bytes.size());
    for (qint64 written = 0; written < size;) {
        const qint64 count = file.write(bytes.data() + written, size - written);
        if (count <= 0) {
            const std::u16string reason = file.errorString().toStdU16String();
            file.cancelWriting();
            return reason;
        }
        written += count;
    }
    if (!file.commit()) {
        return file.errorString().toStdU16String();
    }
    return {};
}

}  // namespace ui

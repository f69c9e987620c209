#include "app/ui/Files.h"

#include <unistd.h>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "app/ui/Backend.h"
#include "app/ui/qt/QtText.h"

namespace ui {

namespace {

// The system's reason for a failed call, in the words of the C library.
std::u16string SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdU16String();
}

}  // namespace

namespace backend {

bool IsFolder(const std::u16string& path) {
    return QFileInfo(ToQString(path)).isDir();
}

std::u16string WriteBesideAndReplace(const std::u16string& path, std::string_view bytes) {
    const QString name = ToQString(path);
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
    // commit() syncs too but ignores whether the disk took the data; a
    // refusal must cancel, not replace the old file with a damaged one.
    const int descriptor = file.handle();
    const std::u16string refused = Durable(
        [descriptor] { return ::fsync(descriptor) == 0 ? std::u16string() : SystemReason(errno); });
    if (!refused.empty()) {
        file.cancelWriting();
        return refused;
    }
    if (!file.commit()) {
        return file.errorString().toStdU16String();
    }
    return {};
}

}  // namespace backend

}  // namespace ui

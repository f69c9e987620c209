#include "app/resources/IntroPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace res {

namespace {

const QString kRelativePath = QStringLiteral("tickwright/intro.html");

QString Of(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::u16string FindIntroPage(std::u16string_view executableDir,
                             const std::vector<std::u16string>& dataDirs) {
    const QString besideExecutable =
        QDir::cleanPath(Of(executableDir) + QStringLiteral("/../share/") + kRelativePath);
    if (QFileInfo(besideExecutable).isFile()) {
        return besideExecutable.toStdU16String();
    }
    for (const std::u16string& dataDir : dataDirs) {
        // The XDG base directory rules call a relative directory invalid: it
        // would name a different place for every working directory, and hand
        // the link a relative address.
        if (!QDir::isAbsolutePath(Of(dataDir))) {
            continue;
        }
        const QString candidate = QDir::cleanPath(Of(dataDir) + u'/' + kRelativePath);
        if (QFileInfo(candidate).isFile()) {
            return candidate.toStdU16String();
        }
    }
    return besideExecutable.toStdU16String();
}

std::u16string IntroPageUrl() {
    std::vector<std::u16string> dataDirs;
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        dataDirs.push_back(dir.toStdU16String());
    }
    const std::u16string path =
        FindIntroPage(QCoreApplication::applicationDirPath().toStdU16String(), dataDirs);
    return QUrl::fromLocalFile(Of(path)).toString().toStdU16String();
}

}  // namespace res

#include "app/ui/qt/Icons.h"

#include "app/ui/ResourceTables.h"
#include "app/ui/qt/QtText.h"

namespace ui {

QIcon IconFor(int id, int largest) {
    QIcon icon;
    for (const IconFile& file : IconFiles(id)) {
        // With its size given, a file is decoded only when drawn.
        if (file.size <= largest) {
            icon.addFile(QStringLiteral(":/icons/") + ToQString(file.name),
                         QSize(file.size, file.size));
        }
    }
    return icon;
}

QIcon WindowIconFor(int id, qreal devicePixelRatio) {
    constexpr int kLargestDrawn = 48;
    return devicePixelRatio > 1.0 ? IconFor(id) : IconFor(id, kLargestDrawn);
}

}  // namespace ui

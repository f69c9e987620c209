#include "app/ui/Icons.h"

#include "app/ui/QtText.h"
#include "app/ui/ResourceTables.h"

namespace ui {

QIcon IconFor(int id, int largest) {
    QIcon icon;
    for (const IconFile& file : IconFiles(id)) {
        // With its size given, a file is decoded only when drawn.
        if (file.size <= largest) {
            icon.addFile(ToQString(file.path), QSize(file.size, file.size));
        }
    }
    return icon;
}

QIcon WindowIconFor(int id, qreal devicePixelRatio) {
    constexpr int kLargestDrawn = 48;
    return devicePixelRatio > 1.0 ? IconFor(id) : IconFor(id, kLargestDrawn);
}

}  // namespace ui

#include "app/ui/Icons.h"

#include "app/ui/QtText.h"
#include "app/ui/ResourceTables.h"

namespace ui {

QIcon IconFor(int id) {
    QIcon icon;
    for (const IconFile& file : IconFiles(id)) {
        // With its size given, a file is decoded only when drawn.
        icon.addFile(ToQString(file.path), QSize(file.size, file.size));
    }
    return icon;
}

}  // namespace ui

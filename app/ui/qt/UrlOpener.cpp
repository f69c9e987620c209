// Addresses opened with the desktop's URL handler.
#include <QDesktopServices>
#include <QUrl>

#include "app/ui/Backend.h"
#include "app/ui/qt/QtText.h"

namespace ui::backend {

void OpenUrl(const std::u16string& url) {
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}

}  // namespace ui::backend

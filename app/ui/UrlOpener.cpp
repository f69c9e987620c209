#include "app/ui/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/ui/QtText.h"

namespace ui {

namespace {

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

}  // namespace

void OpenUrl(const std::u16string& url) {
    if (Opener()) {
        Opener()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}

void SetUrlOpener(UrlOpener opener) {
    Opener() = std::move(opener);
}

}  // namespace ui

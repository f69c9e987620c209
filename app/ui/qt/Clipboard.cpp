// The clipboard of the Qt backend: the desktop's, through Qt, which keeps the
// text on offer itself and cannot be refused it.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/ui/Backend.h"
#include "app/ui/qt/QtText.h"

namespace ui::backend {

std::u16string PutOnClipboard(const Dialog&, std::u16string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
    return {};
}

std::optional<std::u16string> ClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return FromQString(clipboard->text());
}

}  // namespace ui::backend

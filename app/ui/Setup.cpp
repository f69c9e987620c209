#include "app/ui/Setup.h"

#include <QApplication>

#include "app/ui/ClassicStyle.h"
#include "app/ui/Fonts.h"
#include "app/ui/KeyRouter.h"

namespace ui {

void InitializeUi() {
    // One style everywhere, so a dialog looks the same on every desktop.
    QApplication::setStyle(new ClassicStyle);
    // The main window's face is the default, so start-up opens one font file;
    // boxes and menus ask for the shell font themselves.
    QApplication::setFont(FontOf(FontSpec{u"宋体", 9}));
    static KeyRouter router;
    qApp->removeEventFilter(&router);
    qApp->installEventFilter(&router);
}

}  // namespace ui

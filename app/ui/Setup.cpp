#include "app/ui/Setup.h"

#include <QAccessible>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/ui/ClassicStyle.h"
#include "app/ui/Fonts.h"
#include "app/ui/KeyRouter.h"
#include "app/ui/LinkButton.h"

namespace ui {

void InitializeUi() {
    // One style everywhere, so a dialog looks the same on every desktop.
    QApplication::setStyle(new ClassicStyle);
    // The main window's face is the default, so start-up opens one font file;
    // boxes and menus ask for the shell font themselves.
    QApplication::setFont(FontOf(FontSpec{std::u16string(kSimSunFace), 9}));
    // Qt's own words (an edit's context menu, standard buttons, file dialogs)
    // in the program's language, whatever the system locale; without the
    // translation files they stay English and nothing else changes.
    static QTranslator qtTexts;
    if (qtTexts.isEmpty() && qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    static const bool accessibleLinks = [] {
        QAccessible::installFactory(&LinkButton::AccessibleFactory);
        return true;
    }();
    static_cast<void>(accessibleLinks);
    static KeyRouter router;
    qApp->removeEventFilter(&router);
    qApp->installEventFilter(&router);
}

}  // namespace ui

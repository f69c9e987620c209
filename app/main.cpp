#include <QApplication>

#include "app/CTickwrightApp.h"
#include "app/resources/Resources.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tickwright"));
    QApplication::setApplicationVersion(QStringLiteral(TICKWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tickwright.Tickwright"));
    res::RegisterResources();
    tickwright::theApp.InitInstance();
    return 0;
}

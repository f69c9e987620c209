#include "app/ui/MainWindow.h"

namespace ui {

namespace {

Dialog* g_mainWindow = nullptr;

}  // namespace

void SetMainWindow(Dialog* dialog) {
    g_mainWindow = dialog;
}

Dialog* MainWindow() {
    return g_mainWindow;
}

}  // namespace ui

#pragma once

namespace ui {

class Dialog;

// The owner of modal dialogs created without a parent, as a framework's
// application keeps its main window.
void SetMainWindow(Dialog* dialog);
Dialog* MainWindow();

}  // namespace ui

#pragma once

#include <QObject>

namespace ui {

// Routes key-downs before any widget sees them: first to the dialog holding
// the focused control, then up through its parent dialogs; the first that
// consumes the key ends the walk. Enter and Escape that no dialog consumes
// get the dialog manager's meaning at the top-level dialog, and never Qt's.
// Alt+Space opens the window menu.
class KeyRouter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui

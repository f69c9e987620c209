#pragma once

// Helpers for driving real widgets from tests.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/ui/MessageBoxes.h"
#include "app/ui/QtAccess.h"

namespace testsupport {

// Runs the event loop until `done` holds or `timeoutMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

// Makes `window` the active window, as a click on it would.
inline void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(window, 1000));
}

// Sends a key-down to whichever widget has the focus, as a keyboard would.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QTest::keyClick(target, key, modifiers);
}

// Records message boxes instead of showing them, for the life of the object.
class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        ui::SetMessageBoxHandler([this](const ui::MessageBoxRequest& request) {
            boxes.push_back(request);
            return ui::IDOK;
        });
    }
    ~MessageBoxRecorder() { ui::SetMessageBoxHandler({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<ui::MessageBoxRequest> boxes;
};

// Where screenshots go: <build>/screenshots, named with the scale factor
// they were taken at when it is not 1 ("about_box@2x.png").
inline QString ScreenshotPath(const QString& name) {
    QDir dir(QStringLiteral(TICKWRIGHT_SCREENSHOT_DIR));
    dir.mkpath(QStringLiteral("."));
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    const QString suffix = scale.isEmpty() || scale == QStringLiteral("1")
                               ? QString()
                               : QStringLiteral("@") + scale + QStringLiteral("x");
    return dir.filePath(name + suffix + QStringLiteral(".png"));
}

inline bool SaveScreenshot(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    return widget->grab().save(ScreenshotPath(name));
}

}  // namespace testsupport

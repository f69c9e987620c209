// GUI tests run real Qt widgets on the offscreen platform, so they need no
// display and render the same on every machine.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/resources/Resources.h"
#include "app/ui/Setup.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "<+08>-8", 0);  // the tests' local zone unless a test says otherwise
    QApplication app(argc, argv);
    ui::InitializeUi();
    res::RegisterResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

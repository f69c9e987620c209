// GUI tests run the program's real windows through the test driver: on the
// offscreen platform with Qt, so they need no display and render the same on
// every machine; under Wine with the Windows build.
#include <gtest/gtest.h>

#include "app/resources/Resources.h"
#include "app/ui/Application.h"
#include "app/ui/test/Driver.h"

int main(int argc, char** argv) {
    ui::test::PrepareEnvironment();
    const ui::Application application({});
    ui::InitializeUi();
    res::RegisterResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Renders every dialog template as a bare dialog, for people to compare with
// the templates by eye. The test checks each picture was written and has the
// template's size.
#include <gtest/gtest.h>

#include <cmath>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/test/Driver.h"

namespace {

TEST(Screenshots, EveryTemplateRendersAtItsSize) {
    struct Case {
        int templateId;
        const char* name;
    };
    const Case cases[] = {
        {res::IDD_ABOUTBOX, "template100_about"},
        {res::IDD_TICKWRIGHT_DIALOG, "template102_main"},
        {res::IDD_SIMPLE, "template131_simple"},
        {res::IDD_ADVANCE, "template133_advanced"},
        {res::IDD_LIST_DETAIL, "template135_detail"},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(ui::test::ShowModeless(dialog)) << c.name;
        const ui::test::Window window = ui::test::WindowOf(dialog);
        const ui::DialogTemplate& dialogTemplate = *ui::FindTemplate(c.templateId);
        const ui::Rect size = ui::test::DialogUnitsInWindow(
            window, {0, 0, dialogTemplate.width, dialogTemplate.height});
        EXPECT_EQ(ui::test::ClientRect(window), size) << c.name;
        const std::optional<ui::test::PictureSize> picture =
            ui::test::SaveScreenshot(window, c.name);
        ASSERT_TRUE(picture) << c.name;
        // The picture has the screen's pixels; the window's size in the
        // contract's pixels is theirs over the scale, rounded.
        const double scale = ui::test::ScaleFactor();
        EXPECT_LE(std::abs(picture->width - size.width * scale), scale / 2) << c.name;
        EXPECT_LE(std::abs(picture->height - size.height * scale), scale / 2) << c.name;
    }
}

}  // namespace

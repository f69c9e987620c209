// Renders every dialog template as a bare dialog, for people to compare with
// the templates by eye. The test checks each picture was written and has the
// template's size.
#include <gtest/gtest.h>

#include <QImage>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

TEST(Screenshots, EveryTemplateRendersAtItsSize) {
    struct Case {
        int templateId;
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {res::IDD_ABOUTBOX, "template100_about", QSize(298, 116)},
        {res::IDD_TICKWRIGHT_DIALOG, "template102_main", QSize(437, 324)},
        {res::IDD_SIMPLE, "template131_simple", QSize(449, 150)},
        {res::IDD_ADVANCE, "template133_advanced", QSize(444, 150)},
        {res::IDD_LIST_DETAIL, "template135_detail", QSize(374, 145)},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(dialog.CreateModeless()) << c.name;
        QWidget* window = ui::WidgetOf(dialog);
        EXPECT_EQ(window->size(), c.size) << c.name;
        ASSERT_TRUE(testsupport::SaveScreenshot(window, QString::fromLatin1(c.name))) << c.name;
        const QImage image(testsupport::ScreenshotPath(QString::fromLatin1(c.name)));
        EXPECT_EQ(image.size(), c.size * window->devicePixelRatioF()) << c.name;
    }
}

}  // namespace

// What only the Qt backend has: Qt's own words in the program's language,
// QFileDialog's default suffix, and QDialog's reject kept from acting
// behind the layer's back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogAccess.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/PlatformChoice.h"
#include "app/ui/test/Driver.h"

namespace {

QWidget* ControlWidget(const ui::Dialog& dialog, int id) {
    return ui::DialogAccess::WindowOf(dialog)->Control(id);
}

TEST(QtBackend, QtsOwnTextsAreChinese) {
    ui::Dialog page(res::IDD_SIMPLE);
    ASSERT_TRUE(ui::test::ShowModeless(page));
    auto* edit = qobject_cast<QLineEdit*>(ControlWidget(page, res::IDC_SIMPLE_TIMESTAMP));
    ASSERT_NE(edit, nullptr);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts.push_back(action->text());
        }
    }
    const QString all = texts.join(u' ');
    EXPECT_TRUE(all.contains(QStringLiteral("粘贴")) && all.contains(QStringLiteral("全选")))
        << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Paste"))) << all.toStdString();
}

TEST(QtBackend, QDialogsOwnRejectNeverClosesAPage) {
    ui::Dialog main(res::IDD_TICKWRIGHT_DIALOG);
    ui::Dialog page(res::IDD_SIMPLE, &main);
    ASSERT_TRUE(ui::test::ShowModeless(main));
    ASSERT_TRUE(page.Create());
    page.ShowWindow(true);
    QMetaObject::invokeMethod(ui::DialogAccess::WindowOf(page), "reject");
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_TRUE(main.IsWindowVisible());
}

TEST(QtBackend, TheSaveDialogAddsTheDefaultSuffixToANameTypedWithoutOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct Case {
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("history"), QStringLiteral("history.csv")},
        {QStringLiteral("history.csv"), QStringLiteral("history.csv")},
        {QStringLiteral("history.txt"), QStringLiteral("history.txt")},
    };
    for (const Case& c : cases) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("CSV 文件 (*.csv)")});
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        const std::u16string chosen =
            ui::GetSaveFileName({nullptr,
                                 u"导出历史记录",
                                 (folder.path() + QStringLiteral("/proposed.csv")).toStdU16String(),
                                 {{u"CSV 文件", u"*.csv"}},
                                 u"csv"});
        EXPECT_EQ(chosen, QDir(folder.path()).filePath(c.expected).toStdU16String())
            << c.typed.toStdString();
    }
}

// In a Wayland session with an X server beside it the program runs on X, so
// the desktop draws its title bar with the template's buttons (Qt's own
// Wayland decoration shows maximize on every window); a platform the user
// named always stands.
TEST(QtPlatformChoice, XWaylandWhereThereIsOneAndTheUsersChoiceAlways) {
    using Env = ui::qt::SessionEnvironment;
    struct Case {
        Env environment;
        std::optional<std::string> chosen;
        const char* why;
    };
    const Case cases[] = {
        {Env{{}, ":0", "wayland-0", "wayland", false}, "xcb", "GNOME on Wayland, XWayland"},
        {Env{{}, ":0", {}, "wayland", false}, "xcb", "the session type alone says Wayland"},
        {Env{{}, ":0", "wayland-0", {}, false}, "xcb", "a Wayland display alone says it"},
        {Env{"wayland", ":0", "wayland-0", "wayland", false}, {}, "QT_QPA_PLATFORM stands"},
        {Env{{}, ":0", "wayland-0", "wayland", true}, {}, "-platform stands"},
        {Env{"", ":0", "wayland-0", "wayland", false}, "xcb", "an empty QT_QPA_PLATFORM is none"},
        {Env{{}, {}, "wayland-0", "wayland", false}, {}, "no X server: Wayland it is"},
        {Env{{}, ":0", {}, "x11", false}, {}, "an X session needs no choosing"},
        {Env{{}, {}, {}, "tty", false}, {}, "nothing at all"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::qt::PreferredPlatform(c.environment), c.chosen) << c.why;
    }
}

}  // namespace

// The introduction page is found where the program runs from: the build
// tree, an install to any prefix, the desktop's data directories; and a link
// to a page that is not there says so instead of opening a broken page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/resources/IntroPage.h"
#include "app/resources/ResourceIds.h"
#include "app/ui/LinkButton.h"
#include "app/ui/QtAccess.h"
#include "app/ui/UrlOpener.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

QString Create(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    return QDir::cleanPath(path);
}

std::u16string U16(const QString& text) {
    return text.toStdU16String();
}

TEST(IntroPage, IsFoundBesideTheExecutableElseInTheDataDirectories) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString prefix = scratch.filePath(QStringLiteral("prefix"));
    const QString installed = Create(prefix + QStringLiteral("/share/tickwright/intro.html"));
    const QString xdg = scratch.filePath(QStringLiteral("xdg"));
    const QString inXdg = Create(xdg + QStringLiteral("/tickwright/intro.html"));
    const QString nowhere = scratch.filePath(QStringLiteral("nowhere"));
    const QString buildTree = QCoreApplication::applicationDirPath();
    // A relative XDG_DATA_HOME, resolved against wherever the test runs.
    const QString relative = QStringLiteral("intro-page-test-relative");
    Create(QDir::current().filePath(relative + QStringLiteral("/tickwright/intro.html")));
    struct Case {
        QString executableDir;
        std::vector<std::u16string> dataDirs;
        QString expected;
        const char* why;
    };
    const Case cases[] = {
        {buildTree,
         {},
         QDir::cleanPath(buildTree + QStringLiteral("/../share/tickwright/intro.html")),
         "the build tree keeps a copy beside the executables"},
        {prefix + QStringLiteral("/bin"), {U16(xdg)}, installed, "installed to a scratch prefix"},
        {nowhere + QStringLiteral("/bin"),
         {U16(nowhere), U16(xdg)},
         inXdg,
         "else the first data directory that has it"},
        {nowhere + QStringLiteral("/bin"),
         {U16(nowhere)},
         QDir::cleanPath(nowhere + QStringLiteral("/share/tickwright/intro.html")),
         "missing: the path beside the executable, to name in the error"},
        {nowhere + QStringLiteral("/bin"),
         {U16(relative), U16(xdg)},
         inXdg,
         "a relative data directory is invalid and skipped"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(res::FindIntroPage(U16(c.executableDir), c.dataDirs), U16(c.expected)) << c.why;
    }
    EXPECT_TRUE(QFileInfo::exists(cases[0].expected)) << "the build put the page there";
    QDir(QDir::current().filePath(relative)).removeRecursively();
}

TEST(IntroPage, ALinkToAMissingPageSaysSoAndOpensNothing) {
    std::vector<std::u16string> opened;
    ui::SetUrlOpener([&](const std::u16string& url) { opened.push_back(url); });
    testsupport::MessageBoxRecorder boxes;
    ui::Dialog about(res::IDD_ABOUTBOX);
    ASSERT_TRUE(about.CreateModeless());
    auto* link = qobject_cast<ui::LinkButton*>(ui::ControlWidget(about, res::IDC_ABOUT_LINK));
    ASSERT_NE(link, nullptr);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u) << "the page of this build tree is there";
    EXPECT_TRUE(QFileInfo(QUrl(QString::fromStdU16String(opened[0])).toLocalFile()).isFile());

    link->SetUrl(QStringLiteral("file:///nonexistent/share/tickwright/intro.html"));
    QTest::mouseClick(link, Qt::LeftButton);
    ui::SetUrlOpener({});
    EXPECT_EQ(opened.size(), 1u) << "nothing more was opened";
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, u"错误");
    EXPECT_EQ(boxes.boxes[0].owner, &about);
    EXPECT_NE(boxes.boxes[0].text.find(u"/nonexistent/share/tickwright/intro.html"),
              std::u16string::npos);
}

}  // namespace

// The introduction page is found where the program runs from: the build
// tree, an install to any prefix, the desktop's data directories; and a link
// to a page that is not there says so instead of opening a broken page.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/resources/IntroPage.h"
#include "app/resources/ResourceIds.h"
#include "app/ui/Application.h"
#include "app/ui/Dialog.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/test/Driver.h"
#include "tests/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

std::u16string Page(const fs::path& path) {
    return testsupport::WriteFile(path, "<html></html>").lexically_normal().u16string();
}

TEST(IntroPage, IsFoundBesideTheExecutableElseInTheDataDirectories) {
    testsupport::ScratchFolder scratch;
    const fs::path prefix = scratch / u"prefix";
    const std::u16string installed = Page(prefix / u"share" / u"tickwright" / u"intro.html");
    const fs::path xdg = scratch / u"xdg";
    const std::u16string inXdg = Page(xdg / u"tickwright" / u"intro.html");
    const fs::path nowhere = scratch / u"nowhere";
    const fs::path buildTree = ui::ExecutableDirectory();
    // A relative XDG_DATA_HOME, resolved against wherever the test runs.
    const fs::path relative = u"intro-page-test-relative";
    Page(fs::current_path() / relative / u"tickwright" / u"intro.html");
    const auto besideExecutable = [](const fs::path& bin) {
        return (bin / u".." / u"share" / u"tickwright" / u"intro.html")
            .lexically_normal()
            .u16string();
    };
    const fs::path unpacked = scratch / u"unpacked";
    const std::u16string inProgramFolder = Page(unpacked / u"intro.html");
    Page(unpacked / u".." / u"share" / u"tickwright" / u"intro.html");
#if defined(_WIN32)
    const std::u16string whereItBelongs = (nowhere / u"bin" / u"intro.html").u16string();
#else
    const std::u16string whereItBelongs = besideExecutable(nowhere / u"bin");
#endif
    struct Case {
        fs::path executableDir;
        std::vector<std::u16string> dataDirs;
        std::u16string expected;
        const char* why;
    };
    const Case cases[] = {
        {buildTree,
         {},
         besideExecutable(buildTree),
         "the build tree keeps a copy beside the executables"},
        {prefix / u"bin", {xdg.u16string()}, installed, "installed to a scratch prefix"},
        {nowhere / u"bin",
         {nowhere.u16string(), xdg.u16string()},
         inXdg,
         "else the first data directory that has it"},
        {unpacked, {xdg.u16string()}, inProgramFolder, "the Windows packages' folder comes first"},
        {nowhere / u"bin",
         {nowhere.u16string()},
         whereItBelongs,
         "missing: where this system's install puts it, to name in the error"},
        {nowhere / u"bin",
         {relative.u16string(), xdg.u16string()},
         inXdg,
         "a relative data directory is invalid and skipped"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(res::FindIntroPage(c.executableDir.u16string(), c.dataDirs), c.expected) << c.why;
    }
    EXPECT_TRUE(fs::is_regular_file(cases[0].expected)) << "the build put the page there";
    fs::remove_all(fs::current_path() / relative);
}

TEST(IntroPage, LocalAddressesGoBothWays) {
    struct Case {
        std::u16string path;
        std::u16string url;
    };
    std::vector<Case> cases = {
        {u"/usr/share/tickwright/intro.html", u"file:///usr/share/tickwright/intro.html"},
        {u"/tmp/a b/简介#1.html", u"file:///tmp/a%20b/%E7%AE%80%E4%BB%8B%231.html"},
    };
#if defined(_WIN32)
    cases.push_back({u"C:\\Users\\李\\AppData\\Local\\Programs\\Tickwright\\intro.html",
                     u"file:///C:/Users/%E6%9D%8E/AppData/Local/Programs/Tickwright/intro.html"});
#endif
    for (const Case& c : cases) {
        EXPECT_EQ(ui::FileUrl(c.path), c.url);
        EXPECT_EQ(ui::LocalFileOf(c.url), fs::path(c.path).make_preferred().u16string());
    }
    EXPECT_EQ(ui::LocalFileOf(u"file://localhost/tmp/x"),
              fs::path(u"/tmp/x").make_preferred().u16string());
    EXPECT_FALSE(ui::LocalFileOf(u"https://tickwright.invalid/"));
    EXPECT_FALSE(ui::LocalFileOf(u"file://elsewhere/tmp/x")) << "a file on another host";
}

TEST(IntroPage, ALinkToAMissingPageSaysSoAndOpensNothing) {
    std::vector<std::u16string> opened;
    ui::SetUrlOpener([&](const std::u16string& url) { opened.push_back(url); });
    ui::test::MessageBoxRecorder boxes;
    ui::Dialog about(res::IDD_ABOUTBOX);
    ASSERT_TRUE(ui::test::ShowModeless(about));
    ui::test::Click(ui::test::WindowOf(about), res::IDC_ABOUT_LINK);
    ASSERT_EQ(opened.size(), 1u) << "the page of this build tree is there";
    const std::optional<std::u16string> page = ui::LocalFileOf(opened[0]);
    ASSERT_TRUE(page);
    EXPECT_TRUE(fs::is_regular_file(*page));

    // The same link, its page gone.
    constexpr int kMissingPageBox = 904;
    ui::DialogTemplate dialogTemplate = *ui::FindTemplate(res::IDD_ABOUTBOX);
    dialogTemplate.id = kMissingPageBox;
    const std::u16string missing = u"file:///nonexistent/share/tickwright/intro.html";
    for (ui::InitData& init : dialogTemplate.initData) {
        init.linkUrl = missing;
    }
    ui::RegisterTemplate(dialogTemplate);
    ui::Dialog broken(kMissingPageBox);
    ASSERT_TRUE(ui::test::ShowModeless(broken));
    ui::test::Click(ui::test::WindowOf(broken), res::IDC_ABOUT_LINK);
    ui::SetUrlOpener({});
    EXPECT_EQ(opened.size(), 1u) << "nothing more was opened";
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, u"错误");
    EXPECT_EQ(boxes.boxes[0].owner, &broken);
    EXPECT_EQ(boxes.boxes[0].text,
              std::u16string(ui::kMissingPageText) + *ui::LocalFileOf(missing));
}

}  // namespace

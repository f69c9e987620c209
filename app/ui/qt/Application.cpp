#include "app/ui/Application.h"

#include <QAccessible>
#include <QApplication>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string_view>

#include "app/ui/DialogTemplate.h"
#include "app/ui/qt/ClassicStyle.h"
#include "app/ui/qt/Fonts.h"
#include "app/ui/qt/KeyRouter.h"
#include "app/ui/qt/LinkButton.h"
#include "app/ui/qt/PlatformChoice.h"
#include "app/ui/qt/ProgramArguments.h"
#include "app/ui/qt/QtText.h"

namespace ui {

namespace {

std::unique_ptr<QApplication>& TheApplication() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// The program's arguments, or a name alone when no entry point kept any (a
// test's own main): Qt wants at least the program's name.
char g_name[] = "tickwright";
char* g_nameOnly[] = {g_name, nullptr};
int g_argc = 1;
char** g_argv = g_nameOnly;

}  // namespace

namespace qt {

void KeepProgramArguments(int argc, char** argv) {
    if (argc > 0 && argv != nullptr) {
        g_argc = argc;
        g_argv = argv;
    }
}

}  // namespace qt

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

bool PlatformArgument() {
    for (int i = 1; i < g_argc; ++i) {
        const std::string_view argument = g_argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

}  // namespace

Application::Application(const ApplicationInfo& info) {
    // Before Qt picks its window-system plugin (PlatformChoice.h).
    if (const std::optional<std::string> platform = qt::PreferredPlatform(
            {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"),
             Variable("XDG_SESSION_TYPE"), PlatformArgument()})) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
    TheApplication() = std::make_unique<QApplication>(g_argc, g_argv);
    if (!info.name.empty()) {
        QApplication::setApplicationName(ToQString(info.name));
    }
    if (!info.version.empty()) {
        QApplication::setApplicationVersion(QString::fromStdString(info.version));
    }
    if (!info.desktop.empty()) {
        QApplication::setDesktopFileName(ToQString(info.desktop));
    }
}

Application::~Application() {
    TheApplication().reset();
}

void InitializeUi() {
    // One style everywhere, so a dialog looks the same on every desktop.
    QApplication::setStyle(new ClassicStyle);
    // The main window's face is the default, so start-up opens one font file;
    // boxes and menus ask for the shell font themselves.
    QApplication::setFont(FontOf(FontDescription{std::u16string(kSimSunFace), 9}));
    // Qt's own words (an edit's context menu, standard buttons, file dialogs)
    // in the program's language, whatever the system locale; without the
    // translation files they stay English and nothing else changes.
    static QTranslator qtTexts;
    if (qtTexts.isEmpty() && qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    static const bool accessibleLinks = [] {
        QAccessible::installFactory(&LinkButton::AccessibleFactory);
        return true;
    }();
    static_cast<void>(accessibleLinks);
    static KeyRouter router;
    qApp->removeEventFilter(&router);
    qApp->installEventFilter(&router);
}

void SetRegistryKey(std::u16string_view key) {
    // Qt keeps per-user settings under the organisation's name.
    QCoreApplication::setOrganizationName(ToQString(key));
}

std::u16string ExecutableDirectory() {
    return QCoreApplication::applicationDirPath().toStdU16String();
}

std::vector<std::u16string> DataDirectories() {
    // On Linux the XDG ones: $XDG_DATA_HOME, then $XDG_DATA_DIRS.
    std::vector<std::u16string> dirs;
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        dirs.push_back(dir.toStdU16String());
    }
    return dirs;
}

std::int64_t SystemClockTicks() {
    std::timespec now{};
    if (std::timespec_get(&now, TIME_UTC) != TIME_UTC) {
        return 0;
    }
    return static_cast<std::int64_t>(now.tv_sec) * 10000000 + now.tv_nsec / 100;
}

bool WriteAnswer(std::string_view text, bool toErrors) {
    std::FILE* stream = toErrors ? stderr : stdout;
    errno = 0;
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

const WindowSystemOptions& CommandLineOptions() {
    // Qt's own options (QGuiApplication and QApplication, X11 included),
    // which its application object reads and removes itself.
    static const WindowSystemOptions options{
        {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"},
        {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
         "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry",
         "name", "title", "visual", "ncols", "cmap", "qmljsdebugger"},
        // The only ones Qt also reads with the value after "=" (-style=fusion).
        {"style", "stylesheet"},
        "Qt's standard options, such as -platform offscreen, are accepted too.",
        "也接受 Qt 的标准选项, 例如 -platform offscreen。",
    };
    return options;
}

}  // namespace ui

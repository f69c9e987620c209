#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tickwright {

namespace {

// Qt's own command-line options (QGuiApplication and QApplication, X11
// included), which its application object reads and removes itself.
constexpr std::array<std::string_view, 6> kQtFlags = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};
constexpr std::array<std::string_view, 18> kQtOptionsWithValue = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "style",
    "stylesheet",
    "display",
    "geometry",
    "name",
    "title",
    "visual",
    "ncols",
    "cmap",
    "qmljsdebugger",
};

// The only ones Qt also reads with the value after "=" (-style=fusion); every
// other option of Qt's takes its value as the next argument alone.
constexpr std::array<std::string_view, 2> kQtOptionsWithAttachedValue = {"style", "stylesheet"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            return {CommandLineAction::ShowHelp, {}};
        }
        if (argument == "--version") {
            return {CommandLineAction::ShowVersion, {}};
        }
        // Qt takes its options with one dash or two, and a value as the next
        // argument (after "=" for the few that say so).
        std::string_view name(argument);
        if (name.size() < 2 || name[0] != '-') {
            return {CommandLineAction::Refuse,
                    "多余的参数 '" + argument + "' (unexpected argument)"};
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (IsOneOf(name, kQtFlags) && !valueAttached) {
            continue;
        }
        if (valueAttached) {
            if (IsOneOf(name, kQtOptionsWithAttachedValue)) {
                continue;
            }
        } else if (IsOneOf(name, kQtOptionsWithValue)) {
            if (++i == arguments.size()) {
                return {CommandLineAction::Refuse,
                        "选项 '" + argument + "' 缺少值 (option needs a value)"};
            }
            continue;
        }
        return {CommandLineAction::Refuse, "未知选项 '" + argument + "' (unknown option)"};
    }
    return {};
}

std::string VersionText(const std::string& version) {
    return "Tickwright " + version + "\n";
}

std::string UsageText() {
    return "Usage: tickwright [OPTION]...\n"
           "用法: tickwright [选项]...\n"
           "Convert between Unix timestamps and dates and times in 25 whole-hour zones.\n"
           "在 Unix 时间戳与 25 个整点时区的日期时间之间转换。\n"
           "\n"
           "Options:\n"
           "  -h, --help       show this help and exit (显示本帮助并退出)\n"
           "      --version    show the version and exit (显示版本并退出)\n"
           "\n"
           "Qt's standard options, such as -platform offscreen, are accepted too.\n"
           "也接受 Qt 的标准选项, 例如 -platform offscreen。\n";
}

}  // namespace tickwright

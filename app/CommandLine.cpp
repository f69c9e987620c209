#include "app/CommandLine.h"

#include <algorithm>
#include <string_view>

namespace tickwright {

namespace {

bool IsOneOf(std::string_view name, const std::vector<std::string_view>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const ui::WindowSystemOptions& windowSystem) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            return {CommandLineAction::ShowHelp, {}};
        }
        if (argument == "--version") {
            return {CommandLineAction::ShowVersion, {}};
        }
        // The window system's options come with one dash or two, and a value
        // as the next argument (after "=" for the few that say so).
        std::string_view name(argument);
        if (name.size() < 2 || name[0] != '-') {
            return {CommandLineAction::Refuse,
                    "多余的参数 '" + argument + "' (unexpected argument)"};
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (IsOneOf(name, windowSystem.flags) && !valueAttached) {
            continue;
        }
        if (valueAttached) {
            if (IsOneOf(name, windowSystem.withAttachedValue)) {
                continue;
            }
        } else if (IsOneOf(name, windowSystem.withValue)) {
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

std::string UsageText(const ui::WindowSystemOptions& windowSystem) {
    std::string text =
        "Usage: tickwright [OPTION]...\n"
        "用法: tickwright [选项]...\n"
        "Convert between Unix timestamps and dates and times in 25 whole-hour zones.\n"
        "在 Unix 时间戳与 25 个整点时区的日期时间之间转换。\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help and exit (显示本帮助并退出)\n"
        "      --version    show the version and exit (显示版本并退出)\n";
    if (!windowSystem.usageEnglish.empty()) {
        text += "\n";
        text += windowSystem.usageEnglish;
        text += "\n";
        text += windowSystem.usageChinese;
        text += "\n";
    }
    return text;
}

}  // namespace tickwright

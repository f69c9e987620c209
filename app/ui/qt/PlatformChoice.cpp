#include "app/ui/qt/PlatformChoice.h"

namespace ui::qt {

namespace {

bool Given(const std::optional<std::string>& value) {
    return value.has_value() && !value->empty();
}

}  // namespace

std::optional<std::string> PreferredPlatform(const SessionEnvironment& environment) {
    if (Given(environment.qpaPlatform) || environment.platformArgument) {
        return std::nullopt;
    }
    const bool wayland = Given(environment.waylandDisplay) ||
                         environment.sessionType.value_or(std::string()) == "wayland";
    if (wayland && Given(environment.display)) {
        return "xcb";
    }
    return std::nullopt;
}

}  // namespace ui::qt

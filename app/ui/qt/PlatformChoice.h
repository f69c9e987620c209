#pragma once

// Which of Qt's window-system plugins the program asks for when the user
// named none. In a Wayland session Qt would draw each window's title bar
// itself, with its Wayland decoration, which shows a maximize button on every
// window whatever the window allows; through XWayland the desktop draws it,
// from the window's own hints, with the buttons the template gives. So where
// an X server stands beside the Wayland compositor (DISPLAY set), "xcb" is
// asked for. A platform the user chose (QT_QPA_PLATFORM, -platform) stands.
// Internal to the Qt backend.

#include <optional>
#include <string>

namespace ui::qt {

struct SessionEnvironment {
    std::optional<std::string> qpaPlatform;     // QT_QPA_PLATFORM
    std::optional<std::string> display;         // DISPLAY
    std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
    std::optional<std::string> sessionType;     // XDG_SESSION_TYPE
    bool platformArgument = false;              // -platform on the command line
};

//   {display ":0", waylandDisplay "wayland-0"}      -> "xcb"
//   {display ":0", qpaPlatform "wayland", ...}      -> nothing (the user's)
//   {waylandDisplay "wayland-0"} (no X server)       -> nothing
std::optional<std::string> PreferredPlatform(const SessionEnvironment& environment);

}  // namespace ui::qt

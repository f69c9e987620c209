#pragma once

// What the command line asks for, decided before any window system is
// touched, so that --version and --help answer without a display.
//
//   tickwright                          -> Run
//   tickwright -platform offscreen      -> Run (the window system's own options,
//                                              Qt's on Linux, pass through)
//   tickwright -style=fusion            -> Run (the "=" form only where Qt reads it)
//   tickwright --platform=offscreen     -> Refuse: Qt would not read it
//   tickwright --version                -> ShowVersion, "Tickwright 1.0.0.1"
//   tickwright --help / -h              -> ShowHelp
//   tickwright --frobnicate             -> Refuse, with the reason

#include <string>
#include <vector>

#include "app/ui/Application.h"

namespace tickwright {

enum class CommandLineAction {
    Run,
    ShowVersion,
    ShowHelp,
    Refuse,
};

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::string problem;  // why it was refused (UTF-8), when it was
};

// `arguments` are argv[1..] as given. The first of --help and --version wins;
// an option neither ours nor the window system's (ui::CommandLineOptions()),
// or any other argument, is refused.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const ui::WindowSystemOptions& windowSystem);

// The answers, UTF-8, each ending in a line break; the help names the window
// system's options where it has any.
std::string VersionText(const std::string& version);
std::string UsageText(const ui::WindowSystemOptions& windowSystem);

}  // namespace tickwright

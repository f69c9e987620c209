#pragma once

// The window system for the life of the program, and what the program asks
// of its surroundings through it: where its executable lies, where desktop
// data lives, and which command-line options the window system reads itself.
// Start-up reaches the window system only through these.
//
//   int ui::ProgramMain(int argc, char** argv) {     // called by the backend's
//       ui::Application application({...});            // entry point
//       res::RegisterResources();
//       ui::InitializeUi();
//       ...                                          // dialogs, run modally
//   }

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The program's own main. The backend's entry point calls it with the
// arguments in UTF-8: main on Linux, wWinMain on Windows (from its wide
// command line). Defined by the program (app/main.cpp).
int ProgramMain(int argc, char** argv);

struct ApplicationInfo {
    std::u16string name;     // "Tickwright"
    std::string version;     // "1.0.0.1"
    std::u16string desktop;  // the desktop entry's id, where the desktop has one
};

// Sets the window system up (the application object, its main thread's
// message handling) and tears it down again. One at a time, on the thread
// that runs every dialog. The window system reads its own options from the
// program's arguments, which the backend's entry point kept for it.
class Application {
public:
    explicit Application(const ApplicationInfo& info);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
};

// Once, after the Application exists and before the first dialog: the
// common controls, the visual style, the default font and key routing.
void InitializeUi();

// Names where per-user settings would be kept (the program keeps none).
void SetRegistryKey(std::u16string_view key);

// The folder of the running executable.
std::u16string ExecutableDirectory();

// The folders where the desktop keeps programs' shared data, most important
// first; none where the desktop has no such list.
std::vector<std::u16string> DataDirectories();

// The present moment from the system's most precise clock, as 100-ns ticks
// since 1970-01-01 00:00:00 UTC (GetSystemTimePreciseAsFileTime on Windows).
std::int64_t SystemClockTicks();

// Writes a command-line answer (UTF-8, lines ending in "\n") where whoever
// asked reads it: the standard output, or with `toErrors` the standard
// error; on Windows the console the program was started from, and for a
// program started without one (from Explorer) a message box. False when it
// could not be written.
bool WriteAnswer(std::string_view text, bool toErrors);

// The options the window system reads from the command line itself, which
// the program's own reading must let through: flags, options followed by a
// value as the next argument, and the few also written "-name=value".
struct WindowSystemOptions {
    std::vector<std::string_view> flags;
    std::vector<std::string_view> withValue;
    std::vector<std::string_view> withAttachedValue;
    // A line for --help that names them, in English and in Chinese; empty
    // where there are none.
    std::string_view usageEnglish;
    std::string_view usageChinese;
};
const WindowSystemOptions& CommandLineOptions();

}  // namespace ui

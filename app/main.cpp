#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/CTickwrightApp.h"
#include "app/CommandLine.h"
#include "app/resources/Resources.h"
#include "app/ui/Application.h"
#include "core/Clock.h"

namespace {

// An answer that could not be written (a full disk, a device that refuses
// it) is a failure, not a silent success. A reader that closed its end of a
// pipe ends the program with SIGPIPE before the write could tell, which the
// shell reports as a failure all the same.
int Answer(const std::string& text) {
    errno = 0;
    if (!ui::WriteAnswer(text, false)) {
        const int error = errno != 0 ? errno : EIO;
        ui::WriteAnswer(std::string("tickwright: 无法写出回答 (cannot write the answer): ") +
                            std::strerror(error) + "\n",
                        true);
        return 1;
    }
    return 0;
}

}  // namespace

int ui::ProgramMain(int argc, char** argv) {
    using tickwright::CommandLineAction;
    // argc may be 0 (a program started with an empty argv): no arguments then.
    const std::vector<std::string> arguments =
        argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
    const tickwright::CommandLine command =
        tickwright::ParseCommandLine(arguments, ui::CommandLineOptions());
    switch (command.action) {
        case CommandLineAction::ShowVersion:
            return Answer(tickwright::VersionText(TICKWRIGHT_VERSION));
        case CommandLineAction::ShowHelp:
            return Answer(tickwright::UsageText(ui::CommandLineOptions()));
        case CommandLineAction::Refuse:
            ui::WriteAnswer("tickwright: " + command.problem + "\n\n" +
                                tickwright::UsageText(ui::CommandLineOptions()),
                            true);
            return 2;
        case CommandLineAction::Run:
            break;
    }
    const ui::Application application(
        {u"Tickwright", TICKWRIGHT_VERSION, u"io.github.tickwright.Tickwright"});
    // The present moment from the system's most precise clock.
    tickwright::SetClockTicksSource(&ui::SystemClockTicks);
    res::RegisterResources();
    tickwright::theApp.InitInstance();
    return tickwright::theApp.ExitCode();
}

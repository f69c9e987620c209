#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/CTickwrightApp.h"
#include "app/CommandLine.h"
#include "app/resources/Resources.h"
#include "app/ui/Application.h"

namespace {

// An answer that could not be written (a full disk, a device that refuses
// it) is a failure, not a silent success. A reader that closed its end of a
// pipe ends the program with SIGPIPE before fputs could tell, which the shell
// reports as a failure all the same.
int Answer(const std::string& text) {
    errno = 0;
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tickwright: 无法写出回答 (cannot write the answer): %s\n",
                     std::strerror(errno != 0 ? errno : EIO));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
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
            std::fprintf(stderr, "tickwright: %s\n\n%s", command.problem.c_str(),
                         tickwright::UsageText(ui::CommandLineOptions()).c_str());
            return 2;
        case CommandLineAction::Run:
            break;
    }
    const ui::Application application(
        argc, argv, {u"Tickwright", TICKWRIGHT_VERSION, u"io.github.tickwright.Tickwright"});
    res::RegisterResources();
    tickwright::theApp.InitInstance();
    return 0;
}

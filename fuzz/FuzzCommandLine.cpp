// The command line: any arguments (split at NUL bytes) give one of run, print
// the version, print the help, or refuse; a refusal and only a refusal says
// why, and the same arguments always give the same answer.
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tickwright::CommandLineAction;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    if (size == 0) {
        arguments.clear();
    }
    // A window system with options of every kind, as Qt's.
    static const ui::WindowSystemOptions windowSystem{
        {"reverse", "sync"}, {"platform", "style", "display"}, {"style"}, "", ""};
    const tickwright::CommandLine command = tickwright::ParseCommandLine(arguments, windowSystem);
    switch (command.action) {
        case CommandLineAction::Run:
        case CommandLineAction::ShowVersion:
        case CommandLineAction::ShowHelp:
            FUZZ_CHECK(command.problem.empty());
            break;
        case CommandLineAction::Refuse:
            FUZZ_CHECK(!command.problem.empty());
            break;
        default:
            FUZZ_CHECK(false);
    }
    const tickwright::CommandLine again = tickwright::ParseCommandLine(arguments, windowSystem);
    FUZZ_CHECK(again.action == command.action && again.problem == command.problem);
    return 0;
}

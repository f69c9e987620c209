#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CTickwrightApp.h"
#include "app/CommandLine.h"
#include "app/resources/Resources.h"

int main(int argc, char** argv) {
    using tickwright::CommandLineAction;
    const tickwright::CommandLine command =
        tickwright::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLineAction::ShowVersion:
            std::fputs(tickwright::VersionText(TICKWRIGHT_VERSION).c_str(), stdout);
            return 0;
        case CommandLineAction::ShowHelp:
            std::fputs(tickwright::UsageText().c_str(), stdout);
            return 0;
        case CommandLineAction::Refuse:
            std::fprintf(stderr, "tickwright: %s\n\n%s", command.problem.c_str(),
                         tickwright::UsageText().c_str());
            return 2;
        case CommandLineAction::Run:
            break;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tickwright"));
    QApplication::setApplicationVersion(QStringLiteral(TICKWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tickwright.Tickwright"));
    res::RegisterResources();
    tickwright::theApp.InitInstance();
    return 0;
}

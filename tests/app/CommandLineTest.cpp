#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace tickwright {
namespace {

// A window system that reads options the way Qt does: flags, options with a
// value after them, and two that also take "=value".
const ui::WindowSystemOptions kQtLike{{"reverse"},
                                      {"platform", "style", "stylesheet", "display"},
                                      {"style", "stylesheet"},
                                      "Qt's standard options are accepted too.",
                                      "也接受 Qt 的标准选项。"};
// One that reads none, as on Windows.
const ui::WindowSystemOptions kNone{};

TEST(CommandLine, OursAnswerQtsPassAndAnythingElseIsRefused) {
    using A = CommandLineAction;
    struct Case {
        std::vector<std::string> arguments;
        CommandLineAction action;
        const char* why;
    };
    const Case cases[] = {
        {{}, A::Run, "no arguments"},
        {{"-platform", "offscreen"}, A::Run, "a Qt option with its value"},
        {{"--style=fusion", "-reverse"}, A::Run, "two dashes, an attached value, a flag"},
        {{"-stylesheet=a.qss"}, A::Run, "the other option Qt reads after \"=\""},
        {{"--platform=offscreen"}, A::Refuse, "Qt reads -platform only with a separate value"},
        {{"-display=:1"}, A::Refuse, "nor -display"},
        {{"-style", "fusion", "--version"}, A::ShowVersion, "a Qt option, then ours"},
        {{"-h"}, A::ShowHelp, "short help"},
        {{"--help", "--frobnicate"}, A::ShowHelp, "the first that asks wins"},
        {{"--frobnicate", "--help"}, A::Refuse, "an unknown option before it"},
        {{"-v"}, A::Refuse, "no short version option"},
        {{"history.csv"}, A::Refuse, "the program takes no arguments"},
        {{"-platform"}, A::Refuse, "a Qt option without its value"},
        {{"-reverse=1"}, A::Refuse, "a Qt flag takes no value"},
        {{"-"}, A::Refuse, "a lone dash"},
    };
    for (const Case& c : cases) {
        const CommandLine command = ParseCommandLine(c.arguments, kQtLike);
        EXPECT_EQ(command.action, c.action) << c.why;
        EXPECT_EQ(command.problem.empty(), c.action != A::Refuse) << c.why;
    }
    EXPECT_NE(ParseCommandLine({"--frobnicate"}, kQtLike).problem.find("'--frobnicate'"),
              std::string::npos);
}

TEST(CommandLine, AWindowSystemWithoutOptionsLetsNoneThrough) {
    EXPECT_EQ(ParseCommandLine({"-platform", "offscreen"}, kNone).action,
              CommandLineAction::Refuse);
    EXPECT_EQ(ParseCommandLine({"-reverse"}, kNone).action, CommandLineAction::Refuse);
    EXPECT_EQ(ParseCommandLine({"--version"}, kNone).action, CommandLineAction::ShowVersion);
    EXPECT_EQ(UsageText(kNone).find("Qt"), std::string::npos);
    EXPECT_NE(UsageText(kQtLike).find("也接受 Qt 的标准选项。\n"), std::string::npos);
}

}  // namespace
}  // namespace tickwright

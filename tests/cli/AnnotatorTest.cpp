// tickwright-cli's annotation of a stream: what it inserts, and every other
// byte passed through, however the stream is cut into pieces.
#include <gtest/gtest.h>

#include <string>

#include "cli/Annotator.h"
#include "cli/CliCommand.h"

namespace tickwright::cli {
namespace {

std::string Annotated(std::string_view input, const ScanOptions& options, ZoneIndex zone,
                      bool replace, bool iso, std::size_t piece) {
    std::string output;
    Annotator annotator(options, zone, replace, iso,
                        [&output](std::string_view bytes) { output.append(bytes); });
    for (std::size_t at = 0; at < input.size(); at += piece) {
        annotator.Feed(input.substr(at, piece));
    }
    annotator.Finish();
    return output;
}

TEST(Annotator, InsertsTheDateAndTimeAfterEveryEpochNumber) {
    const ScanOptions any{std::nullopt, std::nullopt};
    const ScanOptions seconds{TimeUnit::Seconds, std::nullopt};
    struct Case {
        std::string input;
        ScanOptions options;
        ZoneIndex zone;
        bool replace;
        bool iso;
        std::string output;
    };
    const Case cases[] = {
        {"ts=1700000000123 ok",
         {},
         20,
         false,
         false,
         "ts=1700000000123 [2023-11-15 06:13:20.123 UTC+08H] ok"},
        {"ts=1700000000123 ok", {}, 20, true, false, "ts=2023-11-15 06:13:20.123 UTC+08H ok"},
        {"ts=1700000000123 ok",
         {},
         20,
         false,
         true,
         "ts=1700000000123 [2023-11-15T06:13:20.123+08:00] ok"},
        {"ts=1700000000123 ok", {}, 20, true, true, "ts=2023-11-15T06:13:20.123+08:00 ok"},
        {"at 1700000000.5.",
         {},
         0,
         false,
         false,
         "at 1700000000.5 [2023-11-14 10:13:20.5 UTC-12H]."},
        {"253402300800 and 99999999999", seconds, 12, false, true,
         "253402300800 [+10000-01-01T00:00:00+00:00] and 99999999999 "
         "[5138-11-16T09:46:39+00:00]"},
        {"253402300800 and 99999999999", seconds, 12, false, false,
         "253402300800 [10000-01-01 00:00:00 UTC+00H] and 99999999999 "
         "[5138-11-16 09:46:39 UTC+00H]"},
        {"253402300800", any, 12, false, false, "253402300800 [1978-01-11 21:31:40.800 UTC+00H]"},
        {"v1.1700000000 id1700000000 4102444800",
         {},
         12,
         false,
         false,
         "v1.1700000000 id1700000000 4102444800"},
        {std::string("\xFF\xFE\0"
                     "1700000000\r\n\xC3",
                     16),
         {},
         12,
         false,
         false,
         std::string("\xFF\xFE\0"
                     "1700000000 [2023-11-14 22:13:20 UTC+00H]\r\n\xC3",
                     46)},
        {"", {}, 12, false, false, ""},
        {"1700000000", {}, 12, false, false, "1700000000 [2023-11-14 22:13:20 UTC+00H]"},
    };
    for (const Case& c : cases) {
        for (const std::size_t piece :
             {std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{1000}}) {
            EXPECT_EQ(Annotated(c.input, c.options, c.zone, c.replace, c.iso, piece), c.output)
                << "\"" << c.input << "\" in pieces of " << piece;
        }
    }
}

TEST(CliCommand, ReadsTheOptionsOrSaysWhatIsWrong) {
    struct Case {
        std::vector<std::string> arguments;
        CliAction action;
        const char* why;
    };
    const Case cases[] = {
        {{"1700000000"}, CliAction::Convert, "a number"},
        {{"--zone", "UTC+08H", "--unit", "ms", "1700000000"}, CliAction::Convert, "options"},
        {{"--zone=local", "1"}, CliAction::Convert, "the machine's zone, attached"},
        {{}, CliAction::Refuse, "nothing to convert"},
        {{"--zone", "UTC+13H", "1"}, CliAction::Refuse, "no such zone"},
        {{"--unit", "h", "1"}, CliAction::Refuse, "no such unit"},
        {{"--window", "2000..2100", "1"}, CliAction::Refuse, "a window is annotate's"},
        {{"--to-timestamp", "1985-01-01"}, CliAction::ToTimestamp, "a date"},
        {{"--to-timestamp", "--unit", "us", "1985-01-01"}, CliAction::Refuse, "s or ms only"},
        {{"--to-timestamp", "a", "b", "c"}, CliAction::Refuse, "three operands"},
        {{"annotate"}, CliAction::Annotate, "standard input"},
        {{"annotate", "--window", "2020..2030", "--iso", "--replace", "a.log", "-"},
         CliAction::Annotate,
         "every option"},
        {{"annotate", "--window", "2030..2020"}, CliAction::Refuse, "a window backwards"},
        {{"annotate", "--window", "1969..2020"}, CliAction::Refuse, "before the epoch"},
        {{"annotate", "--any", "--window", "2000..2001"}, CliAction::Refuse, "both"},
        {{"annotate", "--bogus"}, CliAction::Refuse, "an unknown option"},
        {{"annotate", "--", "--any"}, CliAction::Annotate, "a file named --any"},
        {{"annotate", "--help"}, CliAction::Help, "help"},
        {{"--version"}, CliAction::Version, "version"},
    };
    for (const Case& c : cases) {
        const CliCommand command = ParseCliCommand(c.arguments);
        EXPECT_EQ(command.action, c.action) << c.why;
        EXPECT_EQ(command.problem.empty(), c.action != CliAction::Refuse) << c.why;
    }
    const CliCommand window = ParseCliCommand({"annotate", "--window", "2024..2025"});
    ASSERT_TRUE(window.scan.window);
    EXPECT_EQ(window.scan.window->from, (EpochInstant{1704067200, 0}));
    EXPECT_EQ(window.scan.window->to, (EpochInstant{1735689600, 0}));
    EXPECT_FALSE(ParseCliCommand({"annotate", "--any"}).scan.window);
}

}  // namespace
}  // namespace tickwright::cli

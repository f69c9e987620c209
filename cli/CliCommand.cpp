#include "cli/CliCommand.h"

#include <charconv>

namespace tickwright::cli {

namespace {

std::optional<ZoneIndex> ZoneNamed(const std::string& name) {
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        const std::u16string_view zoneName = ZoneNames[static_cast<std::size_t>(zone)];
        if (std::equal(zoneName.begin(), zoneName.end(), name.begin(), name.end())) {
            return zone;
        }
    }
    return std::nullopt;
}

std::optional<TimeUnit> UnitNamed(const std::string& name) {
    if (name == "s") {
        return TimeUnit::Seconds;
    }
    if (name == "ms") {
        return TimeUnit::Milliseconds;
    }
    if (name == "us") {
        return TimeUnit::Microseconds;
    }
    if (name == "ns") {
        return TimeUnit::Nanoseconds;
    }
    return std::nullopt;
}

std::optional<std::int64_t> YearOf(std::string_view text) {
    std::int64_t year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (error != std::errc() || end != text.data() + text.size() || year < kFirstWindowYear ||
        year > kLastWindowYear) {
        return std::nullopt;
    }
    return year;
}

// "FROM..TO", whole UTC years, FROM before TO.
std::optional<EpochWindow> WindowNamed(const std::string& text) {
    const std::size_t dots = text.find("..");
    if (dots == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> from = YearOf(std::string_view(text).substr(0, dots));
    const std::optional<std::int64_t> to = YearOf(std::string_view(text).substr(dots + 2));
    if (!from || !to || *from >= *to) {
        return std::nullopt;
    }
    return YearsWindow(*from, *to);
}

CliCommand Refused(std::string problem) {
    CliCommand command;
    command.action = CliAction::Refuse;
    command.problem = std::move(problem);
    return command;
}

}  // namespace

CliCommand ParseCliCommand(const std::vector<std::string>& arguments) {
    CliCommand command;
    command.action = CliAction::Convert;
    bool windowGiven = false;
    bool operandsOnly = false;
    std::size_t i = 0;
    if (!arguments.empty() && arguments[0] == "annotate") {
        command.action = CliAction::Annotate;
        i = 1;
    }
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (operandsOnly || argument.size() < 2 || argument[0] != '-') {
            command.operands.push_back(argument);  // "-" alone is standard input
            continue;
        }
        if (argument == "--") {
            operandsOnly = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            command.action = CliAction::Help;
            return command;
        }
        if (argument == "--version") {
            command.action = CliAction::Version;
            return command;
        }
        // --name VALUE or --name=VALUE
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value) {
                return value;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            return std::nullopt;
        };
        const bool annotating = command.action == CliAction::Annotate;
        if (name == "--zone") {
            const std::optional<std::string> zone = takeValue();
            if (!zone) {
                return Refused("--zone needs a zone");
            }
            if (*zone != "local") {
                command.zone = ZoneNamed(*zone);
                if (!command.zone) {
                    return Refused("no zone '" + *zone + "' (UTC-12H .. UTC+12H, or local)");
                }
            }
        } else if (name == "--unit") {
            const std::optional<std::string> unit = takeValue();
            command.scan.unit = unit ? UnitNamed(*unit) : std::nullopt;
            if (!command.scan.unit) {
                return Refused("--unit needs s, ms, us or ns");
            }
        } else if (name == "--to-timestamp" && !value && !annotating) {
            command.action = CliAction::ToTimestamp;
        } else if (name == "--window" && annotating) {
            const std::optional<std::string> window = takeValue();
            const std::optional<EpochWindow> years = window ? WindowNamed(*window) : std::nullopt;
            if (!years || windowGiven) {
                return Refused("--window needs whole years FROM..TO, FROM before TO, once");
            }
            command.scan.window = years;
            windowGiven = true;
        } else if (name == "--any" && !value && annotating) {
            if (windowGiven) {
                return Refused("--any and --window exclude each other");
            }
            command.scan.window.reset();
            windowGiven = true;
        } else if (name == "--replace" && !value && annotating) {
            command.replace = true;
        } else if (name == "--iso" && !value && annotating) {
            command.iso = true;
        } else {
            return Refused("unknown option '" + argument + "'");
        }
    }
    if (command.action == CliAction::Convert) {
        if (command.operands.empty()) {
            return Refused("nothing to convert");
        }
        // A number given on its own is read whatever its year.
        command.scan.window.reset();
    }
    if (command.action == CliAction::ToTimestamp) {
        if (command.scan.unit && *command.scan.unit != TimeUnit::Seconds &&
            *command.scan.unit != TimeUnit::Milliseconds) {
            return Refused("--to-timestamp gives s or ms");
        }
        if (command.operands.empty() || command.operands.size() > 2) {
            return Refused("--to-timestamp takes a DATE and at most a TIME");
        }
    }
    return command;
}

std::string CliVersion(const std::string& version) {
    return "tickwright-cli (Tickwright) " + version + "\n";
}

std::string CliUsage() {
    return R"(Usage: tickwright-cli [--zone Z] [--unit U] NUMBER...
       tickwright-cli --to-timestamp [--zone Z] [--unit s|ms] DATE [TIME]
       tickwright-cli annotate [--zone Z] [--unit U] [--window FROM..TO | --any]
                               [--replace] [--iso] [FILE...]
用法: tickwright-cli [选项] 数字...
      tickwright-cli --to-timestamp [选项] 日期 [时间]
      tickwright-cli annotate [选项] [文件...]

Converts Unix timestamps to dates and times in 25 whole-hour zones and back,
and annotates the epoch numbers in logs.
在 Unix 时间戳与 25 个整点时区的日期时间之间转换，并标注日志中的时间戳。

NUMBER...        one line each: the number, its unit, the date and time on
                 the zone's clock, ISO 8601 in UTC.
--to-timestamp   the timestamp of DATE (1985-01-01) and TIME (15:25:35.001,
                 midnight when left out) on the zone's clock, read as the
                 window's fields read them; milliseconds unless --unit s.
annotate         copies FILEs (or standard input, or "-") to standard output,
                 and after every epoch number found inserts
                 " [DATE TIME ZONE]", e.g. in UTC+08H
                   ts=1700000000123 ok
                   ts=1700000000123 [2023-11-15 06:13:20.123 UTC+08H] ok
                 Every other byte passes through unchanged.

Options:
  --zone Z         UTC-12H .. UTC+12H, or local (the default): the machine's
                   zone, as the window finds it
  --unit U         s, ms, us or ns; by default the number's size tells
  --window F..T    annotate: take instants from F-01-01 to before T-01-01
                   (whole UTC years); the default is 2000..2100
  --any            annotate: take every candidate, whatever its year
  --replace        annotate: the date and time in place of the number,
                   without brackets
  --iso            annotate: ISO 8601 with the zone's offset instead
                   (2023-11-15T06:13:20.123+08:00)
  -h, --help       show this help and exit (显示本帮助并退出)
      --version    show the version and exit (显示版本并退出)

What counts as an epoch number (一个时间戳的认定规则):
  - 1 to 19 ASCII digits (leading zeros count), optionally followed by "."
    and 1 to 9 digits, its fraction;
  - before the digits: the start, or a character that is no ASCII letter,
    digit, "_" or "." (a "-" or "+" there is a separator, not a sign);
  - after them (and the fraction): the end, or a character that is no ASCII
    letter, digit or "_", and no "." followed by a digit;
  - so id1700000000, 0x1700000000, 1.1700000000, 1700000000.1.2, a tenth
    fraction digit and 20 digits are none, and "1700000000." ending a
    sentence is one; any character outside ASCII separates, and full-width
    digits are never taken.
  - The unit: by the integer part v, below 10^11 seconds, below 10^14
    milliseconds, below 10^17 microseconds, else nanoseconds (or --unit).
    The fraction counts in that unit: 1700000000.5 is half a second on.
  - Taken when its instant lies in the window (2000-01-01T00:00:00Z to before
    2100-01-01T00:00:00Z unless --window or --any); a number given on the
    command line is read whatever its year.
  - Shown with the unit's fraction digits (s 0, ms 3, us 6, ns 9) plus the
    typed fraction's, at most 9.

Exit status: 0 done; 1 a file could not be read or the output not written
(a closed pipe ends quietly); 2 bad options.
退出状态: 0 完成; 1 无法读取文件或无法写出; 2 选项错误。
)";
}

}  // namespace tickwright::cli

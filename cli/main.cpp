// tickwright-cli: the console twin of the window program, built from the
// core alone. Converts numbers and dates, and annotates logs in a stream of
// constant memory.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "cli/Annotator.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleFiles.h"
#include "core/Clock.h"
#include "core/DecimalText.h"
#include "core/EpochText.h"
#include "core/TextParsing.h"
#include "core/Timestamp.h"
#include "core/Utf16.h"
// The window's words for a refused date or time (constants only).
#include "pages/DateTimeInput.h"

namespace tickwright::cli {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadOptions = 2;

// Standard output, buffered here: a write that fails ends the program, a
// closed pipe quietly.
class Output {
public:
    Output() { m_buffer.reserve(kSize); }
    void Write(std::string_view bytes) {
        if (m_buffer.size() + bytes.size() > kSize) {
            Flush();
        }
        if (bytes.size() >= kSize) {
            Put(bytes);
            return;
        }
        m_buffer.append(bytes);
    }
    void Flush() {
        Put(m_buffer);
        m_buffer.clear();
    }
    // Writes at once, unbuffered.
    static void Put(std::string_view bytes) {
        const WriteResult result = WriteAll(kStandardOutput, bytes);
        if (result == WriteResult::kClosed) {
            std::exit(kDone);  // the reader has all it wanted
        }
        if (result == WriteResult::kFailed) {
            const int error = errno;
            Complain(std::string("cannot write the output: ") + std::strerror(error));
            std::exit(kFailed);
        }
    }

private:
    static constexpr std::size_t kSize = 1 << 20;
    std::string m_buffer;
};

std::string Ascii(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

std::string Utf8(std::u16string_view text) {
    std::string out;
    AppendUtf8(out, text);
    return out;
}

const char* UnitName(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Seconds:
            return "s";
        case TimeUnit::Milliseconds:
            return "ms";
        case TimeUnit::Microseconds:
            return "us";
        case TimeUnit::Nanoseconds:
            break;
    }
    return "ns";
}

int Convert(const CliCommand& command, ZoneIndex zone) {
    std::vector<EpochNumber> numbers;
    for (const std::string& operand : command.operands) {
        const std::optional<EpochNumber> number = ReadEpochNumber<char>(operand, command.scan);
        if (!number) {
            Complain("not an epoch number: '" + operand + "'\n\n" + CliUsage());
            return kBadOptions;
        }
        numbers.push_back(*number);
    }
    Output output;
    EpochText local(zone);
    EpochText utc(kUtcZone);
    const std::string zoneName = Ascii(ZoneName(zone));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const EpochNumber& number = numbers[i];
        std::string line = command.operands[i] + '\t' + UnitName(number.unit) + '\t';
        line += local.DateTime(number.instant, number.shownDigits);
        line += ' ' + zoneName + '\t';
        std::string_view iso = utc.Iso(number.instant, number.shownDigits);
        iso.remove_suffix(6);  // "+00:00"
        line += iso;
        line += "Z\n";
        output.Write(line);
    }
    output.Flush();
    return kDone;
}

int ToTimestamp(const CliCommand& command, ZoneIndex zone) {
    const std::u16string date = Utf16FromUtf8(command.operands[0]);
    const std::u16string time =
        command.operands.size() > 1 ? Utf16FromUtf8(command.operands[1]) : u"";
    // As the window reads its two fields: the date first; a time field empty
    // to the reader (nothing, or invisible characters alone) is midnight.
    const PackedDate packedDate = ParseDateText(date);
    if (packedDate < kFirstPackedDate || packedDate > kLastPackedDate) {
        Complain(Utf8(kBadDateMessage));
        return kFailed;
    }
    const PackedTime packedTime =
        ParseTimeText(SkipInvisible(time) == time.size() ? std::u16string(kMidnightText) : time);
    if (packedTime < 0) {
        Complain(Utf8(kBadTimeMessage));
        return kFailed;
    }
    const Precision precision =
        command.scan.unit == TimeUnit::Seconds ? Precision::Seconds : Precision::Milliseconds;
    const std::int64_t ms =
        ShiftToZone(CalendarToTimestamp(packedDate, packedTime), zone, kUtcZone);
    Output output;
    output.Write(Ascii(FormatTimestamp(TimestampFromMs(ms, precision))) + '\n');
    output.Flush();
    return kDone;
}

int Annotate(const CliCommand& command, ZoneIndex zone) {
    // The annotator gathers its output itself: straight on to the output.
    Annotator annotator(command.scan, zone, command.replace, command.iso,
                        [](std::string_view bytes) { Output::Put(bytes); });
    std::vector<std::string> files = command.operands;
    if (files.empty()) {
        files.push_back("-");
    }
    int status = kDone;
    for (const std::string& name : files) {
        InputFile file(name);
        if (!file.Open()) {
            annotator.Flush();
            Complain(name + ": " + file.Problem());
            status = kFailed;
            continue;
        }
        // Files are read one after another, as cat reads them: a number may
        // run on from one into the next.
        for (;;) {
            const std::span<char> room = annotator.Room();
            const long got = file.Read(room.data(), room.size());
            if (got < 0) {
                annotator.Flush();
                Complain(name + ": " + file.Problem());
                status = kFailed;
                break;
            }
            if (got == 0) {
                break;
            }
            annotator.Commit(static_cast<std::size_t>(got));
        }
    }
    annotator.Finish();
    return status;
}

int Run(const std::vector<std::string>& arguments) {
    const CliCommand command = ParseCliCommand(arguments);
    switch (command.action) {
        case CliAction::Help: {
            Output output;
            output.Write(CliUsage());
            output.Flush();
            return kDone;
        }
        case CliAction::Version: {
            Output output;
            output.Write(CliVersion(TICKWRIGHT_VERSION));
            output.Flush();
            return kDone;
        }
        case CliAction::Refuse:
            Complain(command.problem + "\n\n" + CliUsage());
            return kBadOptions;
        default:
            break;
    }
    const ZoneIndex zone = command.zone.value_or(DetectLocalZoneIndex());
    switch (command.action) {
        case CliAction::ToTimestamp:
            return ToTimestamp(command, zone);
        case CliAction::Annotate:
            return Annotate(command, zone);
        default:
            return Convert(command, zone);
    }
}

}  // namespace

int Main(const std::vector<std::string>& arguments) {
    PrepareConsole();
    try {
        return Run(arguments);
    } catch (const std::exception& error) {
        Complain(std::string("stopped: ") + error.what());
    } catch (...) {
        Complain("stopped");
    }
    return kFailed;
}

}  // namespace tickwright::cli

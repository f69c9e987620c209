// tickwright-cli's annotation of arbitrary bytes, fed in pieces of a size
// the fuzzer picks: the output must be the input with one bracket inserted
// exactly after each number that a model of the rule, stated here on its own,
// predicts, and nothing else changed; each bracket must name its number's
// instant as the window program's own conversion does (TimestampToCivil of
// its milliseconds, on the zone's clock); and nothing may crash or overflow.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Annotator.h"
#include "core/Timestamp.h"
#include "fuzz/FuzzInput.h"

namespace {

using namespace tickwright;

bool Digit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool LetterOrUnderscore(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

struct Predicted {
    std::size_t end;
    std::int64_t unixMs;  // the instant, to the millisecond below it
    int shownDigits;
};

// The rule, as the help text states it.
std::vector<Predicted> Model(std::string_view in, bool anyYear) {
    std::vector<Predicted> numbers;
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto before = i == 0 ? ' ' : static_cast<unsigned char>(in[i - 1]);
        if (!Digit(in[i]) || Digit(before) || LetterOrUnderscore(before) || before == '.') {
            continue;
        }
        std::size_t end = i;
        while (end < n && Digit(in[end])) {
            ++end;
        }
        if (end - i > 19) {
            continue;
        }
        std::string_view fraction;
        if (end + 1 < n && in[end] == '.' && Digit(in[end + 1])) {
            std::size_t stop = end + 1;
            while (stop < n && Digit(in[stop])) {
                ++stop;
            }
            fraction = in.substr(end + 1, stop - end - 1);
            end = stop;
        }
        if (fraction.size() > 9) {
            continue;
        }
        if (end < n && (Digit(in[end]) || LetterOrUnderscore(in[end]) ||
                        (in[end] == '.' && end + 1 < n && Digit(in[end + 1])))) {
            continue;
        }
        std::uint64_t value = 0;
        for (const char c :
             in.substr(i, 19).substr(0, in.substr(i).find_first_not_of("0123456789"))) {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
        // Units per second and fraction digits, by the value's size.
        const std::uint64_t perSecond = value < 100000000000ULL         ? 1
                                        : value < 100000000000000ULL    ? 1000
                                        : value < 100000000000000000ULL ? 1000000
                                                                        : 1000000000;
        const int unitDigits = perSecond == 1         ? 0
                               : perSecond == 1000    ? 3
                               : perSecond == 1000000 ? 6
                                                      : 9;
        // Milliseconds of the instant: the whole units', and the fraction's
        // share of one unit.
        std::int64_t ms = static_cast<std::int64_t>(value / perSecond) * 1000 +
                          static_cast<std::int64_t>((value % perSecond) * 1000 / perSecond);
        std::uint64_t fractionValue = 0;
        std::uint64_t scale = 1;
        for (const char c : fraction) {
            fractionValue = fractionValue * 10 + static_cast<std::uint64_t>(c - '0');
            scale *= 10;
        }
        // Nanoseconds within the second, exactly, to judge the window.
        const std::uint64_t nanosEach = 1000000000 / perSecond;
        const std::uint64_t nanos =
            (value % perSecond) * nanosEach + fractionValue * nanosEach / scale;
        ms = static_cast<std::int64_t>(value / perSecond) * 1000 +
             static_cast<std::int64_t>(nanos / 1000000);
        const std::uint64_t seconds = value / perSecond;
        if (!anyYear && (seconds < 946684800 || seconds >= 4102444800)) {
            continue;
        }
        numbers.push_back({end, ms, std::min(9, unitDigits + static_cast<int>(fraction.size()))});
    }
    return numbers;
}

std::string Ascii(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

void CheckBracket(std::string_view bracket, const Predicted& number, ZoneIndex zone) {
    // "YYYY-MM-DD HH:MM:SS[.fraction] ZONE", the year as long as it needs.
    const std::string zoneName = Ascii(ZoneName(zone));
    FUZZ_CHECK(bracket.size() > zoneName.size() + 1);
    FUZZ_CHECK(bracket.substr(bracket.size() - zoneName.size() - 1) == " " + zoneName);
    const std::string_view dateTime = bracket.substr(0, bracket.size() - zoneName.size() - 1);
    const CivilDateTime wall = TimestampToCivil(ShiftToZone(number.unixMs, kUtcZone, zone));
    const std::string expected =
        Ascii(FormatCivilDay(wall.day)) + ' ' + Ascii(FormatTimeOfDay(wall.time, true));
    const std::size_t seconds = expected.size() - 4;  // up to ".mmm"
    FUZZ_CHECK(dateTime.substr(0, seconds) == std::string_view(expected).substr(0, seconds));
    const std::string_view fraction = dateTime.substr(seconds);
    if (number.shownDigits == 0) {
        FUZZ_CHECK(fraction.empty());
        return;
    }
    FUZZ_CHECK(fraction.size() == static_cast<std::size_t>(number.shownDigits) + 1);
    const std::size_t compared = std::min<std::size_t>(4, fraction.size());
    FUZZ_CHECK(fraction.substr(0, compared) ==
               std::string_view(expected).substr(seconds, compared));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // Pieces of 1 to 4192 bytes: short ones cut numbers anywhere, long ones
    // are read 64 bytes at a time.
    const std::size_t piece = 1 + std::size_t{data[0] & 0x7Fu} * 33;
    const bool anyYear = (data[0] & 0x80) != 0;
    const auto zone = static_cast<ZoneIndex>(data[1] % kZoneCount);
    const std::string_view in(reinterpret_cast<const char*>(data + 2), size - 2);

    std::string out;
    ScanOptions options;
    if (anyYear) {
        options.window.reset();
    }
    cli::Annotator annotator(options, zone, false, false,
                             [&out](std::string_view bytes) { out.append(bytes); });
    for (std::size_t at = 0; at < in.size(); at += piece) {
        annotator.Feed(in.substr(at, piece));
    }
    annotator.Finish();

    std::size_t read = 0;
    std::size_t written = 0;
    for (const Predicted& number : Model(in, anyYear)) {
        const std::string_view passed = in.substr(read, number.end - read);
        FUZZ_CHECK(std::string_view(out).substr(written, passed.size()) == passed);
        written += passed.size();
        FUZZ_CHECK(std::string_view(out).substr(written, 2) == " [");
        const std::size_t close = out.find(']', written + 2);
        FUZZ_CHECK(close != std::string::npos);
        CheckBracket(std::string_view(out).substr(written + 2, close - written - 2), number, zone);
        written = close + 1;
        read = number.end;
    }
    FUZZ_CHECK(std::string_view(out).substr(written) == in.substr(read));
    return 0;
}

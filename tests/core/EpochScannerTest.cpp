// The rule for epoch numbers in text, clause by clause, each with a case on
// either side; every expected number is written out here, not computed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/EpochScanner.h"
#include "core/EpochText.h"

namespace tickwright {
namespace {

constexpr auto kS = TimeUnit::Seconds;
constexpr auto kMs = TimeUnit::Milliseconds;
constexpr auto kUs = TimeUnit::Microseconds;
constexpr auto kNs = TimeUnit::Nanoseconds;

struct Seen {
    std::string text;  // the number as it stands
    TimeUnit unit;
    std::uint64_t seconds;
    std::uint32_t nanos;
    int shown;
    friend bool operator==(const Seen&, const Seen&) = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
    *out << "{" << seen.text << " unit " << static_cast<int>(seen.unit) << " " << seen.seconds
         << " s " << seen.nanos << " ns, " << seen.shown << " digits}";
}

std::vector<Seen> Scan(std::string_view text, const ScanOptions& options) {
    std::vector<Seen> seen;
    EpochScanner<char> scanner(text, options);
    while (const std::optional<EpochNumber> number = scanner.Next()) {
        seen.push_back({std::string(text.substr(number->begin, number->end - number->begin)),
                        number->unit, number->instant.seconds, number->instant.nanos,
                        number->shownDigits});
    }
    return seen;
}

const ScanOptions kDefault{};
const ScanOptions kAny{std::nullopt, std::nullopt};

struct Case {
    const char* text;
    ScanOptions options;
    std::vector<Seen> found;
    const char* why;
};

void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Scan(c.text, c.options), c.found) << c.why << ": \"" << c.text << "\"";
    }
}

TEST(EpochScanner, TheUnitFollowsTheValueAtTenToTheElevenFourteenAndSeventeen) {
    Check({
        {"1700000000", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "seconds"},
        {"1700000000123", kDefault, {{"1700000000123", kMs, 1700000000, 123000000, 3}}, "ms"},
        {"1700000000123456",
         kDefault,
         {{"1700000000123456", kUs, 1700000000, 123456000, 6}},
         "microseconds"},
        {"1700000000123456789",
         kDefault,
         {{"1700000000123456789", kNs, 1700000000, 123456789, 9}},
         "nanoseconds"},
        {"99999999999", kAny, {{"99999999999", kS, 99999999999, 0, 0}}, "10^11 - 1: seconds"},
        {"100000000000", kAny, {{"100000000000", kMs, 100000000, 0, 3}}, "10^11: milliseconds"},
        {"99999999999999",
         kAny,
         {{"99999999999999", kMs, 99999999999, 999000000, 3}},
         "10^14 - 1: milliseconds"},
        {"100000000000000",
         kAny,
         {{"100000000000000", kUs, 100000000, 0, 6}},
         "10^14: microseconds"},
        {"99999999999999999",
         kAny,
         {{"99999999999999999", kUs, 99999999999, 999999000, 6}},
         "10^17 - 1: microseconds"},
        {"100000000000000000",
         kAny,
         {{"100000000000000000", kNs, 100000000, 0, 9}},
         "10^17: nanoseconds"},
        {"1700000000",
         {kMs, std::nullopt},
         {{"1700000000", kMs, 1700000, 0, 3}},
         "a unit asked for"},
        {"1700000000123",
         {kS, std::nullopt},
         {{"1700000000123", kS, 1700000000123, 0, 0}},
         "seconds asked for"},
    });
}

TEST(EpochScanner, NineteenDigitsAtMostLeadingZerosCounted) {
    Check({
        {"9999999999999999999",
         kAny,
         {{"9999999999999999999", kNs, 9999999999, 999999999, 9}},
         "19 digits, past the signed range, read as they stand"},
        {"17000000001234567890", kAny, {}, "20 digits"},
        {"0001700000000",
         kDefault,
         {{"0001700000000", kS, 1700000000, 0, 0}},
         "leading zeros, the value still seconds"},
        {"0000000001700000000",
         kDefault,
         {{"0000000001700000000", kS, 1700000000, 0, 0}},
         "19 digits with zeros"},
        {"00000000001700000000", kDefault, {}, "20 digits with zeros"},
    });
}

TEST(EpochScanner, TakesWhatLiesInTheWindowOrEverythingWithoutOne) {
    Check({
        {"946684800", kDefault, {{"946684800", kS, 946684800, 0, 0}}, "2000-01-01T00:00:00Z"},
        {"946684799", kDefault, {}, "a second before"},
        {"946684799.999999999", kDefault, {}, "a nanosecond before"},
        {"4102444799.999999999",
         kDefault,
         {{"4102444799.999999999", kS, 4102444799, 999999999, 9}},
         "the window's last instant"},
        {"4102444800", kDefault, {}, "2100-01-01T00:00:00Z"},
        {"4102444800", kAny, {{"4102444800", kS, 4102444800, 0, 0}}, "no window"},
        {"0", kAny, {{"0", kS, 0, 0, 0}}, "the epoch, no window"},
        {"1700000000", {std::nullopt, YearsWindow(2024, 2025)}, {}, "2023 outside 2024..2025"},
        {"1704067200",
         {std::nullopt, YearsWindow(2024, 2025)},
         {{"1704067200", kS, 1704067200, 0, 0}},
         "2024-01-01 inside 2024..2025"},
    });
}

TEST(EpochScanner, TheCharactersBeforeTheDigits) {
    Check({
        {"id1700000000", kDefault, {}, "a letter"},
        {"0x1700000000", kDefault, {}, "a hex number"},
        {"_1700000000", kDefault, {}, "an underscore"},
        {"1.1700000000", kDefault, {}, "a dot: a version or an address"},
        {"21700000000", kDefault, {}, "a digit: another number (11 digits, year 2657)"},
        {"-1700000000", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "a minus separates"},
        {"+1700000000", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "a plus separates"},
        {"ts=1700000000", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "an equals sign"},
        {"\xC3\xA9"
         "1700000000",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a letter outside ASCII separates"},
        {"\xEF\xBC\x91"
         "1700000000",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a full-width digit separates"},
    });
}

TEST(EpochScanner, TheCharactersAfterTheDigits) {
    Check({
        {"1700000000x", kDefault, {}, "a letter"},
        {"1700000000_", kDefault, {}, "an underscore"},
        {"1700000000.", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "a sentence's end"},
        {"1700000000. Then",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a dot before a blank"},
        {"1700000000.x",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a dot before a letter is no fraction"},
        {"1700000000.1.2", kDefault, {}, "a dotted version"},
        {"1700000000-", kDefault, {{"1700000000", kS, 1700000000, 0, 0}}, "a minus"},
        {"1700000000\xC3\xA9",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a letter outside ASCII"},
        {"1700000000\xEF\xBC\x91",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}},
         "a full-width digit"},
        {"\xEF\xBC\x91\xEF\xBC\x97\xEF\xBC\x90\xEF\xBC\x90",
         kAny,
         {},
         "full-width digits are never taken"},
    });
}

TEST(EpochScanner, FractionsOfOneToNineDigitsCountInTheUnit) {
    Check({
        {"1700000000.5", kDefault, {{"1700000000.5", kS, 1700000000, 500000000, 1}}, "1 digit"},
        {"1700000000.123456789",
         kDefault,
         {{"1700000000.123456789", kS, 1700000000, 123456789, 9}},
         "9 digits"},
        {"1700000000.1234567890", kDefault, {}, "10 digits: no candidate"},
        {"1700000000.5x", kDefault, {}, "a letter after the fraction"},
        {"1700000000.5.",
         kDefault,
         {{"1700000000.5", kS, 1700000000, 500000000, 1}},
         "a sentence's end after the fraction"},
        {"1700000000123.5",
         kDefault,
         {{"1700000000123.5", kMs, 1700000000, 123500000, 4}},
         "half a millisecond"},
        {"1700000000123456789.5",
         kDefault,
         {{"1700000000123456789.5", kNs, 1700000000, 123456789, 9}},
         "below a nanosecond: shown to nine digits"},
    });
}

TEST(EpochScanner, EveryNumberOfALineInOrder) {
    Check({
        {"GET /v1.2/item 200 1700000000 took 12ms at 1700000001123 from 10.0.0.1",
         kDefault,
         {{"1700000000", kS, 1700000000, 0, 0}, {"1700000001123", kMs, 1700000001, 123000000, 3}},
         "two taken; a version, a status, a duration and an address not"},
        {"", kDefault, {}, "nothing"},
    });
}

// Long text is read 64 bytes at a time: a number, a word's digits or a
// version at every place against those blocks reads as it does alone.
TEST(EpochScanner, EveryPlaceInALongTextReadsAlike) {
    struct Piece {
        const char* text;
        std::size_t found;  // numbers taken in it
    };
    const Piece pieces[] = {
        {" 1700000000 ", 1},      {" id1700000000 ", 0},
        {" 1.1700000000 ", 0},    {" 17000000001234567890 ", 0},
        {" 1700000000123.5 ", 1}, {" 170000000 ", 0},
        {" 946684799 ", 0},       {" 0001700000000. ", 1},
    };
    for (const Piece& piece : pieces) {
        for (std::size_t before = 0; before < 140; ++before) {
            const std::string text =
                std::string(before, 'x') + "-" + piece.text + std::string(150 - before, 'y');
            const std::vector<Seen> seen = Scan(text, kDefault);
            ASSERT_EQ(seen.size(), piece.found) << piece.text << " after " << before << " bytes";
            if (!seen.empty()) {
                EXPECT_EQ(seen[0], Scan(piece.text, kDefault)[0]) << before;
            }
        }
    }
}

TEST(EpochScanner, SixteenBitTextFollowsTheSameRule) {
    const std::u16string text = u"ts=1700000000123 ok \uFF11\uFF17 id1700000000 1700000000";
    std::vector<std::pair<std::size_t, std::size_t>> places;
    EpochScanner<char16_t> scanner(text, {});
    while (const std::optional<EpochNumber> number = scanner.Next()) {
        places.emplace_back(number->begin, number->end);
    }
    EXPECT_EQ(places, (std::vector<std::pair<std::size_t, std::size_t>>{{3, 16}, {36, 46}}));
}

TEST(EpochScanner, AStreamInPiecesGivesWhatTheWholeGives) {
    const std::string text =
        "a 1700000000 b 1700000000123.5 c 1.1700000000 d 17000000001234567890 e 1700000000. "
        "x1700000000 1700000000.1.2 1700000000";
    const std::vector<Seen> whole = Scan(text, kDefault);
    ASSERT_EQ(whole.size(), 4u);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        std::vector<Seen> seen;
        std::string pending;
        bool afterWord = false;
        const std::string_view pieces[] = {std::string_view(text).substr(0, cut),
                                           std::string_view(text).substr(cut)};
        for (int i = 0; i < 2; ++i) {
            const std::string buffer = pending + std::string(pieces[i]);
            const bool more = i == 0;
            EpochScanner<char> scanner(buffer, kDefault, more, afterWord);
            while (const std::optional<EpochNumber> number = scanner.Next()) {
                seen.push_back({buffer.substr(number->begin, number->end - number->begin),
                                number->unit, number->instant.seconds, number->instant.nanos,
                                number->shownDigits});
            }
            EXPECT_LE(buffer.size() - scanner.Settled(), more ? 30u : 0u) << "cut at " << cut;
            afterWord = scanner.SettledAfterWordCharacter();
            pending = buffer.substr(scanner.Settled());
        }
        EXPECT_EQ(seen, whole) << "cut at " << cut;
    }
}

TEST(EpochText, DateAndTimeOnTheZonesClock) {
    struct TextCase {
        ZoneIndex zone;
        EpochInstant instant;
        int shown;
        const char* dateTime;
        const char* iso;
    };
    const TextCase cases[] = {
        {20,
         {1700000000, 123000000},
         3,
         "2023-11-15 06:13:20.123",
         "2023-11-15T06:13:20.123+08:00"},
        {12, {1700000000, 0}, 0, "2023-11-14 22:13:20", "2023-11-14T22:13:20+00:00"},
        {0, {0, 500000000}, 1, "1969-12-31 12:00:00.5", "1969-12-31T12:00:00.5-12:00"},
        {24,
         {946684799, 999999999},
         9,
         "2000-01-01 11:59:59.999999999",
         "2000-01-01T11:59:59.999999999+12:00"},
        {12,
         {9999999999, 999999999},
         9,
         "2286-11-20 17:46:39.999999999",
         "2286-11-20T17:46:39.999999999+00:00"},
        {12, {253402300800, 0}, 0, "10000-01-01 00:00:00", "+10000-01-01T00:00:00+00:00"},
    };
    for (const TextCase& c : cases) {
        EpochText text(c.zone);
        EXPECT_EQ(text.DateTime(c.instant, c.shown), c.dateTime);
        EXPECT_EQ(text.Iso(c.instant, c.shown), c.iso);
    }
}

}  // namespace
}  // namespace tickwright

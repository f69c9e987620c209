#pragma once

// Epoch numbers in text, found by one rule, for UTF-8 bytes (logs) and
// UTF-16 (the clipboard) alike. docs/epoch-numbers.md states the rule for
// people; tickwright-cli --help carries it too.
//
// A candidate is a run of 1 to 19 ASCII digits (leading zeros count),
// optionally followed by "." and 1 to 9 ASCII digits, its fraction, where
//   - the character before the run is the start of the text, or not an ASCII
//     letter, digit, "_" or "."; and
//   - the character after the run (after the fraction, when there is one) is
//     the end of the text, or not an ASCII letter, digit or "_", and not a
//     "." followed by a digit.
// So "id1700000000", "0x1700000000", "1.1700000000", "1700000000.1.2",
// "1700000000.1234567890" and a run of 20 digits are no candidates, while a
// "-" or "+" before the digits is a separator, and "1700000000." at the end of
// a sentence is one. Any character outside ASCII is a separator: a letter or
// a full-width digit joins no run, and full-width digits are never taken.
//
// The unit is the one asked for, or by default the integer part's value v
// tells it (LikelyUnit.h): below 10^11 seconds, below 10^14 milliseconds,
// below 10^17 microseconds, else nanoseconds. The fraction counts in that
// unit: "1700000000.5" is half a second past 1700000000. A candidate is taken
// when its instant lies in the window, by default
// [2000-01-01T00:00:00Z, 2100-01-01T00:00:00Z), or in any case when the window
// is switched off. It is shown with the unit's own fraction digits (0, 3, 6,
// 9) plus the typed fraction's, at most 9.
//
//   EpochScanner<char> scan("ts=1700000000123 ok", {});
//   scan.Next() -> {begin 3, end 16, Milliseconds, 1700000000 s + 123000000 ns, 3 digits}
//   scan.Next() -> nothing
//
// Cost: the scanner never allocates, looks back one character at most, and
// reads each character a bounded number of times: any text costs in
// proportion to its length.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/LikelyUnit.h"

namespace tickwright {

// An instant at or after 1970-01-01T00:00:00Z: whole seconds and the
// nanoseconds past them. Every candidate's instant is one (it has no sign),
// and its seconds stay below 10^19.
struct EpochInstant {
    std::uint64_t seconds = 0;
    std::uint32_t nanos = 0;  // 0 .. 999999999

    friend constexpr auto operator<=>(const EpochInstant&, const EpochInstant&) = default;
};

// [from, to): the instants a candidate may name to be taken.
struct EpochWindow {
    EpochInstant from;
    EpochInstant to;
};

// 2000-01-01T00:00:00Z .. 2100-01-01T00:00:00Z.
inline constexpr EpochWindow kDefaultEpochWindow{{946684800, 0}, {4102444800, 0}};

// The years a window can start or end in: instants start at 1970, and their
// seconds stay below 10^19 up to the year 3e11.
inline constexpr std::int64_t kFirstWindowYear = 1970;
inline constexpr std::int64_t kLastWindowYear = 300000000000;

// The window of whole UTC years [fromYear-01-01, toYear-01-01), each year
// taken into kFirstWindowYear .. kLastWindowYear.
EpochWindow YearsWindow(std::int64_t fromYear, std::int64_t toYear);

struct ScanOptions {
    std::optional<TimeUnit> unit;                             // nothing: by the value
    std::optional<EpochWindow> window = kDefaultEpochWindow;  // nothing: every candidate
};

struct EpochNumber {
    std::size_t begin = 0;  // the number's place in the text: [begin, end)
    std::size_t end = 0;
    TimeUnit unit = TimeUnit::Seconds;
    EpochInstant instant;
    int shownDigits = 0;  // fraction digits shown, 0 .. 9
};

// The epoch number, if any, that `text` is as a whole (by the same rule, the
// window of `options` applied), as for a number given on a command line.
template <class Char>
std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<Char> text,
                                           const ScanOptions& options);

// Walks a text's candidates in order. For text that arrives in pieces (a
// stream), `more` says that more follows: then a candidate that might go on
// past the end is not judged; Settled() says where the undecided part
// begins, which the caller keeps and puts before the next piece, with
// `afterWordCharacter` telling the next scanner what stood before it.
template <class Char>
class EpochScanner {
public:
    EpochScanner(std::basic_string_view<Char> text, const ScanOptions& options, bool more = false,
                 bool afterWordCharacter = false);

    // The next epoch number taken, or nothing when there is none (before
    // Settled(), when more follows).
    std::optional<EpochNumber> Next();

    // Everything before this position is judged for good: the end of the
    // text, or, when more follows, the start of a candidate that could still
    // go on (at most 30 characters before the end).
    std::size_t Settled() const { return m_settled; }
    // Whether the character just before Settled() is an ASCII letter, digit,
    // "_" or ".", for the scanner of the text that follows.
    bool SettledAfterWordCharacter() const;

private:
    std::basic_string_view<Char> m_text;
    ScanOptions m_options;
    // Fewer digits than this can name no instant in the window: such a run
    // is passed over without being read.
    std::size_t m_fewestDigits;
    bool m_more;
    bool m_startsAfterWord;
    std::size_t m_pos = 0;
    std::size_t m_settled = 0;
    // The 64 bytes last classified at once (UTF-8 text), as bit masks.
    std::size_t m_blockAt = static_cast<std::size_t>(-1);
    std::uint64_t m_blockStarts = 0;  // runs that may be taken, as bits

    std::size_t NextStart(std::size_t pos);
};

extern template class EpochScanner<char>;
extern template class EpochScanner<char16_t>;
extern template std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<char>,
                                                           const ScanOptions&);
extern template std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<char16_t>,
                                                           const ScanOptions&);

}  // namespace tickwright

#include "core/EpochScanner.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

#include "core/CivilDay.h"

namespace tickwright {

namespace {

template <class Char>
constexpr unsigned Code(Char c) {
    return static_cast<std::make_unsigned_t<Char>>(c);
}

constexpr bool IsDigit(unsigned c) {
    return c - '0' < 10u;
}

// An ASCII letter or "_": what joins a run of digits into a word.
constexpr bool IsLetter(unsigned c) {
    return (c | 0x20u) - 'a' < 26u || c == '_';
}

// What may not stand just before a candidate's first digit.
constexpr bool IsWordCharacter(unsigned c) {
    return IsDigit(c) || IsLetter(c) || c == '.';
}

constexpr std::uint32_t kPowersOf10[] = {1,      10,      100,      1000,      10000,
                                         100000, 1000000, 10000000, 100000000, 1000000000};

struct UnitFacts {
    std::uint64_t perSecond;
    std::uint32_t nanosEach;
    int digits;  // fraction digits a whole unit shows
};

constexpr UnitFacts FactsOf(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Seconds:
            return {1, 1000000000, 0};
        case TimeUnit::Milliseconds:
            return {1000, 1000000, 3};
        case TimeUnit::Microseconds:
            return {1000000, 1000, 6};
        case TimeUnit::Nanoseconds:
            break;
    }
    return {1000000000, 1, 9};
}

// What a run of digits starting at a place a candidate may start turns out
// to be.
struct Judgement {
    enum Kind { kCandidate, kNone, kUndecided } kind;
    std::size_t end;  // where the scan goes on: the candidate's end, or past the run
    std::uint64_t value = 0;
    std::uint32_t fraction = 0;
    int fractionDigits = 0;
};

constexpr std::size_t kMostIntegerDigits = 19;
constexpr std::size_t kMostFractionDigits = 9;

template <class Char>
std::size_t SkipDigits(std::basic_string_view<Char> text, std::size_t pos) {
    while (pos < text.size() && IsDigit(Code(text[pos]))) {
        ++pos;
    }
    return pos;
}

// Bytes 64 at a time, where the machine reads them so (little-endian): for
// each digit a bit in one 64-bit mask, with no branch on a byte's value. Text
// alternates digits and other characters every few bytes in a log, and a
// branch at each change costs more than classifying all of them.
constexpr bool kSixtyFourAtATime = std::endian::native == std::endian::little;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
constexpr std::uint64_t kHigh = 0x8080808080808080ULL;

// The high bit of each byte of `word` within [low, high] (both below 0x80).
// Each byte's low seven bits plus a constant stay below 0x100: no carry
// crosses into the next byte.
constexpr std::uint64_t BytesWithin(std::uint64_t word, unsigned low, unsigned high) {
    const std::uint64_t low7 = word & kLow7;
    const std::uint64_t atLeast = low7 + kOnes * (0x80 - low);
    const std::uint64_t above = low7 + kOnes * (0x7F - high);
    return atLeast & ~above & ~word & kHigh;
}

// The eight high bits gathered into the low byte, byte i's as bit i.
constexpr std::uint64_t Gather(std::uint64_t highBits) {
    return ((highBits >> 7) * 0x0102040810204080ULL) >> 56;
}

// Bit i: byte i of the 64 at `bytes` is an ASCII digit.
std::uint64_t DigitMask(const char* bytes) {
    std::uint64_t digits = 0;
    for (int k = 0; k < 8; ++k) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + 8 * k, sizeof(word));
        digits |= Gather(BytesWithin(word, '0', '9')) << (8 * k);
    }
    return digits;
}

std::size_t DecimalDigits(std::uint64_t value) {
    std::size_t digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

// Runs of fewer than `fewestDigits` digits are judged no candidate as soon
// as they end: they could not be taken.
template <class Char>
Judgement Judge(std::basic_string_view<Char> text, std::size_t start, bool more,
                std::size_t fewestDigits) {
    const std::size_t n = text.size();
    const auto undecided = [&] { return Judgement{Judgement::kUndecided, start}; };
    std::uint64_t value = 0;
    std::size_t pos = start;
    for (; pos < n && IsDigit(Code(text[pos])); ++pos) {
        if (pos - start == kMostIntegerDigits) {
            return {Judgement::kNone, SkipDigits(text, pos)};  // 20 digits or more
        }
        value = value * 10 + (Code(text[pos]) - '0');
    }
    if (pos == n && more) {
        return undecided();
    }
    if (pos - start < fewestDigits) {
        return {Judgement::kNone, pos};
    }
    if (pos == n) {
        return {Judgement::kCandidate, pos, value};
    }
    const unsigned after = Code(text[pos]);
    if (IsLetter(after)) {
        return {Judgement::kNone, pos};
    }
    if (after != '.') {
        return {Judgement::kCandidate, pos, value};
    }
    // A "." with a digit after it opens a fraction; without one it ends a
    // sentence, not the number.
    if (pos + 1 == n) {
        return more ? undecided() : Judgement{Judgement::kCandidate, pos, value};
    }
    if (!IsDigit(Code(text[pos + 1]))) {
        return {Judgement::kCandidate, pos, value};
    }
    const std::size_t fractionStart = pos + 1;
    std::uint32_t fraction = 0;
    std::size_t end = fractionStart;
    for (; end < n && IsDigit(Code(text[end])); ++end) {
        if (end - fractionStart == kMostFractionDigits) {
            return {Judgement::kNone, SkipDigits(text, end)};  // a tenth fraction digit
        }
        fraction = fraction * 10 + (Code(text[end]) - '0');
    }
    const int digits = static_cast<int>(end - fractionStart);
    const Judgement candidate{Judgement::kCandidate, end, value, fraction, digits};
    if (end == n) {
        return more ? undecided() : candidate;
    }
    const unsigned next = Code(text[end]);
    if (IsLetter(next)) {
        return {Judgement::kNone, end};
    }
    if (next == '.') {
        if (end + 1 == n) {
            return more ? undecided() : candidate;
        }
        if (IsDigit(Code(text[end + 1]))) {
            return {Judgement::kNone, end};  // a second ".digit": a version, an address
        }
    }
    return candidate;
}

// Whole seconds and the units past them, each unit's divisor a constant.
template <std::uint64_t kPerSecond>
EpochInstant Split(std::uint64_t value, std::uint32_t fractionNanos) {
    constexpr std::uint64_t kNanosEach = 1000000000 / kPerSecond;
    return {value / kPerSecond,
            static_cast<std::uint32_t>((value % kPerSecond) * kNanosEach + fractionNanos)};
}

// The candidate's number, its unit told, or nothing outside the window.
std::optional<EpochNumber> Take(const Judgement& judged, std::size_t begin,
                                const ScanOptions& options) {
    const TimeUnit unit = options.unit.value_or(LikelyUnit(judged.value));
    const UnitFacts facts = FactsOf(unit);
    // Below 10^9 each, and their product below 10^18.
    const auto fractionNanos = static_cast<std::uint32_t>(
        std::uint64_t{judged.fraction} * facts.nanosEach / kPowersOf10[judged.fractionDigits]);
    EpochNumber number;
    number.begin = begin;
    number.end = judged.end;
    number.unit = unit;
    switch (unit) {
        case TimeUnit::Seconds:
            number.instant = {judged.value, fractionNanos};
            break;
        case TimeUnit::Milliseconds:
            number.instant = Split<1000>(judged.value, fractionNanos);
            break;
        case TimeUnit::Microseconds:
            number.instant = Split<1000000>(judged.value, fractionNanos);
            break;
        case TimeUnit::Nanoseconds:
            number.instant = Split<1000000000>(judged.value, fractionNanos);
            break;
    }
    number.shownDigits = std::min(9, facts.digits + judged.fractionDigits);
    if (options.window &&
        (number.instant < options.window->from || !(number.instant < options.window->to))) {
        return std::nullopt;
    }
    return number;
}

EpochInstant NewYear(std::int64_t year) {
    const std::int64_t clamped = std::clamp(year, kFirstWindowYear, kLastWindowYear);
    return {static_cast<std::uint64_t>(NewYearsDay(clamped).UnixDays()) * 86400, 0};
}

// The fewest digits an integer part needs to name an instant at or after
// the window's start, in whichever unit it would be read in. A run with fewer
// has a smaller value: whatever its fraction, it lies before the window.
std::size_t FewestDigits(const ScanOptions& options) {
    if (!options.window) {
        return 1;
    }
    const EpochInstant from = options.window->from;
    const auto smallestIn = [&](TimeUnit unit, std::uint64_t low, std::uint64_t high,
                                std::uint64_t& smallest) {
        const UnitFacts facts = FactsOf(unit);
        // The start in whole units, taken down; past 10^19 no run reaches it.
        if (from.seconds > 10000000000000000000ULL / facts.perSecond) {
            return;
        }
        const std::uint64_t units = from.seconds * facts.perSecond + from.nanos / facts.nanosEach;
        const std::uint64_t value = std::max(low, units);
        if (value < high) {
            smallest = std::min(smallest, value);
        }
    };
    constexpr std::uint64_t kNone = ~std::uint64_t{0};
    std::uint64_t smallest = kNone;
    if (options.unit) {
        smallestIn(*options.unit, 0, kNone, smallest);
    } else {
        smallestIn(TimeUnit::Seconds, 0, kMillisecondsFrom, smallest);
        smallestIn(TimeUnit::Milliseconds, kMillisecondsFrom, kMicrosecondsFrom, smallest);
        smallestIn(TimeUnit::Microseconds, kMicrosecondsFrom, kNanosecondsFrom, smallest);
        smallestIn(TimeUnit::Nanoseconds, kNanosecondsFrom, kNone, smallest);
    }
    return smallest == kNone ? kMostIntegerDigits + 1 : DecimalDigits(smallest);
}

}  // namespace

EpochWindow YearsWindow(std::int64_t fromYear, std::int64_t toYear) {
    return {NewYear(fromYear), NewYear(toYear)};
}

template <class Char>
std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<Char> text,
                                           const ScanOptions& options) {
    if (text.empty() || !IsDigit(Code(text[0]))) {
        return std::nullopt;
    }
    const Judgement judged = Judge(text, 0, false, FewestDigits(options));
    if (judged.kind != Judgement::kCandidate || judged.end != text.size()) {
        return std::nullopt;
    }
    return Take(judged, 0, options);
}

template <class Char>
EpochScanner<Char>::EpochScanner(std::basic_string_view<Char> text, const ScanOptions& options,
                                 bool more, bool afterWordCharacter)
    : m_text(text),
      m_options(options),
      m_fewestDigits(FewestDigits(options)),
      m_more(more),
      m_startsAfterWord(afterWordCharacter) {}

template <class Char>
std::optional<EpochNumber> EpochScanner<Char>::Next() {
    const std::size_t n = m_text.size();
    while (true) {
        std::size_t pos = m_pos;
        if constexpr (std::is_same_v<Char, char> && kSixtyFourAtATime) {
            pos = NextStart(pos);
        }
        while (pos < n && !IsDigit(Code(m_text[pos]))) {
            ++pos;
        }
        if (pos == n) {
            m_pos = m_settled = n;
            return std::nullopt;
        }
        const bool afterWord =
            pos == 0 ? m_startsAfterWord : IsWordCharacter(Code(m_text[pos - 1]));
        if (afterWord) {
            m_pos = SkipDigits(m_text, pos);  // part of a word, a number or a version
            continue;
        }
        const Judgement judged = Judge(m_text, pos, m_more, m_fewestDigits);
        if (judged.kind == Judgement::kUndecided) {
            m_pos = n;
            m_settled = pos;
            return std::nullopt;
        }
        m_pos = judged.end;
        if (judged.kind == Judgement::kCandidate) {
            if (std::optional<EpochNumber> number = Take(judged, pos, m_options)) {
                return number;
            }
        }
    }
}

// The next place at or after `pos` where a run of digits starts after
// something that is no word character and is long enough to be taken (or
// runs on past a block's end, to be read byte by byte): within the last
// bytes of the text, short of a block, the place to read on from one by one.
template <class Char>
std::size_t EpochScanner<Char>::NextStart(std::size_t pos) {
    if constexpr (std::is_same_v<Char, char>) {
        const std::size_t n = m_text.size();
        while (true) {
            const std::size_t block = pos & ~std::size_t{63};
            if (block + 64 > n) {
                return pos;
            }
            if (block != m_blockAt) {
                const std::uint64_t digits = DigitMask(m_text.data() + block);
                const bool afterDigit = block != 0 && IsDigit(Code(m_text[block - 1]));
                // The first digit of every run.
                const std::uint64_t runs = digits & ~((digits << 1) | (afterDigit ? 1u : 0u));
                // Bit i: the fewest digits a number needs stand from byte i
                // on, within the block. Most runs in a log are short (a
                // status, a port, a part of an address): this passes over
                // them all at once.
                std::uint64_t longEnough = digits;
                for (std::size_t j = 1; j < m_fewestDigits && longEnough != 0; ++j) {
                    longEnough &= digits >> j;
                }
                // The run the block ends in may go on into the next one: it
                // is read byte by byte.
                std::uint64_t last = 0;
                if ((digits >> 63) != 0 && ~digits != 0) {
                    last = 1ULL << (64 - std::countl_zero(~digits));
                }
                m_blockAt = block;
                m_blockStarts = runs & (longEnough | last | (~digits == 0 ? 1u : 0u));
            }
            // Runs before `pos` are behind.
            const auto skip = static_cast<unsigned>(pos - block);
            std::uint64_t starts = skip == 0 ? m_blockStarts : m_blockStarts & (~0ULL << skip);
            while (starts != 0) {
                const int start = std::countr_zero(starts);
                starts &= starts - 1;
                const std::size_t at = block + static_cast<std::size_t>(start);
                if (at == 0 ? !m_startsAfterWord : !IsWordCharacter(Code(m_text[at - 1]))) {
                    return at;
                }
            }
            pos = block + 64;
        }
    } else {
        return pos;
    }
}

template <class Char>
bool EpochScanner<Char>::SettledAfterWordCharacter() const {
    return m_settled == 0 ? m_startsAfterWord : IsWordCharacter(Code(m_text[m_settled - 1]));
}

template class EpochScanner<char>;
template class EpochScanner<char16_t>;
template std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<char>,
                                                    const ScanOptions&);
template std::optional<EpochNumber> ReadEpochNumber(std::basic_string_view<char16_t>,
                                                    const ScanOptions&);

}  // namespace tickwright

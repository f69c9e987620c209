#include "core/EpochScanner.h"

#include <algorithm>
#include <type_traits>

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

template <class Char>
Judgement Judge(std::basic_string_view<Char> text, std::size_t start, bool more) {
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
    if (pos == n) {
        return more ? undecided() : Judgement{Judgement::kCandidate, pos, value};
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

// The candidate's number, its unit told, or nothing outside the window.
std::optional<EpochNumber> Take(const Judgement& judged, std::size_t begin,
                                const ScanOptions& options) {
    const TimeUnit unit = options.unit.value_or(LikelyUnit(judged.value));
    const UnitFacts facts = FactsOf(unit);
    EpochNumber number;
    number.begin = begin;
    number.end = judged.end;
    number.unit = unit;
    number.instant.seconds = judged.value / facts.perSecond;
    // Below 10^9 each, and their product below 10^18.
    const std::uint64_t fractionNanos =
        std::uint64_t{judged.fraction} * facts.nanosEach / kPowersOf10[judged.fractionDigits];
    number.instant.nanos = static_cast<std::uint32_t>(
        (judged.value % facts.perSecond) * facts.nanosEach + fractionNanos);
    number.shownDigits = std::min(9, facts.digits + judged.fractionDigits);
    if (options.window &&
        (number.instant < options.window->from || !(number.instant < options.window->to))) {
        return std::nullopt;
    }
    return number;
}

// Days from 1970-01-01 to year-01-01 of the proleptic Gregorian calendar
// (Howard Hinnant's days_from_civil, for January 1st).
constexpr std::int64_t DaysToNewYear(std::int64_t year) {
    const std::int64_t y = year - 1;  // January counts in the previous year's cycle
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = 306;  // March 1 to January 1
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}
static_assert(DaysToNewYear(1970) == 0 && DaysToNewYear(2000) == 10957 &&
              DaysToNewYear(2100) == 47482);

EpochInstant NewYear(std::int64_t year) {
    // Instants start at 1970; seconds stay below 10^19 (the year 3e11).
    const std::int64_t clamped = std::clamp<std::int64_t>(year, 1970, 300000000000);
    return {static_cast<std::uint64_t>(DaysToNewYear(clamped)) * 86400, 0};
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
    const Judgement judged = Judge(text, 0, false);
    if (judged.kind != Judgement::kCandidate || judged.end != text.size()) {
        return std::nullopt;
    }
    return Take(judged, 0, options);
}

template <class Char>
EpochScanner<Char>::EpochScanner(std::basic_string_view<Char> text, const ScanOptions& options,
                                 bool more, bool afterWordCharacter)
    : m_text(text), m_options(options), m_more(more), m_startsAfterWord(afterWordCharacter) {}

template <class Char>
std::optional<EpochNumber> EpochScanner<Char>::Next() {
    const std::size_t n = m_text.size();
    while (true) {
        std::size_t pos = m_pos;
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
        const Judgement judged = Judge(m_text, pos, m_more);
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

#include "core/CivilDay.h"

#include <cstddef>
#include <cstdint>

#include "core/FloorDivision.h"

namespace tickwright {

namespace {

constexpr std::int64_t kDaysPerEra = 146097;           // 400 Gregorian years
constexpr std::int64_t kMarchFirstOfYear0 = -719468;   // 0000-03-01, counted from 1970-01-01
constexpr std::uint32_t kJanuaryFirstFromMarch = 306;  // days from March 1 to January 1

// A day counted in years that start on March 1, so that the leap day is the
// last day of its year and the month lengths before it never change.
struct MarchYearAndDay {
    std::int64_t marchYear;
    std::uint32_t dayOfYear;  // 0 .. 365; 0 is March 1, 306 is January 1
};

// Howard Hinnant's civil_from_days, with the day split into 400-year eras
// before the epoch shift so that no sum can overflow for any int64_t day.
MarchYearAndDay SplitFromMarch(CivilDay day) {
    const std::int64_t days = day.UnixDays();
    std::int64_t era = FloorDiv(days, kDaysPerEra);
    std::int64_t dayOfEra = FloorMod(days, kDaysPerEra) - kMarchFirstOfYear0;  // 719468 .. 865564
    era += dayOfEra / kDaysPerEra;
    const auto doe = static_cast<std::uint32_t>(dayOfEra % kDaysPerEra);              // 0 .. 146096
    const std::uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // 0 .. 399
    const std::uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // 0 .. 365
    return {era * 400 + static_cast<std::int64_t>(yoe), doy};
}

// Writes `value` (>= 0) right-aligned ending before `end`, zero-padded to
// `width` digits; returns where the text starts.
char16_t* WriteDigitsBackward(char16_t* end, std::uint64_t value, int width) {
    char16_t* p = end;
    // Every year a millisecond count can reach fits 32 bits, where division
    // is an instruction rather than a library call on 32-bit machines.
    while (value > UINT32_MAX) {
        *--p = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
        --width;
    }
    auto small = static_cast<std::uint32_t>(value);
    do {
        *--p = static_cast<char16_t>(u'0' + small % 10);
        small /= 10;
        --width;
    } while (small != 0 || width > 0);
    return p;
}

}  // namespace

CivilDate DateOf(CivilDay day) {
    const MarchYearAndDay split = SplitFromMarch(day);
    const std::uint32_t monthFromMarch = (5 * split.dayOfYear + 2) / 153;  // 0 .. 11
    const std::uint32_t dayOfMonth = split.dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const std::uint32_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    return {split.marchYear + (month <= 2 ? 1 : 0), static_cast<std::int32_t>(month),
            static_cast<std::int32_t>(dayOfMonth)};
}

CivilYearAndDay SplitCivilDay(CivilDay day) {
    const MarchYearAndDay split = SplitFromMarch(day);
    if (split.dayOfYear >= kJanuaryFirstFromMarch) {
        // January or February: they open the next calendar year.
        return {split.marchYear + 1,
                static_cast<std::int32_t>(split.dayOfYear - kJanuaryFirstFromMarch)};
    }
    const std::int32_t januaryAndFebruary = IsCivilLeapYear(split.marchYear) ? 60 : 59;
    return {split.marchYear, static_cast<std::int32_t>(split.dayOfYear) + januaryAndFebruary};
}

bool IsCivilLeapYear(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::u16string FormatCivilDay(CivilDay day) {
    const CivilDate date = DateOf(day);
    // Sign, up to 17 year digits, "-MM-DD".
    char16_t buffer[32];
    char16_t* const end = buffer + sizeof(buffer) / sizeof(buffer[0]);
    char16_t* p = WriteDigitsBackward(end, static_cast<std::uint64_t>(date.day), 2);
    *--p = u'-';
    p = WriteDigitsBackward(p, static_cast<std::uint64_t>(date.month), 2);
    *--p = u'-';
    // |year| stays below 2.6e16 for every int64_t day, so negating is safe.
    p = WriteDigitsBackward(p, static_cast<std::uint64_t>(date.year < 0 ? -date.year : date.year),
                            4);
    if (date.year < 0) {
        *--p = u'-';
    }
    return std::u16string(p, static_cast<std::size_t>(end - p));
}

}  // namespace tickwright

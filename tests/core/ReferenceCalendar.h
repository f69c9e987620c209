#pragma once

// A proleptic Gregorian calendar written independently of the core's closed
// form, for tests and fuzz targets to check it against: whole 400-year
// cycles counted from 0000-01-01, then years and months walked one by one.
// Slow by design (up to 400 + 12 steps a day) and plain enough to trust.

#include <array>
#include <cstdint>
#include <string>

namespace reference {

struct Date {
    std::int64_t year;
    int month;      // 1 .. 12
    int day;        // 1 .. 31
    int dayOfYear;  // 0 .. 365
};

// Any day count since 1970-01-01 whose magnitude stays below 2^62.
inline Date DateOfUnixDays(std::int64_t unixDays) {
    constexpr std::int64_t kDaysPerCycle = 146097;
    constexpr std::int64_t kYear0ToUnixEpoch = 719528;  // 0000-01-01 .. 1970-01-01
    const std::int64_t sinceYear0 = unixDays + kYear0ToUnixEpoch;
    std::int64_t cycles = sinceYear0 / kDaysPerCycle;
    std::int64_t rest = sinceYear0 % kDaysPerCycle;
    if (rest < 0) {
        --cycles;
        rest += kDaysPerCycle;
    }
    // A cycle starts with a year divisible by 400, so the leap years inside it
    // follow from the year's place in the cycle alone.
    const auto leapInCycle = [](std::int64_t place) {
        return place % 4 == 0 && (place % 100 != 0 || place == 0);
    };
    std::int64_t place = 0;
    while (rest >= (leapInCycle(place) ? 366 : 365)) {
        rest -= leapInCycle(place) ? 366 : 365;
        ++place;
    }
    const int dayOfYear = static_cast<int>(rest);
    const std::array<int, 12> lengths = {
        31, leapInCycle(place) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 1;
    while (rest >= lengths[static_cast<std::size_t>(month - 1)]) {
        rest -= lengths[static_cast<std::size_t>(month - 1)];
        ++month;
    }
    return {cycles * 400 + place, month, static_cast<int>(rest) + 1, dayOfYear};
}

// The date as ISO 8601 writes it: four-digit years, more digits where they
// are needed, a minus sign before years below 0.
inline std::u16string Text(const Date& date) {
    std::string year = std::to_string(date.year < 0 ? -date.year : date.year);
    while (year.size() < 4) {
        year.insert(year.begin(), '0');
    }
    if (date.year < 0) {
        year.insert(year.begin(), '-');
    }
    const auto twoDigits = [](int v) {
        return std::string{char('0' + v / 10), char('0' + v % 10)};
    };
    const std::string text = year + '-' + twoDigits(date.month) + '-' + twoDigits(date.day);
    return std::u16string(text.begin(), text.end());
}

}  // namespace reference

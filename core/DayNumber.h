#pragma once

#include <cstdint>

namespace tickwright {

// Day number of 1970-01-01, the Unix epoch.
inline constexpr std::int32_t kUnixEpochDayNumber = 25567;

// A count of days since 1900-01-01 in the proleptic Gregorian calendar:
//
//   DayNumber(0)          // 1900-01-01
//   DayNumber(25567)      // 1970-01-01
//   DayNumber(2958463)    // 9999-12-31
//   DayNumber(2147483646) // 5881510-07-11, the largest
//
// A value outside [0, 2147483646] given to the constructor is stored as 0,
// so 0 stands both for 1900-01-01 and for "out of range"; callers that must
// tell them apart check their input before converting.
class DayNumber {
public:
    static constexpr std::int32_t kMax = 2147483646;

    constexpr DayNumber() = default;
    constexpr explicit DayNumber(std::int32_t value) : m_value(IsInRange(value) ? value : 0) {}

    constexpr std::int32_t Value() const { return m_value; }
    static constexpr bool IsInRange(std::int64_t value) { return value >= 0 && value <= kMax; }

    friend constexpr bool operator==(DayNumber, DayNumber) = default;

private:
    std::int32_t m_value = 0;
};

}  // namespace tickwright

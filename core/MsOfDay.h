#pragma once

#include <cstdint>

namespace tickwright {

// Milliseconds since midnight:
//
//   MsOfDay(0)         // 00:00:00.000
//   MsOfDay(55535001)  // 15:25:35.001
//   MsOfDay(86399999)  // 23:59:59.999
//
// The value is kept as given: MsOfDayFromPackedTime may produce values outside
// a day, and MsOfDayFromRemainder is the one place that enforces the range
// [0, 86399999] (replacing anything else by 0).
class MsOfDay {
public:
    static constexpr std::int32_t kPerSecond = 1000;
    static constexpr std::int32_t kPerMinute = 60000;
    static constexpr std::int32_t kPerHour = 3600000;
    static constexpr std::int32_t kPerDay = 86400000;

    constexpr MsOfDay() = default;
    constexpr explicit MsOfDay(std::int32_t value) : m_value(value) {}

    constexpr std::int32_t Value() const { return m_value; }

    friend constexpr bool operator==(MsOfDay, MsOfDay) = default;

private:
    std::int32_t m_value = 0;
};

}  // namespace tickwright

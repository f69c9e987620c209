#include "core/LocalTime.h"

#include <ctime>
#include <limits>

namespace tickwright {

BrokenDownTime LocalTimeOf(std::int64_t seconds) {
    BrokenDownTime result;
    if constexpr (sizeof(std::time_t) < sizeof(std::int64_t)) {
        if (seconds < std::numeric_limits<std::time_t>::min() ||
            seconds > std::numeric_limits<std::time_t>::max()) {
            return result;
        }
    }
    std::tm tm{};
#if defined(_WIN32)
    // The C runtime's own call, after _tzset so that a changed TZ counts.
    const __time64_t t = seconds;
    _tzset();
    if (_localtime64_s(&tm, &t) != 0) {
        return result;
    }
#else
    const auto t = static_cast<std::time_t>(seconds);
    tzset();  // pick up a TZ changed since the last call, as the C runtime does per call
    if (localtime_r(&t, &tm) == nullptr) {
        return result;
    }
#endif
    result.yearSince1900 = tm.tm_year;
    result.month = tm.tm_mon;
    result.day = tm.tm_mday;
    result.hour = tm.tm_hour;
    result.minute = tm.tm_min;
    result.second = tm.tm_sec;
    return result;
}

}  // namespace tickwright

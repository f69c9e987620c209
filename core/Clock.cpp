#include "core/Clock.h"

#include <chrono>
#include <ctime>
#include <limits>

#include "core/Calendar.h"
#include "core/Timestamp.h"

namespace tickwright {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kTicksPerMs = 10000;

std::int64_t SystemClockTicks() {
#if defined(_WIN32)
    // Windows' C runtime has no timespec_get; its time_t is 64-bit anyway.
    // (The program itself reads the precise clock of the dialog layer.)
    return std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
#else
    // timespec_get, not std::chrono::system_clock: the latter is compiled into
    // the C++ library, which on 32-bit systems still reads a 32-bit time_t and
    // so stops at 2038-01-19; this call takes the program's own 64-bit time_t.
    std::timespec now{};
    if (std::timespec_get(&now, TIME_UTC) != TIME_UTC) {
        return 0;
    }
    return static_cast<std::int64_t>(now.tv_sec) * kTicksPerSecond + now.tv_nsec / 100;
#endif
}

ClockTicksSource g_clockTicks = &SystemClockTicks;
LocalTimeSource g_localTime = &LocalTimeOf;

// The local wall clock as milliseconds since 1970-01-01 00:00 of that clock.
std::int64_t WallClockMs(const BrokenDownTime& local) {
    const std::int64_t packedDate =
        (static_cast<std::int64_t>(local.yearSince1900) + 1900) * 10000 +
        (static_cast<std::int64_t>(local.month) + 1) * 100 + local.day;
    const std::int64_t packedTime = static_cast<std::int64_t>(local.hour) * 10000000 +
                                    static_cast<std::int64_t>(local.minute) * 100000 +
                                    static_cast<std::int64_t>(local.second) * 1000;
    // A replaced source may hand back anything; what does not fit a packed
    // value reads as out of range instead of wrapping.
    const auto fits = [](std::int64_t v) {
        return v >= 0 && v <= std::numeric_limits<std::int32_t>::max();
    };
    const DayNumber day =
        DayNumberFromPackedDate(fits(packedDate) ? static_cast<PackedDate>(packedDate) : -1);
    const MsOfDay time =
        MsOfDayFromPackedTime(fits(packedTime) ? static_cast<PackedTime>(packedTime) : 0);
    return (static_cast<std::int64_t>(day.Value()) - kUnixEpochDayNumber) * MsOfDay::kPerDay +
           time.Value();
}

}  // namespace

void SetClockTicksSource(ClockTicksSource source) {
    g_clockTicks = source != nullptr ? source : &SystemClockTicks;
}

void SetLocalTimeSource(LocalTimeSource source) {
    g_localTime = source != nullptr ? source : &LocalTimeOf;
}

std::int64_t ReadClockTicks() {
    return g_clockTicks();
}

std::int64_t CurrentTimestamp(Precision precision) {
    return TimestampFromMs(ReadClockTicks() / kTicksPerMs, precision);
}

std::u16string PresentTimestampText(Precision precision) {
    return FormatTimestamp(CurrentTimestamp(precision));
}

BrokenDownTime LocalTimeNow() {
    return g_localTime(ReadClockTicks() / kTicksPerSecond);
}

ZoneIndex DetectLocalZoneIndex() {
    const std::int64_t seconds = ReadClockTicks() / kTicksPerSecond;
    const BrokenDownTime local = g_localTime(seconds);
    if (local.yearSince1900 < 0) {
        return kFallbackZone;
    }
    const std::int64_t offsetHours =
        (WallClockMs(local) / 1000 - seconds) * 1000 / MsOfDay::kPerHour;
    for (ZoneIndex i = 0; i < kZoneCount; ++i) {
        if (ZoneOffsetHours(i) == offsetHours) {
            return i;
        }
    }
    return kFallbackZone;
}

}  // namespace tickwright

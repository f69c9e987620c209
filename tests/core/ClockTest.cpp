#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "core/Clock.h"

namespace tickwright {
namespace {

std::int64_t g_fixedTicks = 0;
std::int64_t FixedTicks() {
    return g_fixedTicks;
}

BrokenDownTime FailingLocalTime(std::int64_t) {
    return BrokenDownTime{};
}

// TZ as the C runtime reads it: set (and read again), or taken away.
void SetTz(const char* value) {
#if defined(_WIN32)
    _putenv_s("TZ", value);
    _tzset();
#else
    setenv("TZ", value, 1);
    tzset();
#endif
}

void ClearTz() {
#if defined(_WIN32)
    _putenv_s("TZ", "");  // an empty value removes it
    _tzset();
#else
    unsetenv("TZ");
    tzset();
#endif
}

// Pins the clock to a given instant and TZ, and puts both back afterwards.
class ClockFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        if (tz != nullptr) {
            m_savedTz = tz;
        }
    }
    void TearDown() override {
        SetClockTicksSource(nullptr);
        SetLocalTimeSource(nullptr);
        if (m_savedTz) {
            SetTz(m_savedTz->c_str());
        } else {
            ClearTz();
        }
    }
    static void PinClockToUnixSeconds(std::int64_t seconds) {
        g_fixedTicks = seconds * 10000000 + 1234567;
        SetClockTicksSource(&FixedTicks);
    }

private:
    std::optional<std::string> m_savedTz;
};

TEST_F(ClockFixture, DetectsTheZoneOfTheMachinesOffsetThroughTZ) {
    // Each zone in the two forms of TZ: POSIX's, and the Windows C runtime's
    // (a three-letter name, the hours to add to reach UTC, and a summer-time
    // name whose dates that runtime fixes itself).
    struct Case {
        const char* posixTz;
        const char* windowsTz;
        std::int64_t atUnixSeconds;
        ZoneIndex expected;
        const char* why;
    };
    constexpr std::int64_t kJanuary2024 = 1704067200;
    constexpr std::int64_t kJuly2024 = 1719792000;
    const Case cases[] = {
        {"<+08>-8", "CST-8", kJanuary2024, 20, "UTC+08:00"},
        {"UTC0", "UTC0", kJanuary2024, 12, "UTC+00:00"},
        {"<+0530>-5:30", "IST-5:30", kJanuary2024, 17, "UTC+05:30 truncates to +5"},
        {"<-0330>+3:30", "NST+3:30", kJanuary2024, 9, "UTC-03:30 truncates to -3"},
        {"<-0930>+9:30", "MRT+9:30", kJanuary2024, 3, "UTC-09:30 truncates to -9"},
        {"<+12>-12", "NZT-12", kJanuary2024, 24, "UTC+12:00"},
        {"<-12>+12", "AOE+12", kJanuary2024, 0, "UTC-12:00"},
        {"<+13>-13", "TOT-13", kJanuary2024, 20, "UTC+13:00 is outside the table"},
        {"<+14>-14", "LNT-14", kJanuary2024, 20, "UTC+14:00 is outside the table"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CES", kJanuary2024, 13, "winter time in force"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CES", kJuly2024, 14, "summer time in force"},
        {"<+08>-8", "CST-8", 0, 20, "at the epoch itself"},
        {"<-05>+5", "EST5", 2208988800, 7, "2040-01-01, past the reach of a 32-bit time_t"},
    };
    for (const Case& c : cases) {
#if defined(_WIN32)
        SetTz(c.windowsTz);
#else
        SetTz(c.posixTz);
#endif
        PinClockToUnixSeconds(c.atUnixSeconds);
        EXPECT_EQ(DetectLocalZoneIndex(), c.expected) << c.why;
    }
}

TEST_F(ClockFixture, FallsBackToUtcPlus8WhenLocalTimeFails) {
    SetLocalTimeSource(&FailingLocalTime);
    EXPECT_EQ(DetectLocalZoneIndex(), kFallbackZone);
}

TEST_F(ClockFixture, CurrentTimestampDropsTheFraction) {
    g_fixedTicks = 17000000001234567;  // 1700000000.1234567 s
    SetClockTicksSource(&FixedTicks);
    EXPECT_EQ(ReadClockTicks(), 17000000001234567);
    EXPECT_EQ(CurrentTimestamp(Precision::Milliseconds), 1700000000123);
    EXPECT_EQ(CurrentTimestamp(Precision::Seconds), 1700000000);
}

TEST_F(ClockFixture, SystemClockReadsThePresent) {
    // Not std::time: it reads the coarse clock, which can still show the
    // previous second just after the precise one has turned.
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const std::int64_t before = now();
    const std::int64_t seconds = CurrentTimestamp(Precision::Seconds);
    const std::int64_t after = now();
    EXPECT_GE(seconds, before);
    EXPECT_LE(seconds, after);
}

}  // namespace
}  // namespace tickwright

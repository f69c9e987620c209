#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "core/InstantFacts.h"
#include "core/Timestamp.h"
#include "tests/core/ReferenceCalendar.h"

namespace tickwright {
namespace {

constexpr std::int64_t kDay = 86400000;

// The ISO week and weekday by another road than the core's: Zeller-style
// weekday from the reference calendar's date, and the ordinal-date formula
// (week = (day of year - weekday + 10) / 7) with the year's week count from
// its first weekday.
struct ReferenceWeek {
    std::int64_t year;
    int week;
    int weekday;  // 1 = Monday
};

int ReferenceWeekday(std::int64_t year, int month, int day) {
    // Zeller's congruence, January and February counted in the year before.
    if (month < 3) {
        month += 12;
        --year;
    }
    const std::int64_t k = ((year % 100) + 100) % 100;
    const std::int64_t j = (year - k) / 100;
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
    };
    const std::int64_t h =
        ((day + 13 * (month + 1) / 5 + k + k / 4 + floorDiv(j, 4) + 5 * j) % 7 + 7) % 7;
    return static_cast<int>((h + 5) % 7) + 1;  // h: 0 = Saturday
}

int WeeksInYear(std::int64_t year) {
    const int jan1 = ReferenceWeekday(year, 1, 1);
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return jan1 == 4 || (leap && jan1 == 3) ? 53 : 52;
}

ReferenceWeek ReferenceIsoWeek(std::int64_t unixDays) {
    const reference::Date date = reference::DateOfUnixDays(unixDays);
    const int weekday = ReferenceWeekday(date.year, date.month, date.day);
    std::int64_t year = date.year;
    int week = (date.dayOfYear + 1 - weekday + 10) / 7;
    if (week < 1) {
        --year;
        week = WeeksInYear(year);
    } else if (week > WeeksInYear(year)) {
        ++year;
        week = 1;
    }
    return {year, week, weekday};
}

TEST(InstantFacts, IsoWeeksAtTheirEdges) {
    struct Case {
        std::int64_t unixDays;
        const char16_t* week;
        int weekday;
        const char* date;
    };
    const Case cases[] = {
        {17167, u"2016-W52", 7, "2017-01-01, a Sunday, ends 2016's last week"},
        {13878, u"2008-W01", 1, "2007-12-31, a Monday, opens 2008's first week"},
        {18627, u"2020-W53", 4, "2020-12-31, in the 53rd week"},
        {18630, u"2020-W53", 7, "2021-01-03 still in 2020-W53"},
        {18631, u"2021-W01", 1, "2021-01-04 opens 2021"},
        {0, u"1970-W01", 4, "1970-01-01, a Thursday"},
        {19676, u"2023-W46", 3, "2023-11-15, a Wednesday"},
        {-719528, u"-0001-W52", 6, "0000-01-01, a Saturday, in the last week of year -1"},
        {-719529, u"-0001-W52", 5, "-0001-12-31"},
        {2932899, u"+10000-W01", 1, "10000-01-03 opens week 1 of 10000"},
    };
    for (const Case& c : cases) {
        const CivilDay day(c.unixDays);
        EXPECT_EQ(FormatIsoWeek(IsoWeekOf(day)), c.week) << c.date;
        EXPECT_EQ(IsoWeekday(day), c.weekday) << c.date;
    }
}

TEST(InstantFacts, WeeksAndWeekdaysAgreeWithAnIndependentCalendar) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int64_t> anyDay(-106751991168, 106751991167);
    std::vector<std::int64_t> days;
    for (std::int64_t d = -800000; d <= 3000000; d += 7919) {
        days.push_back(d);
    }
    for (int i = 0; i < 20000; ++i) {
        days.push_back(anyDay(random));
    }
    for (const std::int64_t end : {-106751991168LL, 106751991167LL}) {
        for (std::int64_t d = end - 400; d <= end + 400; ++d) {
            if (d >= -106751991168 && d <= 106751991167) {
                days.push_back(d);
            }
        }
    }
    for (const std::int64_t d : days) {
        const ReferenceWeek expected = ReferenceIsoWeek(d);
        const IsoWeek week = IsoWeekOf(CivilDay(d));
        ASSERT_EQ(week.year, expected.year) << d;
        ASSERT_EQ(week.week, expected.week) << d;
        ASSERT_EQ(IsoWeekday(CivilDay(d)), expected.weekday) << d;
    }
}

// GNU date's %G-W%V (ISO week), %u (weekday) and %j (day of the year) for a
// sample of instants.
TEST(InstantFacts, WeeksAgreeWithGnuDate) {
#if defined(_WIN32)
    GTEST_SKIP()
        << "GNU date is not a Windows program: the Linux build compares the same core with it";
#endif
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> seconds(-62135596800, 253402300799);  // 1..9999
    int checked = 0;
    for (int i = 0; i < 60; ++i) {
        const std::int64_t s = seconds(random);
        const std::string command =
            "date -u -d @" + std::to_string(s) + " +%G-W%V/%u/%j 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char line[64] = {};
        const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
        pclose(pipe);
        if (!read) {
            continue;
        }
        std::string text(line);
        text.erase(text.find_last_not_of('\n') + 1);
        const CivilDay day(s >= 0 ? s / 86400 : -((-s + 86399) / 86400));
        const std::u16string week = FormatIsoWeek(IsoWeekOf(day));
        const std::string mine = std::string(week.begin(), week.end()) + '/' +
                                 std::to_string(IsoWeekday(day)) + '/' +
                                 std::to_string(1000 + SplitCivilDay(day).dayOfYear + 1).substr(1);
        EXPECT_EQ(mine, text) << "@" << s;
        ++checked;
    }
    EXPECT_EQ(checked, 60) << "GNU date answered every instant";
}

TEST(InstantFacts, IsoTextsWithTheZonesOffsetOrZ) {
    using L = std::numeric_limits<std::int64_t>;
    struct Case {
        std::int64_t ms;
        ZoneIndex zone;
        bool withMs;
        const char16_t* inZone;
        const char16_t* utc;
    };
    const Case cases[] = {
        {1700000000123, 20, true, u"2023-11-15T06:13:20.123+08:00", u"2023-11-14T22:13:20.123Z"},
        {1700000000123, 0, false, u"2023-11-14T10:13:20-12:00", u"2023-11-14T22:13:20Z"},
        {1700000000123, 12, true, u"2023-11-14T22:13:20.123+00:00", u"2023-11-14T22:13:20.123Z"},
        {-1, 24, true, u"1970-01-01T11:59:59.999+12:00", u"1969-12-31T23:59:59.999Z"},
        {-1500, 12, false, u"1969-12-31T23:59:58+00:00", u"1969-12-31T23:59:58Z"},
        {-62167219200000, 12, false, u"0000-01-01T00:00:00+00:00", u"0000-01-01T00:00:00Z"},
        {-62167219200001, 12, true, u"-0001-12-31T23:59:59.999+00:00",
         u"-0001-12-31T23:59:59.999Z"},
        {253402300800000, 12, false, u"+10000-01-01T00:00:00+00:00", u"+10000-01-01T00:00:00Z"},
        {1700000000123456789, 20, true, u"+53872825-06-19T16:30:56.789+08:00",
         u"+53872825-06-19T08:30:56.789Z"},
        {L::max(), 12, true, u"+292278994-08-17T07:12:55.807+00:00",
         u"+292278994-08-17T07:12:55.807Z"},
        {L::min(), 12, true, u"-292275055-05-16T16:47:04.192+00:00",
         u"-292275055-05-16T16:47:04.192Z"},
        {0, -1, true, u"1970-01-01T00:00:00.000+00:00", u"1970-01-01T00:00:00.000Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoDateTime(c.ms, c.zone, c.withMs), c.inZone) << c.ms;
        EXPECT_EQ(IsoDateTimeUtc(c.ms, c.withMs), c.utc) << c.ms;
    }
}

// Unix ms of a wall-clock date and time in UTC, 1900..9999.
std::int64_t Utc(PackedDate date, PackedTime time) {
    return CalendarToTimestamp(date, time);
}

TEST(InstantFacts, ElapsedCountsCalendarYearsAndMonthsAndThenFixedUnits) {
    using U = ElapsedTime::Unit;
    using L = std::numeric_limits<std::int64_t>;
    constexpr std::int64_t kNow = 1765000000000;
    struct Case {
        std::int64_t then;
        std::int64_t now;
        ZoneIndex zone;
        U unit;
        std::uint64_t count;
        bool future;
        const char* why;
    };
    const Case cases[] = {
        {kNow, kNow, 12, U::Now, 0, false, "the same instant"},
        {kNow - 999, kNow, 12, U::Now, 0, false, "under a second back"},
        {kNow + 999, kNow, 12, U::Now, 0, true, "under a second ahead"},
        {kNow - 59500, kNow, 12, U::Second, 59, false, "59.5 s"},
        {kNow - 60000, kNow, 12, U::Minute, 1, false, "60 s"},
        {kNow + 3 * 60000 + 5, kNow, 12, U::Minute, 3, true, "minutes ahead"},
        {kNow - 3600000, kNow, 12, U::Hour, 1, false, "an hour"},
        {kNow - kDay, kNow, 12, U::Day, 1, false, "a day"},
        {Utc(20240615, 100000000), Utc(20250615, 100000000), 12, U::Year, 1, false,
         "exactly one calendar year back"},
        {Utc(20250615, 100000000), Utc(20240615, 100000000), 12, U::Year, 1, true,
         "exactly one calendar year ahead"},
        {Utc(20240615, 90000000), Utc(20250615, 100000000), 12, U::Year, 1, false,
         "a calendar year and an hour: no longer 11 months"},
        {Utc(20240615, 100000001), Utc(20250615, 100000000), 12, U::Month, 11, false,
         "a millisecond short of the year"},
        {Utc(20230615, 100000000) - 2 * kDay, Utc(20230615, 100000000), 12, U::Day, 2, false,
         "days"},
        {Utc(20230615, 120000000) - 730 * kDay, Utc(20230615, 120000000), 12, U::Year, 2, false,
         "730 days with no 29 February between are two years, not one"},
        {Utc(20220228, 120000000), Utc(20240229, 120000000), 12, U::Year, 2, false,
         "two years back from 29 February land on the 28th"},
        {Utc(20240229, 0), Utc(20260228, 0), 12, U::Year, 1, false,
         "two years after 29 February: from the 28th back lands before it, 23 months"},
        {Utc(20240229, 120000000), Utc(20250228, 120000000), 12, U::Month, 11, false,
         "from 2025-02-28 one year back is 2024-02-28, before the 29th"},
        {Utc(20240229, 120000000), Utc(20250301, 120000000), 12, U::Year, 1, false,
         "and on 1 March it is a year"},
        {Utc(20250228, 0), Utc(20240229, 0), 12, U::Year, 1, true,
         "a year ahead from 29 February lands on the 28th"},
        {Utc(20260228, 0), Utc(20240229, 0), 12, U::Year, 2, true, "two years ahead"},
        {Utc(20250228, 0), Utc(20250331, 0), 12, U::Month, 1, false,
         "from 03-31 one month back is the last day of February"},
        {Utc(20250228, 1), Utc(20250331, 0), 12, U::Day, 30, false,
         "a millisecond later it is no whole month"},
        {Utc(20250228, 0), Utc(20250131, 0), 12, U::Month, 1, true,
         "from 01-31 one month ahead is the last day of February"},
        {Utc(20250227, 0), Utc(20250131, 0), 12, U::Day, 27, true, "a day short of it"},
        {Utc(20241130, 0), Utc(20250131, 0), 12, U::Month, 2, false,
         "from 01-31 two months back is 11-30"},
        {Utc(20250131, 200000000), Utc(20250228, 200000000), 12, U::Day, 28, false,
         "from 02-28 20:00 one month back is 01-28, after 01-31"},
        {Utc(20250131, 200000000), Utc(20250228, 200000000), 20, U::Month, 1, false,
         "in UTC+08H both are the next day: from 03-01 back is 02-01, past 01-31"},
        {L::min(), L::max(), 12, U::Year, 584554049, false, "the widest span, no overflow"},
        {L::max(), L::min(), 12, U::Year, 584554049, true, "and the other way"},
        {L::min(), L::max(), 24, U::Year, 584554049, false, "past the ends of the range"},
        {L::min(), L::max(), 0, U::Year, 584554049, false, "before the start of it"},
        {L::max(), 0, 12, U::Year, 292277024, true, "the last instant"},
        {L::min(), 0, 12, U::Year, 292277024, false, "the first instant"},
    };
    for (const Case& c : cases) {
        const ElapsedTime elapsed = Elapsed(c.then, c.now, c.zone);
        EXPECT_EQ(elapsed.unit, c.unit) << c.why;
        EXPECT_EQ(elapsed.count, c.count) << c.why;
        EXPECT_EQ(elapsed.future, c.future) << c.why;
    }
}

// An instant as whole days since the epoch and the milliseconds into the
// last one (0 <= ms < kDay): the ends of the 64-bit range and a zone's offset
// beyond them still have a value.
struct DaysAndMs {
    std::int64_t days;
    std::int64_t ms;
    bool operator==(const DaysAndMs&) const = default;
};

DaysAndMs DaysAndMsOf(std::int64_t days, std::int64_t ms) {
    const std::int64_t rest = ms % kDay;
    const std::int64_t carry = ms / kDay - (rest < 0 ? 1 : 0);
    return DaysAndMs{days + carry, rest < 0 ? rest + kDay : rest};
}

// Reads "[sign]Y-MM-DDTHH:MM:SS[.mmm](Z|+HH:00|-HH:00)" back into the instant
// it names, the date found in the reference calendar.
DaysAndMs InstantOfIsoText(const std::u16string& text) {
    const std::string t(text.begin(), text.end());
    const bool negativeYear = t[0] == '-';
    const std::size_t dateStart = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    const std::size_t timeStart = t.find('T');
    const std::size_t yearEnd = t.rfind('-', timeStart - 4);
    const std::int64_t year = std::stoll(t.substr(dateStart, yearEnd - dateStart));
    const int month = std::stoi(t.substr(yearEnd + 1, 2));
    const int day = std::stoi(t.substr(yearEnd + 4, 2));
    const reference::Date wanted{negativeYear ? -year : year, month, day, 0};
    // The day count whose reference date this is: the dates grow with it.
    std::int64_t low = -110000000000;
    std::int64_t high = 110000000000;
    while (low < high) {
        const std::int64_t mid = low + (high - low) / 2;
        const reference::Date at = reference::DateOfUnixDays(mid);
        const bool before = at.year != wanted.year     ? at.year < wanted.year
                            : at.month != wanted.month ? at.month < wanted.month
                                                       : at.day < wanted.day;
        if (before) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    const std::string time = t.substr(timeStart + 1);
    const int hours = std::stoi(time.substr(0, 2));
    const int minutes = std::stoi(time.substr(3, 2));
    const int seconds = std::stoi(time.substr(6, 2));
    const int millis = time.size() > 8 && time[8] == '.' ? std::stoi(time.substr(9, 3)) : 0;
    const std::size_t zoneAt = time.find_first_of("Z+-", 8);
    const int offset = time[zoneAt] == 'Z'
                           ? 0
                           : (time[zoneAt] == '-' ? -1 : 1) * std::stoi(time.substr(zoneAt + 1, 2));
    return DaysAndMsOf(low, std::int64_t{hours} * 3600000 + minutes * 60000 + seconds * 1000 +
                                millis - std::int64_t{offset} * 3600000);
}

TEST(InstantFacts, TheZonesIsoTextAndTheUtcOneNameTheSameInstantAtTheEnds) {
    using L = std::numeric_limits<std::int64_t>;
    for (const std::int64_t ms : {L::min(), L::min() + 1, L::min() + 43200000, L::max() - 43200000,
                                  L::max() - 1, L::max(), std::int64_t{1700000000123}}) {
        for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
            const std::u16string inZone = IsoDateTime(ms, zone, true);
            const std::u16string utc = IsoDateTimeUtc(ms, true);
            EXPECT_EQ(InstantOfIsoText(inZone), InstantOfIsoText(utc))
                << std::string(inZone.begin(), inZone.end()) << " at zone " << zone;
            EXPECT_EQ(InstantOfIsoText(utc), DaysAndMsOf(0, ms))
                << std::string(utc.begin(), utc.end());
        }
    }
}

}  // namespace
}  // namespace tickwright

// How long one conversion takes, piece by piece and whole. A user converts a
// handful of values at a time, so anything in the microsecond range is
// instant; the figures show how far below that the core stays.
#include <benchmark/benchmark.h>

#include "core/Calendar.h"
#include "core/CivilDay.h"
#include "core/TextParsing.h"
#include "core/Timestamp.h"
#include "pages/AdvancedConversion.h"
#include "pages/SimpleConversion.h"

namespace tickwright {
namespace {

// What the pages show of an instant, its date and time of day: now, the last
// millisecond of 9999, and the ends of the 64-bit range cost the same.
void BM_TimestampToCivil(benchmark::State& state) {
    const std::int64_t ms = state.range(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TimestampToCivil(ms));
    }
}
BENCHMARK(BM_TimestampToCivil)
    ->Arg(1700000000123)
    ->Arg(253402300799999)
    ->Arg(INT64_MIN)
    ->Arg(INT64_MAX);

// The year split, as the given calendar arithmetic offers it, is the closed
// form the pages' dates use: the epoch and the top of the range should cost
// the same.
void BM_SplitDayNumber(benchmark::State& state) {
    const DayNumber day(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitDayNumber(day));
    }
}
BENCHMARK(BM_SplitDayNumber)->Arg(25567)->Arg(2147483646);

// The date text of any instant: 1970, the top of DayNumber, and the days of
// INT64_MIN and INT64_MAX milliseconds.
void BM_FormatCivilDay(benchmark::State& state) {
    const CivilDay day(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatCivilDay(day));
    }
}
BENCHMARK(BM_FormatCivilDay)
    ->Arg(0)
    ->Arg(2147483646 - 25567)
    ->Arg(-106751991168)
    ->Arg(106751991167);

void BM_ParseDateText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseDateText(u"1985-01-01"));
    }
}
BENCHMARK(BM_ParseDateText);

void BM_ParseTimeText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseTimeText(u"15:25:35.001"));
    }
}
BENCHMARK(BM_ParseTimeText);

void BM_TimestampTextToDateAndTime(benchmark::State& state) {
    for (auto _ : state) {
        const std::int64_t ms = ShiftToZone(
            MsFromTimestamp(ParseTimestampText(u"1700000000123"), Precision::Milliseconds), 12, 20);
        const CivilDateTime value = TimestampToCivil(ms);
        benchmark::DoNotOptimize(FormatCivilDay(value.day) + u' ' +
                                 FormatTimeOfDay(value.time, true));
    }
}
BENCHMARK(BM_TimestampTextToDateAndTime);

void BM_DateAndTimeTextToTimestamp(benchmark::State& state) {
    for (auto _ : state) {
        const std::int64_t ms = ShiftToZone(
            CalendarToTimestamp(ParseDateText(u"1985-01-01"), ParseTimeText(u"15:25:35.001")), 20,
            12);
        benchmark::DoNotOptimize(FormatTimestamp(TimestampFromMs(ms, Precision::Seconds)));
    }
}
BENCHMARK(BM_DateAndTimeTextToTimestamp);

// What one press of a page's button computes: the texts of every field it
// fills and the history record.
void BM_SimplePageToDateTime(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertToDateTime(u"1700000000123", 20, Precision::Milliseconds));
    }
}
BENCHMARK(BM_SimplePageToDateTime);

void BM_SimplePageToTimestamp(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ConvertToTimestamp(u"1985-01-01", u"15:25:35.001", 20, Precision::Milliseconds));
    }
}
BENCHMARK(BM_SimplePageToTimestamp);

void BM_AdvancedPageFromTimestamp(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComputeFromTimestamp(u"9223372036854775807", 0, 24, Precision::Milliseconds));
    }
}
BENCHMARK(BM_AdvancedPageFromTimestamp);

void BM_AdvancedPageFromDateTime(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComputeFromDateTime(u"1985-01-01", u"15:25:35.001", 20, 12, Precision::Milliseconds));
    }
}
BENCHMARK(BM_AdvancedPageFromDateTime);

}  // namespace
}  // namespace tickwright

BENCHMARK_MAIN();

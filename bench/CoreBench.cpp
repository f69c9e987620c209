// How long one conversion takes, piece by piece and whole. A user converts a
// handful of values at a time, so anything in the microsecond range is
// instant; the figures show how far below that the core stays.
#include <benchmark/benchmark.h>

#include "Calendar.h"
#include "TextParsing.h"
#include "Timestamp.h"

namespace tickwright {
namespace {

void BM_FormatDate(benchmark::State& state) {
    const DayNumber day(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDate(day));
    }
}
// A date of today, the last of 9999, and the top of the range, where the year
// estimate steps back the furthest.
BENCHMARK(BM_FormatDate)->Arg(46000)->Arg(2958463)->Arg(2147483646);

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
        const CalendarValue value = TimestampToCalendar(ms);
        benchmark::DoNotOptimize(FormatDate(value.day) + u' ' + FormatTimeOfDay(value.time, true));
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

}  // namespace
}  // namespace tickwright

BENCHMARK_MAIN();

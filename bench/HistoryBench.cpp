// The history list at scale: 100,000 rows added to a list that is on screen,
// the cost of one more row at 1,000 and at 100,000 rows (with the list shown,
// and of the model alone), the memory each row takes, clearing them all, and
// one repaint of rows whose cells hold very long texts against short ones.
// A row costs the same instructions at any length (about 4,400 under
// callgrind at both sizes); what remains between the two sizes is the memory
// system, so each figure is the median of repetitions that start afresh,
// rather than one short run that inherits the heap the previous left.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/resource.h>
#endif

#include "app/resources/ResourceIds.h"
#include "app/resources/Resources.h"
#include "app/ui/Application.h"
#include "app/ui/Dialog.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/HistoryColumns.h"
#include "app/ui/MainWindow.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/HistoryList.h"

namespace tickwright {
namespace {

constexpr int kList = res::IDC_HISTORY;

// The heap the process uses; 0 where the C library does not say.
std::size_t HeapInUse() {
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

// Pages the process touched for the first time so far; 0 where the system
// does not count them this way.
long MinorFaults() {
#if defined(__GLIBC__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
#else
    return 0;
#endif
}

// The main window's template with the history bound to its list control.
class ShownHistory {
public:
    ShownHistory() {
        ui::test::ShowModeless(m_dialog);
        m_dialog.ReportSetModel(kList, &m_history);
        SetUpHistoryColumns(m_dialog, kList, m_dialog.GetItemClientRect(kList).width);
        ui::test::RunPendingEvents();
    }
    ~ShownHistory() { m_dialog.ReportSetModel(kList, nullptr); }

    // As a page adds one: the texts and the instant.
    void AddRow(int i) {
        m_history.AddConversion(
            {12, u"17000000" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"0000",
             20, u"2023-11-15 06:13:20.000",
             ConversionInstant{1700000000000, Precision::Milliseconds, 20, 1700000000000}});
    }
    HistoryList& History() { return m_history; }
    // Draws the list now, as when it is uncovered.
    void Repaint() { ui::test::Repaint(ui::test::WindowOf(m_dialog), kList); }

private:
    ui::Dialog m_dialog{res::IDD_TICKWRIGHT_DIALOG};
    HistoryList m_history;
};

void BM_Add100000Rows(benchmark::State& state) {
    double bytesPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownHistory>();
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        for (int i = 0; i < 100000; ++i) {
            shown->AddRow(i);
        }
        ui::test::RunPendingEvents();  // let the list lay out and paint
        state.PauseTiming();
        bytesPerRow = static_cast<double>(HeapInUse() - before) / 100000.0;
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_Add100000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AddOneRowAt(benchmark::State& state) {
    ShownHistory shown;
    for (int i = 0; i < state.range(0); ++i) {
        shown.AddRow(i);
    }
    ui::test::RunPendingEvents();
    const long faults = MinorFaults();
    int i = 0;
    for (auto _ : state) {
        shown.AddRow(++i);
    }
    state.counters["faults_per_row"] =
        static_cast<double>(MinorFaults() - faults) / static_cast<double>(state.iterations());
}
// Each repetition starts from a fresh list of that many rows and adds 2,000;
// the median of the repetitions is the figure.
BENCHMARK(BM_AddOneRowAt)
    ->Arg(1000)
    ->Arg(100000)
    ->Iterations(2000)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same with no list showing the model: what the history itself costs.
void BM_AddOneRowToTheModelAt(benchmark::State& state) {
    HistoryList history;
    const auto add = [&](int i) {
        history.AddHistoryRecord(
            12, u"17000000" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"0000", 20,
            u"2023-11-15 06:13:20.000");
    };
    for (int i = 0; i < state.range(0); ++i) {
        add(i);
    }
    const long faults = MinorFaults();
    int i = 0;
    for (auto _ : state) {
        add(++i);
    }
    state.counters["faults_per_row"] =
        static_cast<double>(MinorFaults() - faults) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AddOneRowToTheModelAt)
    ->Arg(1000)
    ->Arg(100000)
    ->Iterations(2000)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_Clear100000Rows(benchmark::State& state) {
    ShownHistory shown;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 100000; ++i) {
            shown.AddRow(i);
        }
        ui::test::RunPendingEvents();
        state.ResumeTiming();
        shown.History().ClearHistory();
        ui::test::RunPendingEvents();
    }
}
BENCHMARK(BM_Clear100000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

// 200 rows whose input and note hold `length` characters each, shown.
std::unique_ptr<ShownHistory> RowsOfLength(int length) {
    auto shown = std::make_unique<ShownHistory>();
    const std::u16string text(static_cast<std::size_t>(length), u'字');
    for (int i = 0; i < 200; ++i) {
        shown->History().AddHistoryRecord(12, text, 20, u"2023-11-15 06:13:20.000");
        shown->History().SetHistoryNote(0, text);
    }
    ui::test::RunPendingEvents();
    return shown;
}

double RepaintMs(ShownHistory& rows) {
    const auto start = std::chrono::steady_clock::now();
    rows.Repaint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// One repaint of 200 rows with inputs and notes of 32,767 characters against
// one of 200 rows with 20; the ratio is the figure (target: at most 2).
void BM_RepaintLongAgainstShortRows(benchmark::State& state) {
    const auto shortRows = RowsOfLength(20);
    const auto longRows = RowsOfLength(32767);
    double shortMs = 0;
    double longMs = 0;
    for (auto _ : state) {
        shortMs += RepaintMs(*shortRows);
        longMs += RepaintMs(*longRows);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["short_ms"] = shortMs / n;
    state.counters["long_ms"] = longMs / n;
    state.counters["long_over_short"] = longMs / shortMs;
}
// Building one row's hint, as the list asks for it when the pointer rests on
// the row: a row that needs no unit lines, and one that offers them.
void BM_RowHint(benchmark::State& state) {
    HistoryList history;
    const std::int64_t value = state.range(0);
    history.AddConversion(
        {12, u"text", 20, u"text", ConversionInstant{value, Precision::Milliseconds, 20, value}});
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.RowHint(0));
    }
}
BENCHMARK(BM_RowHint)->Arg(1700000000123)->Arg(1700000000123456789);

BENCHMARK(BM_RepaintLongAgainstShortRows)->Unit(benchmark::kMillisecond)->Iterations(20);

// 100,000 epoch numbers pasted as log lines into the real main window's
// history (Ctrl+V's handler): rows made, and the list drawn with them.
void BM_Paste100000Numbers(benchmark::State& state) {
    std::u16string text;
    for (int i = 0; i < 100000; ++i) {
        text += u"2023-11-15 INFO req=" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) +
                u" ts=" + std::u16string(u"17000") +
                std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"0000123 ok\n";
    }
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ui::test::ShowModeless(main);
    ui::test::Wait(100);  // the start-up conversions and their clearing
    ui::test::SetClipboardText(text);
    for (auto _ : state) {
        main.OnPasteHistory();
        ui::test::RunPendingEvents();  // let the list lay out and paint
        state.PauseTiming();
        if (main.HistoryRowCount() != 100000) {
            state.SkipWithError("not 100,000 rows");
        }
        main.ClearHistory();
        ui::test::RunPendingEvents();
        state.ResumeTiming();
    }
    ui::SetMainWindow(nullptr);
}
BENCHMARK(BM_Paste100000Numbers)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tickwright

int main(int argc, char** argv) {
    ui::test::PrepareEnvironment();
    const ui::Application application({});
    ui::InitializeUi();
    res::RegisterResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

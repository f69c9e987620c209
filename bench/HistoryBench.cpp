// The history list at scale: 100,000 rows added to a list that is on screen,
// the cost of one more row at 1,000 and at 100,000 rows (with the list shown,
// and of the model alone), the memory each row takes, and clearing them all.
// A row costs the same instructions at any length (about 4,400 under
// callgrind at both sizes); what remains between the two sizes is the memory
// system, so each figure is the median of repetitions that start afresh,
// rather than one short run that inherits the heap the previous left.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <QApplication>
#include <cstdlib>

#include "app/resources/ResourceIds.h"
#include "app/resources/Resources.h"
#include "app/ui/Dialog.h"
#include "app/ui/Setup.h"
#include "mainwnd/HistoryColumns.h"
#include "mainwnd/HistoryList.h"

namespace tickwright {
namespace {

constexpr int kList = res::IDC_HISTORY;

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// Pages the process touched for the first time so far.
long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The main window's template with the history bound to its list control.
class ShownHistory {
public:
    ShownHistory() {
        m_dialog.CreateModeless();
        m_dialog.ReportSetModel(kList, &m_history);
        SetUpHistoryColumns(m_dialog, kList, m_dialog.GetItemClientRect(kList).width);
        QApplication::processEvents();
    }
    ~ShownHistory() { m_dialog.ReportSetModel(kList, nullptr); }

    void AddRow(int i) {
        m_history.AddHistoryRecord(
            12, u"17000000" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"0000", 20,
            u"2023-11-15 06:13:20.000");
    }
    HistoryList& History() { return m_history; }

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
        QApplication::processEvents();  // let the list lay out and paint
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
    QApplication::processEvents();
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
        QApplication::processEvents();
        state.ResumeTiming();
        shown.History().ClearHistory();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Clear100000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tickwright

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ui::InitializeUi();
    res::RegisterResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

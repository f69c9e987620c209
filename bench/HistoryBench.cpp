// The history list at scale: 100,000 rows added to a list that is on screen,
// the cost of one more row at 1,000 and at 100,000 rows, the memory each row
// takes, and clearing them all.
#include <benchmark/benchmark.h>
#include <malloc.h>

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
    int i = 0;
    for (auto _ : state) {
        shown.AddRow(++i);
    }
}
BENCHMARK(BM_AddOneRowAt)->Arg(1000)->Arg(100000)->Iterations(5000);

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

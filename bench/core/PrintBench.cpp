// Printing against opening the same set: the layout (column widths, blocks and every page's
// breaks), what a preview waits for before its first page, and the drawing of every page's items.
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "files/print/PrintLayout.h"
#include "support/DrawingFakes.h"

namespace zoriduvo::bench {
namespace {

enum class PrintStage { Layout, FirstPage, EveryPage };
constexpr const char* kStageNames[] = {"layout of all pages", "layout and first page", "layout and every page drawn"};

// Argument 1: the PrintStage.
void BM_PrintLayout(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const auto stage = static_cast<PrintStage>(state.range(1));
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    const test::FixedTextMetrics metrics;
    const test::RecordingPrinter a4;
    int pages = 0;
    for (auto _ : state) {
        PrintLayout layout(sheet, metrics, {a4.page.printable.width, a4.page.printable.height});
        pages = layout.pageCount();
        if (stage == PrintStage::FirstPage) benchmark::DoNotOptimize(layout.page(0).items.data());
        if (stage == PrintStage::EveryPage)
            while (!layout.done()) benchmark::DoNotOptimize(layout.nextPage().items.data());
    }
    state.SetLabel(std::string(set.name) + " " + kStageNames[state.range(1)]);
    state.counters["pages"] = pages;
    CountCells(state, set);
}
BENCHMARK(BM_PrintLayout)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

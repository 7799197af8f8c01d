// Laying out the printed pages against opening the same set: every page, and the first page alone
// (what the preview waits for).
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "files/print/PrintLayout.h"
#include "support/DrawingFakes.h"

namespace zoriduvo::bench {
namespace {

// Argument 1: 0 every page, 1 the first page only.
void BM_PrintLayout(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    const test::FixedTextMetrics metrics;
    const test::RecordingPrinter a4;
    std::size_t pages = 0;
    for (auto _ : state) {
        PrintLayout layout(sheet, metrics, {a4.page.printable.width, a4.page.printable.height});
        pages = 0;
        do {
            benchmark::DoNotOptimize(layout.nextPage().items.data());
            ++pages;
        } while (state.range(1) == 0 && !layout.done());
    }
    state.SetLabel(std::string(set.name) + (state.range(1) == 0 ? " all pages" : " first page"));
    state.counters["pages"] = static_cast<double>(pages);
    CountCells(state, set);
}
BENCHMARK(BM_PrintLayout)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

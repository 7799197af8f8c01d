// A scatter plot of two variables over every case: the data table the dialog fills, the points the
// window reads from it, and the layout a redraw makes of them (the resize path: no sheet read).
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "graphs/GraphPicture.h"
#include "platform/EstimatedTextMetrics.h"
#include "sheet/Sheet.h"

namespace zoriduvo::bench {
namespace {

constexpr TwipSize kWindow{818 * 15, 614 * 15};

void BM_ScatterFromSheet(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    const EstimatedTextMetrics metrics;
    for (auto _ : state) {
        Graph graph;
        graph.data = ScatterTable(sheet, 1, 2, CaseRange{1, sheet.caseCount()});
        benchmark::DoNotOptimize(DrawGraph(graph, ReadGraphView(graph), kWindow, metrics));
    }
}
BENCHMARK(BM_ScatterFromSheet)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ScatterRedraw(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    Graph graph;
    graph.data = ScatterTable(sheet, 1, 2, CaseRange{1, sheet.caseCount()});
    const GraphView view = ReadGraphView(graph);
    const EstimatedTextMetrics metrics;
    for (auto _ : state) benchmark::DoNotOptimize(DrawGraph(graph, view, kWindow, metrics));
}
BENCHMARK(BM_ScatterRedraw)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

// Operations over every case of a loaded sheet: statistics of all variables, sorting by one key,
// and transformations that run a statement over all cases.
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "edit/Sorting.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"
#include "variables/Statistics.h"

namespace zoriduvo::bench {
namespace {

void BM_ComputeStatistics(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeStatistics(sheet, 1, sheet.caseCount()));
    CountCells(state, set);
}
BENCHMARK(BM_ComputeStatistics)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The same after a sort: the rows of the grid then lie in memory in no order, as after any edit
// that moves cases, and a walk down one variable meets them at random.
void BM_ComputeStatisticsAfterSort(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    if (!SortCases(bench.app, sheet, 1, false, false)) state.SkipWithError("nothing sorted");
    for (auto _ : state) benchmark::DoNotOptimize(ComputeStatistics(sheet, 1, sheet.caseCount()));
    CountCells(state, set);
}
BENCHMARK(BM_ComputeStatisticsAfterSort)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The key alternates between V1 and V2, so each sort meets an order that is random for its key.
void BM_SortCases(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    int key = 1;
    for (auto _ : state) {
        if (!SortCases(bench.app, sheet, key, false, false)) {
            state.SkipWithError("nothing sorted");
            break;
        }
        key = 3 - key;
    }
    if (!bench.ui.messages.empty()) state.SkipWithError(bench.ui.messages.back().text.c_str());
    CountCells(state, set);
}
BENCHMARK(BM_SortCases)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The statement is added and run as "追加" and "実行" do. A first run outside the timing makes
// the target, so every timed run overwrites the same variable.
void RunStatement(benchmark::State& state, const char* statement) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    auto run = [&] {
        TransformList list(ReadTransformSetup(sheet));
        if (list.add(statement)) return false;
        return !RunTransformation(bench.app, sheet, list.setup(), list.records());
    };
    if (!run() || sheet.variableCount() != set.variables + 1) state.SkipWithError("the statement was refused");
    for (auto _ : state)
        if (!run()) {
            state.SkipWithError("the statement was refused");
            break;
        }
    // The rows of the sheet: every case gets a result.
    state.SetItemsProcessed(state.iterations() * set.cases);
    state.counters["per_case"] = benchmark::Counter(set.cases, benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
}

void BM_TransformLn(benchmark::State& state) { RunStatement(state, "Y = LN(ABS(V1)+1)"); }
BENCHMARK(BM_TransformLn)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_TransformRank(benchmark::State& state) { RunStatement(state, "Y = RANK(V2)"); }
BENCHMARK(BM_TransformRank)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

// The undo history on a loaded sheet: what typing keeps, and undoing a sort or a transformation
// against doing it.
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "edit/Sorting.h"
#include "sheet/CellEditing.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"

namespace zoriduvo::bench {
namespace {

// 100 values typed down the middle of the sheet: the history's bytes are the counter.
void BM_UndoHistoryOfTyping(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            sheet.grdVo.setCurrent(2 + i * (set.cases / 100), 2 + set.variables / 2);
            CommitEditorWithEnter(bench.app, sheet, std::to_string(i));
            MoveAfterKey(bench.app, sheet, CursorKey::Enter);
        }
    }
    state.counters["history_KiB"] = static_cast<double>(sheet.history().bytes()) / 1024.0;
}
BENCHMARK(BM_UndoHistoryOfTyping)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

// Arg 0: the sort; arg 1: its undo (the sort runs untimed first).
void BM_SortAndItsUndo(benchmark::State& state) {
    const BenchSet& set = kSets[2];
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    int key = 1;
    for (auto _ : state) {
        if (state.range(0) == 1) state.PauseTiming();
        SortCases(bench.app, sheet, key, false, false);
        if (state.range(0) == 1) {
            state.ResumeTiming();
            sheet.history().undo();
        }
        key = 3 - key;
    }
    state.SetLabel(state.range(0) == 0 ? "sort" : "undo of the sort");
}
BENCHMARK(BM_SortAndItsUndo)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_TransformAndItsUndo(benchmark::State& state) {
    const BenchSet& set = kSets[2];
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    auto run = [&] {
        TransformList list(ReadTransformSetup(sheet));
        if (list.add("V3 = RANK(V2)")) return;
        RunTransformation(bench.app, sheet, list.setup(), list.records());
    };
    for (auto _ : state) {
        if (state.range(0) == 1) state.PauseTiming();
        run();
        if (state.range(0) == 1) {
            state.ResumeTiming();
            sheet.history().undo();
        }
    }
    state.SetLabel(state.range(0) == 0 ? "transformation" : "undo of the transformation");
}
BENCHMARK(BM_TransformAndItsUndo)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

// Transposition, category combination and binding on loaded sheets. Compare with
// BM_ReadNativeBytes + BM_LoadImageIntoSheet of the same set (opening it).
#include <benchmark/benchmark.h>

#include <string>

#include "categories/CategoryCombination.h"
#include "categories/VariableBinding.h"
#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "edit/Transpose.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo::bench {
namespace {

// Variables 1 and 2 hold codes 1..5, so that every case is coded and every code fits 16 bits.
void CodeTwoVariables(Sheet& sheet) {
    for (int v = 1; v <= 2; ++v) {
        WriteCategoryRange(sheet, v, {5, 5, 1});
        for (int c = 1; c <= sheet.caseCount(); ++c) sheet.grdVo.setText(c + 1, v + 1, std::to_string((c + v) % 5 + 1));
    }
}

void BM_TransposeSheet(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) {
        const int n = TransposeSheet(bench.app, sheet);
        if (n == 0) {
            // The large set has more cases than a transposed sheet may have variables.
            state.SkipWithError("transposition refused");
            break;
        }
        state.PauseTiming();
        ForgetClosedSheet(bench.app, n);  // the number, and its grids, are handed out again
        state.ResumeTiming();
    }
    CountCells(state, set);
}
BENCHMARK(BM_TransposeSheet)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Codes 2..2 leave every code as it is, so each round does the same work.
void BM_CombineOneVariable(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    CodeTwoVariables(sheet);
    for (auto _ : state) CombineCategories(sheet, {2, 2}, {1}, {1, sheet.caseCount()});
    state.counters["cases"] = sheet.caseCount();
}
BENCHMARK(BM_CombineOneVariable)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_BindTwoVariables(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    CodeTwoVariables(sheet);
    const int variables = sheet.variableCount();
    for (auto _ : state) {
        if (!BindVariables(bench.app, sheet, 1, 2, "B", {1, sheet.caseCount()})) {
            state.SkipWithError("bind refused");
            break;
        }
        state.PauseTiming();
        RemoveVariables(sheet, variables + 1, 1);
        state.ResumeTiming();
    }
    state.counters["cases"] = sheet.caseCount();
}
BENCHMARK(BM_BindTwoVariables)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

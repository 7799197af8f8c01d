// The edit commands on loaded sheets: copy and paste of a block, a case deleted and inserted at
// the top, replace-all down a whole variable. Compare with BM_ReadNativeBytes +
// BM_LoadImageIntoSheet of the same set (opening it).
#include <benchmark/benchmark.h>

#include <string>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "edit/ClipboardCommands.h"
#include "edit/ClipboardText.h"
#include "edit/FindReplace.h"
#include "edit/InsertDelete.h"

namespace zoriduvo::bench {
namespace {

void BM_CopyWholeDataBlock(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) {
        sheet.grdVo.setCurrent(2, 2);
        sheet.grdVo.setSelectionEnd(sheet.lastRow(), sheet.lastColumn());
        CopySelection(bench.app, sheet);
    }
    CountCells(state, set);
}
BENCHMARK(BM_CopyWholeDataBlock)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The largest block a paste takes: 20 columns of one-character cells, as many rows as fit in
// 20000 characters, pasted over the data at the top.
void BM_PasteLargestBlock(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    std::string line = "7";
    for (int c = 1; c < 20; ++c) line += "\t7";
    line += "\r\n";
    std::string text;
    while (text.size() + line.size() <= kMaxPasteCharacters) text += line;
    bench.clipboard.content = text;
    for (auto _ : state) {
        sheet.grdVo.setCurrent(2, 2);
        if (!PasteAtCursor(bench.app, sheet)) state.SkipWithError("paste refused");
    }
    state.counters["cells"] = static_cast<double>(text.size() / line.size() * 20);
}
BENCHMARK(BM_PasteLargestBlock)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A full sheet takes no more cases, so each round deletes the first and inserts one there again.
void BM_DeleteAndInsertFirstCase(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) {
        if (!DeleteRows(bench.app, sheet, 2, 1) || !InsertRows(bench.app, sheet, 2, 1))
            state.SkipWithError(bench.ui.messages.back().text.c_str());
    }
    CountCells(state, set);
}
BENCHMARK(BM_DeleteAndInsertFirstCase)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Variable 1 holds one value everywhere, so each round replaces every case of it.
void BM_ReplaceAllDownAVariable(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    Sheet& sheet = LoadSet(bench, set);
    for (int r = 2; r <= sheet.lastRow(); ++r) sheet.grdVo.setText(r, 2, "1");
    sheet.grdVo.setCurrent(2, 2);
    const SearchStart start = CaptureSearchStart(sheet);
    bool one = true;
    for (auto _ : state) {
        const int replaced =
            ReplaceAll(bench.app, sheet, start, {SearchLine::Column, true, one ? "1" : "2"}, one ? "2" : "1");
        if (replaced != set.cases) state.SkipWithError("not every case replaced");
        one = !one;
    }
    CountCells(state, set);
}
BENCHMARK(BM_ReplaceAllDownAVariable)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

// Each export form against the save it is measured by: gather and encode of the sheet as vo-Data
// version 3 ("save"), then the same for every form; and the merge of two sets against opening both.
#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/SheetLoader.h"
#include "files/exports/ExportFormats.h"
#include "files/imports/Merge.h"
#include "sheet/App.h"

namespace zoriduvo::bench {
namespace {

// Argument 1 is the form's place in the table; "vo3" is the save itself.
void BM_Export(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const ExportForm& form = ExportForms()[static_cast<std::size_t>(state.range(1))];
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    const std::string path = form.name == "mirv" ? "/bench/out.hdr" : "/bench/out.lsp";
    for (auto _ : state) {
        FileImage image;
        GatherSheet(bench.app, sheet, path, form.withStatistics, image, form.blanks);
        std::vector<OutputFile> files;
        if (EncodeExport(form, image, path, files, "/bench/in.vo")) {
            state.SkipWithError("the form refused the set");
            break;
        }
        benchmark::DoNotOptimize(files.data());
    }
    state.SetLabel(std::string(set.name) + " " + std::string(form.name));
    CountCells(state, set);
}
BENCHMARK(BM_Export)
    ->ArgsProduct({{0, 1, 2}, benchmark::CreateDenseRange(0, static_cast<int>(ExportForms().size()) - 1, 1)})
    ->Unit(benchmark::kMillisecond);

// Opening both files: read and load each into its own sheet.
void BM_OpenTwo(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        BenchApp bench;
        state.ResumeTiming();
        for (int k = 0; k < 2; ++k) {
            FileImage image;
            if (ReadNativeBytes(NativeBytes(set), image)) state.SkipWithError("the reader refused the set");
            benchmark::DoNotOptimize(LoadImageIntoSheet(bench.app, image));
        }
    }
    CountCells(state, set);
}
BENCHMARK(BM_OpenTwo)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The merge of the second file onto the first, opened: read the file, append its cases.
void BM_MergeCases(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        BenchApp bench;
        Sheet& sheet = LoadSet(bench, set);
        state.ResumeTiming();
        FileImage image;
        if (ReadNativeBytes(NativeBytes(set), image)) state.SkipWithError("the reader refused the set");
        if (AppendImageCases(sheet, image)) state.SkipWithError("the merge was refused");
    }
    CountCells(state, set);
}
BENCHMARK(BM_MergeCases)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

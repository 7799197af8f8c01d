// Opening and saving a sheet, step by step: reading the bytes into an image, loading the image
// into a sheet, gathering the sheet back into an image and encoding it as vo-Data version 3.
#include <optional>

#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "files/CsvQuickReader.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/SheetLoader.h"

namespace zoriduvo::bench {
namespace {

void BM_ReadNativeBytes(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const std::string& bytes = NativeBytes(set);
    for (auto _ : state) {
        FileImage image;
        if (ReadNativeBytes(bytes, image)) {
            state.SkipWithError("the reader refused the set");
            break;
        }
        benchmark::DoNotOptimize(image.valuesHeld());
    }
    CountCells(state, set);
    state.counters["bytes/cell"] = static_cast<double>(bytes.size()) / static_cast<double>(set.cells());
}
BENCHMARK(BM_ReadNativeBytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ReadCsvBytes(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const std::string& bytes = CsvBytes(set);
    for (auto _ : state) {
        FileImage image;
        if (ReadCsvBytes(bytes, image)) {
            state.SkipWithError("the reader refused the set");
            break;
        }
        benchmark::DoNotOptimize(image.valuesHeld());
    }
    CountCells(state, set);
}
BENCHMARK(BM_ReadCsvBytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Into sheet 1 of a freshly started App each time; starting and tearing down are not timed.
void BM_LoadImageIntoSheet(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const FileImage& image = NativeImage(set);
    std::optional<BenchApp> bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset();
        bench.emplace();
        state.ResumeTiming();
        if (LoadImageIntoSheet(bench->app, image, {true, 1}) != 1) {
            state.SkipWithError("not loaded into sheet 1");
            break;
        }
    }
    bench.reset();  // the loop has stopped the clock
    CountCells(state, set);
}
BENCHMARK(BM_LoadImageIntoSheet)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_GatherSheet(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    BenchApp bench;
    const Sheet& sheet = LoadSet(bench, set);
    for (auto _ : state) {
        FileImage image;
        GatherSheet(bench.app, sheet, "/bench/out.vo", true, image);
        benchmark::DoNotOptimize(image.valuesHeld());
    }
    CountCells(state, set);
}
BENCHMARK(BM_GatherSheet)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_EncodeNativeFile(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const FileImage& image = NativeImage(set);
    for (auto _ : state) {
        std::string bytes;
        if (EncodeNativeFile(image, 3, bytes)) {
            state.SkipWithError("the writer refused the set");
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    CountCells(state, set);
}
BENCHMARK(BM_EncodeNativeFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

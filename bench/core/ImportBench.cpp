// Importing the sets as text against opening them as vo-Data: bytes in, sheet built, each timed
// from the bytes to the filled sheet on a fresh App.
#include <algorithm>
#include <optional>
#include <string>

#include <benchmark/benchmark.h>

#include "core/BenchApp.h"
#include "core/BenchSets.h"
#include "files/NativeReader.h"
#include "files/SheetLoader.h"
#include "files/imports/FixedWidth.h"
#include "files/imports/ImportSheet.h"
#include "files/imports/TextImport.h"
#include "sheet/DefaultNames.h"

namespace zoriduvo::bench {
namespace {

constexpr std::size_t kFixedWidth = 16;

// The set's values as a counts-first text: "C,V", then a line of values per case.
std::string CountsText(const BenchSet& set) {
    const FileImage& image = NativeImage(set);
    std::string text = std::to_string(set.cases) + "," + std::to_string(set.variables) + "\r\n";
    for (int c = 1; c <= set.cases; ++c) {
        for (int v = 1; v <= set.variables; ++v) text.append(v > 1 ? "," : "").append(image.value(c, v));
        text += "\r\n";
    }
    return text;
}

// The same values each right-aligned in kFixedWidth columns (longer ones cut to fit).
std::string FixedText(const BenchSet& set) {
    const FileImage& image = NativeImage(set);
    std::string text;
    for (int c = 1; c <= set.cases; ++c) {
        for (int v = 1; v <= set.variables; ++v) {
            const CellString cell = image.value(c, v);
            const std::string_view value = cell.view();
            text.append(kFixedWidth - std::min(value.size(), kFixedWidth), ' ').append(value.substr(0, kFixedWidth));
        }
        text += "\r\n";
    }
    return text;
}

FixedLayout FixedLayoutOf(const BenchSet& set) {
    FixedLayout layout;
    const int width = static_cast<int>(kFixedWidth);
    for (int v = 1; v <= set.variables; ++v)
        layout.variables.push_back({DefaultVariableName(v), (v - 1) * width + 1, v * width});
    return layout;
}

// Runs read (bytes -> image) and loads the image into sheet 1 of a fresh App, timed together.
template <typename Read>
void TimeReadAndLoad(benchmark::State& state, const BenchSet& set, Read read) {
    std::optional<BenchApp> bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reset();
        bench.emplace();
        bench->app.setActiveSheet(1);
        state.ResumeTiming();
        FileImage image;
        if (!read(image) || LoadImportedImage(bench->app, image, "bench.Vo") != 1) {
            state.SkipWithError("not read into sheet 1");
            break;
        }
    }
    bench.reset();
    CountCells(state, set);
}

void BM_OpenNativeBytes(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const std::string& bytes = NativeBytes(set);
    TimeReadAndLoad(state, set, [&](FileImage& image) { return !ReadNativeBytes(bytes, image); });
}
BENCHMARK(BM_OpenNativeBytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ImportCountsFirst(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const std::string bytes = CountsText(set);
    TextLayoutOptions options;
    options.countsInFile = true;
    TimeReadAndLoad(state, set, [&](FileImage& image) {
        std::string text;
        return !DecodeImportText(bytes, text) && !ReadTextTable(text, options, image);
    });
}
BENCHMARK(BM_ImportCountsFirst)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ImportFixedWidth(benchmark::State& state) {
    const BenchSet& set = SetOf(state);
    const std::string bytes = FixedText(set);
    const FixedLayout layout = FixedLayoutOf(set);
    TimeReadAndLoad(state, set, [&](FileImage& image) {
        std::string text;
        return !DecodeImportText(bytes, text) && !ReadFixedWidthText(text, layout, image);
    });
}
BENCHMARK(BM_ImportFixedWidth)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zoriduvo::bench

#include "core/BenchSets.h"

#include <map>
#include <stdexcept>

#include "BenchValues.h"
#include "app/StartUp.h"
#include "core/BenchApp.h"
#include "files/CsvQuickReader.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/SheetLoader.h"
#include "variables/Statistics.h"

namespace zoriduvo::bench {

BenchApp::BenchApp() { StartUp(app); }

namespace {

std::string MakeCsv(const BenchSet& set) {
    Lcg random = SetStream(set.cases, set.variables);
    std::string bytes;
    for (int v = 1; v <= set.variables; ++v) bytes.append(",V").append(std::to_string(v));
    bytes += "\r\n";
    for (int c = 1; c <= set.cases; ++c) {
        bytes.append("C").append(std::to_string(c));
        for (int v = 1; v <= set.variables; ++v) bytes.append(",").append(ValueText(random));
        bytes += "\r\n";
    }
    return bytes;
}

void Require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("benchmark set: " + what);
}

FileImage ReadCsv(const BenchSet& set) {
    FileImage image;
    Require(!ReadCsvBytes(CsvBytes(set), image), "the CSV reader refused the set");
    return image;
}

// Open the CSV, save as version 3: the same steps as `zoriduvo-cli convert X.csv X.vo`.
std::string MakeNative(const BenchSet& set) {
    BenchApp bench;
    Sheet& sheet = bench.app.sheet(LoadImageIntoSheet(bench.app, CsvImage(set), {false, 1}));
    ComputeStatisticsForSaving(bench.app, sheet);
    FileImage image;
    GatherSheet(bench.app, sheet, std::string("/bench/") + set.name + ".vo", true, image);
    std::string bytes;
    Require(!EncodeNativeFile(image, 3, bytes), "the writer refused the set");
    Require(bench.ui.messages.empty(), bench.ui.messages.empty() ? std::string() : bench.ui.messages.back().text);
    return bytes;
}

FileImage ReadNative(const BenchSet& set) {
    FileImage image;
    Require(!ReadNativeBytes(NativeBytes(set), image), "the native reader refused the set");
    return image;
}

// Each set is made once per process, on first use, outside any timed region.
template <typename T, T (*Make)(const BenchSet&)>
const T& Cached(const BenchSet& set) {
    static std::map<const BenchSet*, T> made;
    auto found = made.find(&set);
    if (found == made.end()) found = made.emplace(&set, Make(set)).first;
    return found->second;
}

}  // namespace

const BenchSet& SetOf(benchmark::State& state) {
    const BenchSet& set = kSets[state.range(0)];
    state.SetLabel(set.name);
    return set;
}

const std::string& CsvBytes(const BenchSet& set) { return Cached<std::string, MakeCsv>(set); }
const FileImage& CsvImage(const BenchSet& set) { return Cached<FileImage, ReadCsv>(set); }
const std::string& NativeBytes(const BenchSet& set) { return Cached<std::string, MakeNative>(set); }
const FileImage& NativeImage(const BenchSet& set) { return Cached<FileImage, ReadNative>(set); }

Sheet& LoadSet(BenchApp& bench, const BenchSet& set) {
    const int n = LoadImageIntoSheet(bench.app, NativeImage(set), {true, 1});
    Require(n == 1, "the set did not load into sheet 1");
    return bench.app.sheet(n);
}

void CountCells(benchmark::State& state, const BenchSet& set) {
    state.SetItemsProcessed(state.iterations() * set.cells());
    state.counters["per_cell"] = benchmark::Counter(static_cast<double>(set.cells()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

}  // namespace zoriduvo::bench

// The per-value costs every reader, loader and writer pays: the leading-number conversion and
// the number texts.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "BenchValues.h"
#include "text/NumberText.h"

namespace zoriduvo::bench {
namespace {

constexpr int kValues = 1 << 16;

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        Lcg random = SetStream(kValues, 1);
        std::vector<std::string> made;
        while (made.size() < kValues)
            if (std::string text = ValueText(random); !text.empty()) made.push_back(std::move(text));
        return made;
    }();
    return texts;
}

const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::vector<double> made;
        for (const std::string& text : Texts()) made.push_back(ToSingle(LeadingNumber(text)));
        return made;
    }();
    return values;
}

void BM_LeadingNumber(benchmark::State& state) {
    const auto& texts = Texts();
    for (auto _ : state)
        for (const std::string& text : texts) benchmark::DoNotOptimize(LeadingNumber(text));
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_LeadingNumber);

void BM_FormatNumber(benchmark::State& state) {
    const auto& values = Values();
    for (auto _ : state)
        for (double value : values) benchmark::DoNotOptimize(FormatNumber(value));
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_FormatNumber);

// What the loader writes into every cell.
void BM_ShortestText(benchmark::State& state) {
    const auto& values = Values();
    for (auto _ : state)
        for (double value : values) benchmark::DoNotOptimize(ShortestText(static_cast<float>(value)));
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ShortestText);

}  // namespace
}  // namespace zoriduvo::bench

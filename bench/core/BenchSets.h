// The benchmark sets in memory, the same data bench/gen-data writes: small 1000 x 20,
// medium 10000 x 100, large 32767 x 200.
#pragma once
#include <string>

#include <benchmark/benchmark.h>

#include "files/FileImage.h"

namespace zoriduvo {
class Sheet;
}

namespace zoriduvo::bench {

struct BenchApp;

struct BenchSet {
    const char* name;
    int cases;
    int variables;
    long long cells() const { return static_cast<long long>(cases) * variables; }
};

inline constexpr BenchSet kSets[] = {{"1000x20", 1000, 20}, {"10000x100", 10000, 100}, {"32767x200", 32767, 200}};

// The set chosen by the benchmark's argument; labels the run with its size.
const BenchSet& SetOf(benchmark::State& state);

// The bytes of the set as CSV (header row, case-name column), as gen_data writes them.
const std::string& CsvBytes(const BenchSet& set);
// The set as the CSV reader reads it.
const FileImage& CsvImage(const BenchSet& set);
// The set as a vo-Data version 3 file with its statistics block, as Save As writes it.
const std::string& NativeBytes(const BenchSet& set);
// The version 3 file as the native reader reads it.
const FileImage& NativeImage(const BenchSet& set);

// Loads the set's vo-Data file into sheet 1 of the app, as Open does.
Sheet& LoadSet(BenchApp& bench, const BenchSet& set);

// Time per cell and cells per second, which stay flat across the sets when the work is linear.
void CountCells(benchmark::State& state, const BenchSet& set);

}  // namespace zoriduvo::bench

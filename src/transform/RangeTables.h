// Tables a statement builds once over the whole case range, before its first case.
#pragma once
#include <cstdint>
#include <vector>

#include "sheet/CaseRange.h"

namespace zoriduvo {

// For each case of the range, the number of the case group that holds it: the first group whose
// running total of sizes reaches the case, the last group beyond them all, 1 when not grouped.
std::vector<int> GroupNumbers(const std::vector<int>& groupSizes, const CaseRange& range);

// Ranks of the valid values, ties at the mean of their sorted positions; index by position.
std::vector<float> RankValues(const std::vector<float>& values, const std::vector<std::uint8_t>& valid);

struct MeanAndDeviation {
    float mean = 0;
    float deviation = 0;  // divisor n - 1; 0 for fewer than two values
    int count = 0;
};
// The one-pass single-precision computation of the descriptive statistics, blanks skipped.
MeanAndDeviation ComputeMeanAndDeviation(const std::vector<float>& values, const std::vector<std::uint8_t>& valid);

}  // namespace zoriduvo

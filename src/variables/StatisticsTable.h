#pragma once
#include <vector>

namespace zoriduvo {

// The five statistics of one variable over a case range, in single precision. A variable
// without values in the range has cases 0 and every figure 0; it is shown as "-".
struct VariableStatistics {
    float maximum = 0;
    float minimum = 0;
    float mean = 0;
    float standardDeviation = 0;
    int cases = 0;
};

// The statistics buffer: the statistics of variables 1 .. variable count (index 0 unused) over
// the case range first .. last. It grows with the sheet, so no variable count overflows it.
struct StatisticsTable {
    int first = 1;
    int last = 0;
    std::vector<VariableStatistics> variables{1};

    int variableCount() const { return static_cast<int>(variables.size()) - 1; }
};

}  // namespace zoriduvo

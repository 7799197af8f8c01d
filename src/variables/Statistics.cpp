#include "variables/Statistics.h"

#include <algorithm>
#include <cmath>

#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/NumberText.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

const char* const kStatisticCaptions[kStatisticCount] = {" 最　大", " 最　小", " 平　均", "標準偏差", "ケース数"};

VariableStatistics ComputeVariableStatistics(const Sheet& sheet, int variable, int first, int last) {
    const Grid& grid = sheet.grdVo;
    VariableStatistics result;
    const int col = variable + 1;
    if (variable < 1 || col >= grid.cols()) return result;
    first = std::max(first, 1);
    last = std::min(last, sheet.caseCount());
    float maximum = 0, minimum = 0, total = 0, s = 0, k = 0;
    for (int c = first; c <= last; ++c) {
        const std::string_view text = grid.text(c + 1, col);
        if (text.empty()) continue;
        const float x = ToSingle(LeadingNumber(text));
        if (k == 0) {
            maximum = minimum = total = x;
            k = 1;
            continue;
        }
        total += x;
        k += 1;
        // The running sum of squared deviations without a second pass over the data.
        const float t = k * x - total;
        s += t * t / (k * (k - 1));
        maximum = std::max(maximum, x);
        minimum = std::min(minimum, x);
    }
    if (k == 0) return result;
    result.maximum = maximum;
    result.minimum = minimum;
    result.mean = total / k;
    result.standardDeviation = k < 2 ? 0.0f : std::sqrt(s / (k - 1));
    result.cases = static_cast<int>(k);
    return result;
}

StatisticsTable ComputeStatistics(const Sheet& sheet, int first, int last) {
    StatisticsTable table;
    table.first = first;
    table.last = last;
    const int variables = sheet.variableCount();
    table.variables.resize(std::max(variables, 0) + 1);
    for (int v = 1; v <= variables; ++v) table.variables[v] = ComputeVariableStatistics(sheet, v, first, last);
    return table;
}

std::string StatisticText(const VariableStatistics& statistics, Statistic which, bool keepZeros) {
    if (which == Statistic::Cases) return FormatNumber(statistics.cases);
    if (statistics.cases == 0) return "-";
    switch (which) {
        case Statistic::Maximum: return FormatNumber(statistics.maximum, 12, 6, keepZeros);
        case Statistic::Minimum: return FormatNumber(statistics.minimum, 12, 6, keepZeros);
        case Statistic::Mean: return FormatNumber(statistics.mean, 12, 6, keepZeros);
        default: return FormatNumber(statistics.standardDeviation, 12, 6, keepZeros);
    }
}

void WriteStatisticsGrid(Sheet& sheet, const StatisticsTable& table) {
    Grid& grid = sheet.grdVoStat;
    const int variables = table.variableCount();
    if (grid.cols() <= variables) grid.setCols(variables + 1);
    grid.setText(0, 0, CaseRangeText(table.first, table.last));
    for (int v = 1; v <= variables; ++v)
        for (int i = 0; i < kStatisticCount; ++i)
            grid.setText(i + 1, v, StatisticText(table.variables[v], static_cast<Statistic>(i)));
}

void ComputeStatisticsForSaving(App& app, Sheet& sheet) {
    app.statistics = ComputeStatistics(sheet, 1, sheet.caseCount());
    WriteStatisticsGrid(sheet, app.statistics);
    sheet.setStatisticsValid(true);
}

}  // namespace zoriduvo

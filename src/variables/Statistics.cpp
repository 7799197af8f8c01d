#include "variables/Statistics.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/CellValue.h"
#include "sheet/Sheet.h"
#include "sheet/SheetShape.h"
#include "text/NumberText.h"
#include "variables/RunningStatistics.h"

namespace zoriduvo {

namespace {

// Adds the cells of up to four variables side by side (count of them; the other lanes are
// absent) to their running figures.
void AddFour(FourRunningFigures& figures, const Cell* cells, int count) {
    if (count == 4) {
        using Doubles = double __attribute__((vector_size(16)));
        const Doubles low{cells[0].number(), cells[1].number()}, high{cells[2].number(), cells[3].number()};
        // Number cells within the single range, where a plain conversion is what ToSingle gives: the
        // other cells' tags are NaNs, which compare false.
        constexpr double kMax = FLT_MAX;
        const auto inRange = (low <= kMax) & (low >= -kMax) & (high <= kMax) & (high >= -kMax);
        if (inRange[0] & inRange[1]) {
            figures.addEvery(low, high);
            return;
        }
    }
    FourRunningFigures::Singles x{};
    FourRunningFigures::Mask present{};
    for (int i = 0; i < count; ++i) {
        if (cells[i].empty()) continue;
        x[i] = CellSingle(cells[i]);
        present[i] = -1;
    }
    figures.add(x, present);
}

}  // namespace

VariableStatistics ComputeVariableStatistics(const Sheet& sheet, int variable, int first, int last) {
    const Grid& grid = sheet.grdVo;
    const int col = variable + 1;
    if (variable < 1 || col >= grid.cols()) return {};
    RunningFigures running;
    const int to = std::min(last, sheet.caseCount());
    for (int c = std::max(first, 1); c <= to; ++c) {
        const Cell& cell = grid.cell(c + 1, col);
        if (!cell.empty()) running.add(CellSingle(cell));
    }
    return running.result();
}

StatisticsTable ComputeStatistics(const Sheet& sheet, int first, int last) {
    StatisticsTable table;
    table.first = first;
    table.last = last;
    const int variables = std::max(sheet.variableCount(), 0);
    table.variables.resize(variables + 1);
    // Case by case along the rows, each variable taking its cases in order as above: after a sort
    // the rows lie anywhere in memory, and a walk down one variable after another met each row
    // at random 200 times over (seven times slower on a full sheet).
    const Grid& grid = sheet.grdVo;
    const int columns = std::clamp(grid.cols() - 2, 0, variables);
    const int from = std::max(first, 1), to = std::min(last, sheet.caseCount());
    // One thread: the walk is bound by memory, and a second one cost more time than it saved.
    std::vector<FourRunningFigures> fours((columns + 3) / 4);
    for (int c = from; c <= to; ++c) {
        const std::span<const Cell> row = grid.storedRow(c + 1);
        Prefetch(grid.storedRow(c + 2));
        const int stored = std::min(columns, static_cast<int>(row.size()) - 2);
        for (int v = 1; v <= stored; v += 4)
            AddFour(fours[(v - 1) / 4], row.data() + v + 1, std::min(stored - v + 1, 4));
    }
    for (int v = 1; v <= columns; ++v) table.variables[v] = fours[(v - 1) / 4].lane((v - 1) % 4).result();
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
    EnsureGridSize(sheet, variables + 2, 0);
    grid.setText(0, 0, CaseRangeText(table.first, table.last));
    for (int v = 1; v <= variables; ++v)
        for (int i = 0; i < kStatisticCount; ++i)
            grid.setText(i + 1, v, StatisticText(table.variables[v], static_cast<Statistic>(i)));
}

void ComputeStatisticsForSaving(App& app, Sheet& sheet) {
    app.state<StatisticsTable>() = ComputeStatistics(sheet, 1, sheet.caseCount());
    WriteStatisticsGrid(sheet, app.state<StatisticsTable>());
    sheet.setStatisticsValid(true);
}

}  // namespace zoriduvo

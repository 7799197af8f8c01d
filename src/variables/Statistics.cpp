#include "variables/Statistics.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/CellValue.h"
#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "variables/RunningStatistics.h"

namespace zoriduvo {

namespace {

// Runs work(first, last) over 1..count, the upper half on a second thread when asked: an exception
// of either half reaches the caller, and a thread that cannot start only means one thread does all.
template <typename Work>
void InTwoHalves(int count, bool twoThreads, const Work& work) {
    const int half = count / 2;
    std::optional<std::thread> second;
    std::exception_ptr failures[2];
    if (twoThreads) {
        try {
            second.emplace([&] {
                try {
                    work(half + 1, count);
                } catch (...) {
                    failures[1] = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
        }
    }
    try {
        work(1, second ? half : count);
    } catch (...) {
        failures[0] = std::current_exception();
    }
    if (second) second->join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

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
            const FourRunningFigures::Lanes x{static_cast<float>(low[0]), static_cast<float>(low[1]),
                                              static_cast<float>(high[0]), static_cast<float>(high[1])};
            figures.add(x, ~FourRunningFigures::Mask{});
            return;
        }
    }
    FourRunningFigures::Lanes x{};
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
    const auto accumulate = [&](int firstVariable, int lastVariable) {
        std::vector<FourRunningFigures> fours((lastVariable - firstVariable + 4) / 4);
        for (int c = from; c <= to; ++c) {
            const std::span<const Cell> row = grid.storedRow(c + 1);
            Prefetch(grid.storedRow(c + 2));
            const int stored = std::min(lastVariable, static_cast<int>(row.size()) - 2);
            for (int v = firstVariable; v <= stored; v += 4)
                AddFour(fours[(v - firstVariable) / 4], row.data() + v + 1, std::min(stored - v + 1, 4));
        }
        for (int v = firstVariable; v <= lastVariable; ++v)
            table.variables[v] = fours[(v - firstVariable) / 4].lane((v - firstVariable) % 4).result();
    };
    // A big sheet's variables in two halves at once: each variable still takes its cases in order,
    // so the figures are the same to the bit.
    constexpr long long kCellsWorthASecondThread = 1 << 18;
    InTwoHalves(columns, static_cast<long long>(to - from + 1) * columns >= kCellsWorthASecondThread, accumulate);
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
    app.state<StatisticsTable>() = ComputeStatistics(sheet, 1, sheet.caseCount());
    WriteStatisticsGrid(sheet, app.state<StatisticsTable>());
    sheet.setStatisticsValid(true);
}

}  // namespace zoriduvo

#include "variables/StatisticsBlock.h"

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "variables/Statistics.h"
#include "variables/VariableMessages.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/SheetShape.h"

namespace zoriduvo {

namespace {

void WriteBlock(Grid& grid, const StatisticsTable& table, int headerRow) {
    const int variables = table.variableCount();
    grid.setText(headerRow, 1, CaseRangeText(table.first, table.last));
    for (int i = 0; i < kStatisticCount; ++i) {
        const int row = headerRow + 1 + i;
        grid.setText(row, 1, kStatisticCaptions[i]);
        for (int v = 1; v <= variables && v + 1 < grid.cols(); ++v)
            grid.setText(row, v + 1, StatisticText(table.variables[v], static_cast<Statistic>(i)));
    }
    const int spacer = headerRow + kStatisticsBlockRows - 1;
    for (int c = 1; c <= variables + 1 && c < grid.cols(); ++c) grid.setText(spacer, c, "");
}

// Brings the new block into view the way the command always has: a few rows and columns back.
void ScrollTowardsBlock(Grid& grid) {
    grid.setTopRow(grid.topRow() <= 6 ? 2 : grid.topRow() - 5);
    grid.setLeftCol(grid.leftCol() <= 4 ? 2 : grid.leftCol() - 3);
}

}  // namespace

void ShowStatisticsBlock(App& app, Sheet& sheet) {
    if (sheet.lastRow() < 2) {
        app.ui.show(MessageOf(VariableMessage::NoData));
        return;
    }
    BusyPointer busy(app.ui);
    const int n = sheet.caseCount();
    const CaseRange range = ReadCaseRange(sheet, WholeRows::PassLastVariable);
    app.state<StatisticsTable>() = ComputeStatistics(sheet, range.first, range.last);

    Grid& grid = sheet.grdVo;
    // A view of the data, not a change of it: a step of its own that leaves the sheet unmodified.
    UndoStep step(sheet.history(), kStatisticsStep);
    {
        Grid::BulkChange bulk(grid);
        const int blocks = sheet.state().statisticsBlocks;
        const int headerRow = StatisticsBlockRow(n, blocks);
        const int lastStatisticRow = headerRow + kStatisticCount;
        EnsureGridSize(sheet, 0, lastStatisticRow + 10);
        ScrollTowardsBlock(grid);
        WriteBlock(grid, app.state<StatisticsTable>(), headerRow);
        sheet.state().statisticsBlocks = static_cast<std::int16_t>(blocks + 1);
    }
    if (range.first == 1 && range.last == n) {
        WriteStatisticsGrid(sheet, app.state<StatisticsTable>());
        sheet.setStatisticsValid(true);
    }
}

}  // namespace zoriduvo

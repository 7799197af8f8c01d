#include "transform/WriteBack.h"

#include <algorithm>
#include <string>

#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"
#include "sheet/UsedRange.h"
#include "transform/WorkingCopy.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

namespace {

constexpr int kBlockRows = 7;

void ClearStatisticsBlocks(Sheet& sheet) {
    RemoveStatisticsBlocks(sheet);
    const int blocks = sheet.state().statisticsBlocks;
    if (blocks > 0) {
        // Blocks over part of the cases outlive RemoveStatisticsBlocks; once their count is 0
        // nothing would ever remove them, and typing below the data would take them for values.
        Grid& grid = sheet.grdVo;
        const int n = sheet.caseCount();
        const int lastRow = std::min(n + 1 + kBlockRows * blocks, grid.rows() - 1);
        const int lastCol = std::min(sheet.lastColumn(), grid.cols() - 1);
        for (int r = n + 2; r <= lastRow; ++r)
            for (int c = 1; c <= lastCol; ++c) grid.setText(r, c, "");
    }
    sheet.state().statisticsBlocks = 0;
    sheet.setStatisticsValid(false);
}

// New variables standing before the last variable of the sheet get columns of their own; the
// ones after it are added by growing the used range. Returns the first column whose variable
// number changed.
int InsertColumns(Sheet& sheet, const WorkingCopy& copy) {
    const int lastOpening = copy.openingCount() > 0 ? copy.current(copy.openingCount()) : 0;
    MatchDefinitionGrids(sheet);
    int firstMoved = copy.variableCount() + 1;
    int inserted = 0;
    for (int j = 1; j <= lastOpening;) {
        if (copy.header(j).source != 0) {
            ++j;
            continue;
        }
        int run = 0;
        while (j + run <= lastOpening && copy.header(j + run).source == 0) ++run;
        sheet.grdVo.insertCols(j + 1, run);
        sheet.grdVoLabel.insertCols(j, run);
        sheet.grdVoStat.insertCols(j, run);
        firstMoved = std::min(firstMoved, j);
        inserted += run;
        j += run;
    }
    if (inserted > 0) {
        sheet.setEndCell(0, std::to_string(sheet.lastColumn() + inserted));
        for (int j = firstMoved; j <= lastOpening; ++j) sheet.grdVo.setText(0, j + 1, std::to_string(j));
    }
    return firstMoved;
}

void WriteData(Sheet& sheet, const WorkColumn& column, int v, const CaseRange& range) {
    Grid& grid = sheet.grdVo;
    for (int c = range.first; c <= range.last; ++c) {
        const WorkCell cell = column.cell(c - range.first);
        grid.setText(c + 1, v + 1, cell.valid ? FormatNumber(cell.value, 12, 6, false) : std::string());
    }
    if (column.source != 0) return;
    // A new variable has no values outside the range.
    const int n = sheet.caseCount();
    for (int c = 1; c <= n; ++c)
        if (!range.contains(c) && !grid.isEmpty(c + 1, v + 1)) grid.setText(c + 1, v + 1, "");
}

}  // namespace

void WriteBack(Sheet& sheet, WorkingCopy& copy) {
    Grid::BulkChange bulk(sheet.grdVo);
    ClearStatisticsBlocks(sheet);
    InsertColumns(sheet, copy);
    const int count = copy.variableCount();
    ExtendUsedColumns(sheet, count + 1);
    for (int v = 1; v <= count; ++v) {
        const WorkColumn& column = copy.header(v);
        if (column.source == 0 || column.headerChanged) WriteDefinition(sheet, v, {column.name, column.category});
        if (column.written) WriteData(sheet, column, v, copy.range());
    }
}

}  // namespace zoriduvo

#include "sheet/SheetShape.h"

#include <algorithm>
#include <string>

#include "sheet/CaseGroups.h"
#include "sheet/DefaultNames.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

namespace {
constexpr int kSpareColumns = 6;
constexpr int kSpareRows = 22;

void MatchDefinitionGrids(Sheet& sheet) {
    const int wanted = sheet.grdVo.cols() - 1;
    if (sheet.grdVoLabel.cols() < wanted) sheet.grdVoLabel.setCols(wanted);
    if (sheet.grdVoStat.cols() < wanted) sheet.grdVoStat.setCols(wanted);
}

void NumberVariables(Sheet& sheet, int from, int to) {
    for (int v = from; v <= to; ++v) sheet.grdVo.setText(0, v + 1, std::to_string(v));
}

void NumberCases(Sheet& sheet, int from) {
    for (int c = from; c <= sheet.caseCount(); ++c) sheet.grdVo.setText(c + 1, 0, std::to_string(c));
}
}  // namespace

void SetVariableCount(Sheet& sheet, int variableCount) { sheet.setEndCell(0, std::to_string(variableCount + 1)); }

void SetCaseCount(Sheet& sheet, int caseCount) { sheet.setEndCell(1, std::to_string(caseCount + 1)); }

void EnsureGridSize(Sheet& sheet, int columns, int rows) {
    Grid& grid = sheet.grdVo;
    if (grid.cols() < columns) grid.setCols(columns);
    if (grid.rows() < rows) grid.setRows(rows);
    MatchDefinitionGrids(sheet);
}

void ExtendVariables(Sheet& sheet, int variableCount) {
    const int used = sheet.lastColumn();
    const int lastColumn = variableCount + 1;
    if (lastColumn <= used) return;
    RemoveStatisticsBlocks(sheet);
    EnsureGridSize(sheet, lastColumn + kSpareColumns, 0);
    for (int k = used + 1; k <= lastColumn; ++k) {
        const std::string name = DefaultVariableName(k - 1);
        sheet.grdVo.setText(0, k, std::to_string(k - 1));
        sheet.grdVo.setText(1, k, name);
        sheet.grdVoLabel.setText(0, k - 1, name);
        for (int row = 1; row <= 3; ++row) sheet.grdVoLabel.setText(row, k - 1, "0");
    }
    SetVariableCount(sheet, variableCount);
}

bool ExtendDefinedVariables(Sheet& sheet, int variableCount) {
    const int n = sheet.variableCount();
    if (variableCount <= n) return false;
    // Blocks below the data were laid out for the old variables; they go before the count grows.
    RemoveStatisticsBlocks(sheet);
    NumberVariables(sheet, n + 1, variableCount);
    SetVariableCount(sheet, variableCount);
    return true;
}

void ExtendCases(Sheet& sheet, int caseCount) {
    const int used = sheet.lastRow();
    const int lastRow = caseCount + 1;
    if (lastRow <= used) return;
    RemoveStatisticsBlocks(sheet);
    EnsureGridSize(sheet, 0, lastRow + kSpareRows);
    Grid& vo = sheet.grdVo;
    for (int k = used + 1; k <= lastRow; ++k) {
        vo.setText(k, 0, std::to_string(k - 1));
        vo.setText(k, 1, DefaultCaseName(k - 1));
    }
    GrowLastCaseGroup(sheet, used - 1, caseCount);
    SetCaseCount(sheet, caseCount);
}

void InsertVariables(Sheet& sheet, int at, int count) {
    if (count <= 0 || at < 1 || at > sheet.variableCount() + 1) return;
    MatchDefinitionGrids(sheet);
    sheet.grdVo.insertCols(at + 1, count);
    sheet.grdVoLabel.insertCols(std::min(at, sheet.grdVoLabel.cols()), count);
    sheet.grdVoStat.insertCols(std::min(at, sheet.grdVoStat.cols()), count);
    SetVariableCount(sheet, sheet.variableCount() + count);
    NumberVariables(sheet, at, sheet.variableCount());
}

void RemoveVariables(Sheet& sheet, int at, int count) {
    const int n = sheet.variableCount();
    count = std::min(count, n - at + 1);
    if (count <= 0 || at < 1) return;
    sheet.grdVo.removeCols(at + 1, count);
    for (Grid* grid : {&sheet.grdVoLabel, &sheet.grdVoStat})
        if (at < grid->cols()) grid->removeCols(at, std::min(count, grid->cols() - at));
    MatchDefinitionGrids(sheet);
    SetVariableCount(sheet, sheet.variableCount() - count);
    NumberVariables(sheet, at, sheet.variableCount());
}

void InsertCases(Sheet& sheet, int at, int count) {
    if (count <= 0 || at < 1 || at > sheet.caseCount() + 1) return;
    // The rows and every case number after them: one reset, not a header change per case.
    Grid::BulkChange bulk(sheet.grdVo);
    sheet.grdVo.insertRows(at + 1, count);
    if (at <= sheet.caseCount()) SetCaseCount(sheet, sheet.caseCount() + count);
    NumberCases(sheet, at);
}

void RemoveCases(Sheet& sheet, int at, int count) {
    const int n = sheet.caseCount();
    count = std::min(count, n - at + 1);
    if (count <= 0 || at < 1) return;
    Grid::BulkChange bulk(sheet.grdVo);
    sheet.grdVo.removeRows(at + 1, count);
    SetCaseCount(sheet, sheet.caseCount() - count);
    NumberCases(sheet, at);
}

}  // namespace zoriduvo

#include "sheet/SheetOperations.h"

#include <algorithm>
#include <string>

#include "sheet/App.h"
#include "sheet/DefaultNames.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/StepCommand.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
constexpr const char* kDefaultNamesStep = "変数名";
}  // namespace

void LoadVariableList(App& app, Sheet& sheet) {
    auto& lists = app.lists;
    const int count = sheet.variableCount();
    lists.variableCount = count;
    lists.names.assign(count + 1, std::string());
    // The default names written stay in the sheet: a step to undo, though nothing new to save.
    UndoStep step(sheet.history(), kDefaultNamesStep);
    std::vector<CellEdit> named;  // as later steps see them, a script must write them too
    for (int v = 1; v <= count; ++v) {
        std::string name(sheet.grdVo.text(1, v + 1));
        if (name.empty()) {
            name = DefaultVariableName(v);
            sheet.grdVo.setText(1, v + 1, name);
            named.push_back({0, v, name});
        }
        lists.names[v] = name;
    }
    if (!named.empty()) step.record(SetCommand(named));
}

bool CellHasValue(const Sheet& sheet, int variable, int caseNumber) {
    return !sheet.grdVo.isEmpty(caseNumber + 1, variable + 1);
}

void SelectCell(Grid& grid, int col, int row) { grid.setCurrent(row, col); }

void RemoveStatisticsBlocks(Sheet& sheet) {
    Grid& grid = sheet.grdVo;
    const int cases = sheet.caseCount();
    const int blocks = sheet.state().statisticsBlocks;
    const int row = grid.row(), col = grid.col(), rowSel = grid.rowSel(), colSel = grid.colSel();
    const int lastRow = std::min(LastStatisticsRow(cases, blocks), grid.rows() - 1);
    const int lastCol = std::min(sheet.variableCount() + 1, grid.cols() - 1);
    for (int r = StatisticsBlockRow(cases, 0); r <= lastRow; ++r)
        for (int c = 1; c <= lastCol; ++c) grid.setText(r, c, "");
    grid.setCurrent(row, col);
    grid.setSelectionEnd(rowSel, colSel);
    sheet.setStatisticsValid(false);
    sheet.state().statisticsBlocks = 0;
}

}  // namespace zoriduvo

#include "sheet/CellEdits.h"

#include <algorithm>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/SheetMessages.h"
#include "sheet/SheetShape.h"

namespace zoriduvo {

void NameInLabels(Sheet& sheet, int variable, const std::string& name) {
    EnsureGridSize(sheet, variable + 2, 0);
    sheet.grdVoLabel.setText(0, variable, name);
}

bool SetCells(App& app, Sheet& sheet, const std::vector<CellEdit>& edits) {
    int lastCase = 0, lastVariable = 0;
    for (const CellEdit& edit : edits) {
        if (edit.caseNumber < 0 || edit.variable < 0 || !WithinCountLimit(edit.caseNumber) ||
            !WithinCountLimit(edit.variable)) {
            app.ui.show(MessageOf(SheetMessage::PasteBeyondLimit));
            return false;
        }
        lastCase = std::max(lastCase, edit.caseNumber);
        lastVariable = std::max(lastVariable, edit.variable);
    }
    if (edits.empty()) return true;
    BusyPointer busy(app.ui);
    DataChange change(sheet, kCellsStep);
    Grid& grid = sheet.grdVo;
    EnsureGridSize(sheet, std::max(grid.cols(), lastVariable + 2), std::max(grid.rows(), lastCase + 2));
    ExtendVariables(sheet, lastVariable);
    ExtendCases(sheet, lastCase);
    for (const CellEdit& edit : edits) {
        grid.setText(edit.caseNumber + 1, edit.variable + 1, edit.text);
        if (edit.caseNumber == 0 && edit.variable >= 1) NameInLabels(sheet, edit.variable, edit.text);
    }
    change.record(SetCommand(edits));
    change.done();
    return true;
}

std::vector<CellEdit> CellsOfBlock(const Sheet& sheet, int top, int left, int bottom, int right) {
    std::vector<CellEdit> edits;
    const Grid& grid = sheet.grdVo;
    bottom = std::min(bottom, sheet.lastRow());
    right = std::min(right, sheet.lastColumn());
    for (int r = std::max(top, 1); r <= bottom; ++r)
        for (int c = std::max(left, 1); c <= right; ++c) edits.push_back({r - 1, c - 1, std::string(grid.text(r, c))});
    return edits;
}

}  // namespace zoriduvo

#include "sheet/InsertDelete.h"

#include <algorithm>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/CaseRange.h"
#include "sheet/CellBlock.h"
#include "sheet/DataChange.h"
#include "sheet/EditMessages.h"
#include "sheet/GridScroll.h"
#include "sheet/Limits.h"
#include "sheet/NumberText.h"
#include "sheet/RangeSelection.h"
#include "sheet/SavedSelection.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetShape.h"

namespace zoriduvo {

namespace {

bool CountRefused(App& app, int count, EditMessage message) {
    if (count >= 1 && count <= kMaxCount) return false;
    app.ui.show(MessageOf(message));
    return true;
}

bool BeyondLimit(App& app, int countAfter) {
    if (WithinCountLimit(countAfter)) return false;
    app.ui.show(MessageOf(EditMessage::InsertBeyondLimit));
    return true;
}

// Lines moved under the blocks would stand among the data: every block goes, partial ranges too.
void RemoveEveryBlock(Sheet& sheet) {
    if (sheet.state().statisticsBlocks > 0) RemoveStatisticsBlocks(sheet);
}

// After cases came or went: the groups no longer hold together, a stored range may point past the end.
void AfterCasesMoved(Sheet& sheet) {
    if (sheet.state().caseGroups > 1) ClearCaseGroups(sheet);
    if (sheet.state().rangeSelection && CaseNumberOf(sheet.grdSInfo.text(1, 1).view()) > sheet.caseCount())
        RangeSelection::Remove(sheet);
}

}  // namespace

InsertDeleteTarget TargetOfSelection(const Sheet& sheet) {
    const Grid& grid = sheet.grdVo;
    const CellBlock block = SelectedBlock(grid);
    const bool wholeRows = block.left == 2 && block.right == grid.cols() - 1;
    const bool wholeColumns = block.top == 2 && block.bottom == grid.rows() - 1;
    if (wholeRows == wholeColumns) return {};
    if (wholeRows) return {false, LineKind::Rows, block.top, block.bottom - block.top + 1};
    return {false, LineKind::Columns, block.left, block.right - block.left + 1};
}

int CountOfText(std::string_view text) { return RoundToInt16(LeadingNumber(text)).value_or(0); }

bool InsertRows(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::InsertCountRefused)) return false;
    const bool within = first <= sheet.lastRow();
    if (within && BeyondLimit(app, sheet.caseCount() + count)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const SavedSelection cursor = SavedSelection::Of(grid);
    DataChange change(sheet, kInsertStep);
    RemoveEveryBlock(sheet);
    const int rows = grid.rows();
    if (within) InsertCases(sheet, std::max(first, 2) - 1, count);
    EnsureGridSize(sheet, 0, rows + count + 22);
    ScrollBack(grid);
    cursor.restore(grid);
    if (!within) return true;
    AfterCasesMoved(sheet);
    change.done();
    return true;
}

bool InsertColumns(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::InsertCountRefused)) return false;
    const bool within = first <= sheet.lastColumn();
    if (within && BeyondLimit(app, sheet.variableCount() + count)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const SavedSelection cursor = SavedSelection::Of(grid);
    DataChange change(sheet, kInsertStep);
    RemoveEveryBlock(sheet);
    const int cols = grid.cols();
    if (within) InsertVariables(sheet, std::max(first, 2) - 1, count);
    EnsureGridSize(sheet, cols + count + 7, 0);
    ScrollBack(grid);
    cursor.restore(grid);
    if (within) change.done();
    return true;
}

bool DeleteRows(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::DeleteCountRefused)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const int top = grid.topRow(), left = grid.leftCol(), rows = grid.rows();
    DataChange change(sheet, kDeleteStep);
    RemoveEveryBlock(sheet);
    const bool within = first <= sheet.lastRow();
    if (within) {
        RemoveCases(sheet, std::max(first, 2) - 1, count);
        EnsureGridSize(sheet, 0, rows);  // the spare rows stay as many as they were
        AfterCasesMoved(sheet);
    }
    grid.setCurrent(grid.row(), grid.col());
    grid.setTopRow(top);
    grid.setLeftCol(left);
    if (within) change.done();
    return true;
}

bool DeleteColumns(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::DeleteCountRefused)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const int top = grid.topRow(), left = grid.leftCol(), cols = grid.cols();
    DataChange change(sheet, kDeleteStep);
    RemoveEveryBlock(sheet);
    const bool within = first <= sheet.lastColumn();
    if (within) {
        RemoveVariables(sheet, std::max(first, 2) - 1, count);
        EnsureGridSize(sheet, cols, 0);
    }
    grid.setCurrent(grid.row(), grid.col());
    grid.setTopRow(top);
    grid.setLeftCol(left);
    if (within) change.done();
    return true;
}

bool InsertAtCursor(App& app, Sheet& sheet, LineKind kind, int count) {
    const Grid& grid = sheet.grdVo;
    return kind == LineKind::Rows ? InsertRows(app, sheet, grid.row(), count)
                                  : InsertColumns(app, sheet, grid.col(), count);
}

bool DeleteAtCursor(App& app, Sheet& sheet, LineKind kind, int count) {
    const Grid& grid = sheet.grdVo;
    return kind == LineKind::Rows ? DeleteRows(app, sheet, grid.row(), count)
                                  : DeleteColumns(app, sheet, grid.col(), count);
}

}  // namespace zoriduvo

#include "edit/InsertDelete.h"

#include <algorithm>

#include "edit/EditMessages.h"
#include "edit/RangeSelection.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/CaseRange.h"
#include "sheet/CellBlock.h"
#include "sheet/DataChange.h"
#include "sheet/GridScroll.h"
#include "sheet/Limits.h"
#include "sheet/SavedSelection.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetShape.h"
#include "sheet/StepCommand.h"
#include "text/NumberText.h"

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

StepCommand LinesCommand(const char* subcommand, const char* lines, int at, int count) {
    return {subcommand, {}, {lines, std::to_string(at), std::to_string(count)}, {}};
}

// Insertion grows the grid by the lines and spares of its own, but never past what the most cases
// or variables and their spares need.
constexpr int kMostRows = kMaxCases + 2 + 22;
constexpr int kMostColumns = kMaxVariables + 2 + 7;

// A stored case range keeps naming the cases the user chose: cases inserted before it move it,
// inside it widen it; deleted ones leave it, and with none of its cases left it goes.
void MoveStoredRange(Sheet& sheet, int at, int inserted, int deleted) {
    if (!sheet.state().rangeSelection) return;
    const CaseRange range = StoredCaseRange(sheet);
    const auto place = [&](int c, bool first) {
        if (c < at) return c;
        if (inserted > 0) return c + inserted;
        if (c >= at + deleted) return c - deleted;
        return first ? at : at - 1;
    };
    const int first = place(range.first, true), last = place(range.last, false);
    if (last < first) RangeSelection::Remove(sheet);
    else RangeSelection::Store(sheet, first, last);
}

// After cases came or went: the groups no longer hold together, the stored range moves with its cases.
void AfterCasesMoved(Sheet& sheet, int at, int inserted, int deleted) {
    if (sheet.state().caseGroups > 1) ClearCaseGroups(sheet);
    MoveStoredRange(sheet, at, inserted, deleted);
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
    if (BeyondLimit(app, sheet.caseCount() + count)) return false;
    const bool within = first <= sheet.lastRow();
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const SavedSelection cursor = SavedSelection::Of(grid);
    // Lines moved under the blocks would stand among the data: every block goes.
    DataChange change(sheet, kInsertStep, DataChange::Statistics::EveryBlockRemoved);
    const int rows = grid.rows(), at = std::max(first, 2) - 1;
    if (within) InsertCases(sheet, at, count);
    EnsureGridSize(sheet, 0, std::min(rows + count + 22, kMostRows));
    ScrollBack(grid);
    cursor.restore(grid);
    if (!within) return true;
    change.record(LinesCommand("insert", "--cases", at, count));
    AfterCasesMoved(sheet, at, count, 0);
    change.done();
    return true;
}

// Columns at or past the first empty one are new variables at the end.
bool InsertColumns(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::InsertCountRefused)) return false;
    if (BeyondLimit(app, sheet.variableCount() + count)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const SavedSelection cursor = SavedSelection::Of(grid);
    // Lines moved under the blocks would stand among the data: every block goes.
    DataChange change(sheet, kInsertStep, DataChange::Statistics::EveryBlockRemoved);
    const int cols = grid.cols();
    const int at = std::clamp(first - 1, 1, sheet.variableCount() + 1);
    InsertVariables(sheet, at, count);
    change.record(LinesCommand("insert", "--variables", at, count));
    EnsureGridSize(sheet, std::min(cols + count + 7, kMostColumns), 0);
    ScrollBack(grid);
    cursor.restore(grid);
    change.done();
    return true;
}

bool DeleteRows(App& app, Sheet& sheet, int first, int count) {
    if (CountRefused(app, count, EditMessage::DeleteCountRefused)) return false;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const int top = grid.topRow(), left = grid.leftCol(), rows = grid.rows();
    // Lines moved under the blocks would stand among the data: every block goes.
    DataChange change(sheet, kDeleteStep, DataChange::Statistics::EveryBlockRemoved);
    const bool within = first <= sheet.lastRow();
    if (within) {
        const int at = std::max(first, 2) - 1, cases = sheet.caseCount();
        RemoveCases(sheet, at, count);
        EnsureGridSize(sheet, 0, rows);  // the spare rows stay as many as they were
        change.record(LinesCommand("delete", "--cases", at, count));
        AfterCasesMoved(sheet, at, 0, cases - sheet.caseCount());
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
    // Lines moved under the blocks would stand among the data: every block goes.
    DataChange change(sheet, kDeleteStep, DataChange::Statistics::EveryBlockRemoved);
    const bool within = first <= sheet.lastColumn();
    if (within) {
        RemoveVariables(sheet, std::max(first, 2) - 1, count);
        change.record(LinesCommand("delete", "--variables", std::max(first, 2) - 1, count));
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

#include "sheet/CellEditing.h"

#include <algorithm>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellEdits.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/SheetMessages.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
// Clamped to the single range at entry, so the text shown is the value analyses use.
std::string Typed(const std::string& text) { return FormatNumber(ToSingle(LeadingNumber(text))); }
}  // namespace

std::string EditorTextOfCurrentCell(const Sheet& sheet) {
    const Grid& grid = sheet.grdVo;
    return GeneralText(grid.cell(grid.row(), grid.col()).leadingNumber());
}

std::optional<std::string> EditorTextForKey(const Sheet& sheet, int keyCode) {
    if (keyCode >= KeyCode::Digit0 && keyCode <= KeyCode::Digit9) return std::string(1, char('0' + keyCode - KeyCode::Digit0));
    if (keyCode >= KeyCode::Pad0 && keyCode <= KeyCode::Pad9) return std::string(1, char('0' + keyCode - KeyCode::Pad0));
    if (keyCode == KeyCode::Minus || keyCode == KeyCode::PadMinus) return "-";
    if (keyCode == KeyCode::Period || keyCode == KeyCode::PadDecimal) return ".";
    if (keyCode == KeyCode::F2) return EditorTextOfCurrentCell(sheet);
    return std::nullopt;
}

void CommitEditorWithEnter(App& app, Sheet& sheet, const std::string& text) {
    Grid& grid = sheet.grdVo;
    // The value and the growth of the used range it brings are one step.
    DataChange change(sheet, kTypingStep);
    grid.setText(grid.row(), grid.col(), Typed(text));
    app.cellCommitGuard = true;
    ExtendUsedRange(app, sheet);
    change.record(SetCommand(CellsOfBlock(sheet, grid.row(), grid.col(), grid.row(), grid.col())));
    change.done();
}

void CommitEditorOnFocusLoss(App& app, Sheet& sheet, const std::string& text) {
    if (text.empty() || app.cellCommitGuard) return;
    Grid& grid = sheet.grdVo;
    const int row = grid.row(), col = grid.col();
    DataChange change(sheet, kTypingStep);
    grid.setCurrent(sheet.editOriginRow, sheet.editOriginColumn);
    grid.setText(sheet.editOriginRow, sheet.editOriginColumn, Typed(text));
    app.cellCommitGuard = true;
    ExtendUsedRange(app, sheet);
    app.cellCommitGuard = false;
    change.record(SetCommand(CellsOfBlock(sheet, sheet.editOriginRow, sheet.editOriginColumn, sheet.editOriginRow,
                                          sheet.editOriginColumn)));
    change.done();
    grid.setCurrent(row, col);
}

void LeaveCell(App& app, Sheet&) {
    // The commit did its work; leaving the cell ends the guard against a second commit.
    app.cellCommitGuard = false;
}

void ExtendUsedRange(App& app, Sheet& sheet) {
    if (!app.cellCommitGuard) return;
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const int r = grid.row(), c = grid.col();
    if (grid.isEmpty(r, c)) return;
    if (r <= sheet.lastRow() && c <= sheet.lastColumn()) return;
    // Counts are 16-bit: a value beyond case or variable 32767 cannot be kept.
    if (!WithinCountLimit(r - 1) || !WithinCountLimit(c - 1)) {
        grid.setText(r, c, "");
        app.ui.show(MessageOf(SheetMessage::CountLimit));
        return;
    }
    // The value may stand where a statistics block stood; the growth takes the block first.
    const std::string typed(grid.text(r, c));
    ExtendVariables(sheet, c - 1);
    ExtendCases(sheet, r - 1);
    grid.setText(r, c, typed);
    grid.setCurrent(r, c);
}

void MoveAfterKey(App& app, Sheet& sheet, CursorKey key) {
    LeaveCell(app, sheet);
    Grid& grid = sheet.grdVo;
    const int last = sheet.lastColumn(), lastRow = sheet.lastRow();
    switch (key) {
    case CursorKey::Enter: SelectCell(grid, grid.col(), std::min(grid.row() + 1, grid.rows() - 1)); break;
    case CursorKey::ShiftEnter:
        if (grid.col() == last - 1) SelectCell(grid, grid.col(), 2);
        else SelectCell(grid, std::min(grid.col() + 1, grid.cols() - 1), 2);
        break;
    case CursorKey::Home:
        grid.setTopRow(2);
        grid.setLeftCol(2);
        SelectCell(grid, 2, 2);
        break;
    case CursorKey::End:
        SelectCell(grid, last, lastRow);
        grid.setTopRow(lastRow < 7 ? 2 : lastRow - 5);
        grid.setLeftCol(last < 5 ? 2 : last - 3);
        break;
    }
}

DoubleClickAction DoubleClickDispatch(const Sheet& sheet) {
    if (sheet.endCell(0) == "1" && sheet.endCell(1) == "1") return DoubleClickAction::Nothing;
    const Grid& g = sheet.grdVo;
    const int top = std::min(g.row(), g.rowSel()), bottom = std::max(g.row(), g.rowSel());
    const int left = std::min(g.col(), g.colSel()), right = std::max(g.col(), g.colSel());
    const bool allRows = top == 2 && bottom == g.rows() - 1;
    const bool allCols = left == 2 && right == g.cols() - 1;
    if (allRows && allCols) return DoubleClickAction::Nothing;
    if (allRows) return DoubleClickAction::DefineVariable;
    if (allCols) return DoubleClickAction::NameCase;
    return DoubleClickAction::Edit;
}

}  // namespace zoriduvo

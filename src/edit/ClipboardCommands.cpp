#include "edit/ClipboardCommands.h"

#include <string>

#include "edit/ClipboardText.h"
#include "edit/EditMessages.h"
#include "platform/Clipboard.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellBlock.h"
#include "sheet/CellEdits.h"
#include "sheet/DataChange.h"
#include "sheet/GridScroll.h"
#include "sheet/Limits.h"
#include "sheet/SheetMessages.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"
#include "sheet/StatisticsLayout.h"
#include "text/Utf8.h"

namespace zoriduvo {

namespace {

// Every cell of the block made empty, within the grid.
void EmptyBlock(Grid& grid, const CellBlock& block) {
    for (int r = block.top; r <= std::min(block.bottom, grid.rows() - 1); ++r)
        for (int c = block.left; c <= std::min(block.right, grid.cols() - 1); ++c) grid.setText(r, c, "");
}

void WriteLabelTable(Sheet& sheet, const LabelTable& table) {
    Grid& grid = sheet.grdVo;
    const int variables = table.lastField, cases = table.lastLine;
    for (int i = 1; i <= cases; ++i) {
        grid.setText(i + 1, 0, std::to_string(i));
        for (int j = 0; j <= variables; ++j) grid.setText(i + 1, j + 1, table.at(i, j));
    }
    for (int j = 1; j <= variables; ++j) {
        grid.setText(0, j + 1, std::to_string(j));
        grid.setText(1, j + 1, table.at(0, j));
        sheet.grdVoLabel.setText(0, j, table.at(0, j));
    }
}

// A pasted sheet's records: a new, unsaved sheet of what the text held.
void ResetPastedRecords(Sheet& sheet, int variables, int cases) {
    SheetState& state = sheet.state();
    state.free = false;
    state.statisticsBlocks = 0;
    state.rangeSelection = false;
    state.caseGroups = 1;
    SheetInformation& info = sheet.information();
    info = SheetInformation{};
    info.formatTag = kNotSaved;
    info.loadedCases = static_cast<std::int16_t>(cases);
    info.loadedVariables = static_cast<std::int16_t>(variables);
    sheet.statisticsAndFile().hasFile = false;
}

}  // namespace

void CopySelection(App& app, Sheet& sheet) {
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    grid.setSelectionEnd(std::max(2, std::min(grid.rowSel(), sheet.lastRow())),
                         std::max(2, std::min(grid.colSel(), sheet.lastColumn())));
    app.clipboard.setText(BlockText(grid, SelectedBlock(grid), kCrLf, false));
}

void CutSelection(App& app, Sheet& sheet) {
    BusyPointer busy(app.ui);
    app.clipboard.clear();
    Grid& grid = sheet.grdVo;
    const CellBlock block = ClampBlock(SelectedBlock(grid), 2, sheet.lastRow(), sheet.lastColumn());
    if (block.empty()) return;
    grid.setCurrent(block.top, block.left);
    grid.setSelectionEnd(block.bottom, block.right);
    app.clipboard.setText(BlockText(grid, block, kCrLf, true));
    DataChange change(sheet, kCutStep);
    EmptyBlock(grid, block);
    change.record(SetCommand(CellsOfBlock(sheet, block.top, block.left, block.bottom, block.right)));
    grid.setCurrent(block.top, block.left);
    change.done();
}

bool EraseSelection(App& app, Sheet& sheet) {
    if (app.ui.show(MessageOf(EditMessage::EraseQuestion), MessageButtons::OkCancel) != Answer::Ok) return false;
    BusyPointer busy(app.ui);
    DataChange change(sheet, kEraseStep);
    const CellBlock block = SelectedBlock(sheet.grdVo);
    EmptyBlock(sheet.grdVo, block);
    change.record(SetCommand(CellsOfBlock(sheet, block.top, block.left, block.bottom, block.right)));
    change.done();
    return true;
}

bool PasteAtCursor(App& app, Sheet& sheet) {
    const std::string text = app.clipboard.text();
    if (CodePointCount(text) > kMaxPasteCharacters) {
        app.ui.show(MessageOf(EditMessage::PasteTooLarge));
        return false;
    }
    Grid& grid = sheet.grdVo;
    const PasteBlock block = SplitPasteText(text);
    const int r = grid.row(), c = grid.col();
    const int lastRow = r + block.rows - 1, lastCol = c + block.columns - 1;
    if (!WithinCountLimit(lastRow - 1) || !WithinCountLimit(lastCol - 1)) {
        app.ui.show(MessageOf(SheetMessage::PasteBeyondLimit));
        return false;
    }
    BusyPointer busy(app.ui);
    DataChange change(sheet, kPasteStep);
    const GridSize size =
        PasteGridSize({grid.rows(), grid.cols()}, sheet.lastColumn(), sheet.lastRow(), r, c, block.rows, block.columns);
    EnsureGridSize(sheet, size.cols, size.rows);
    ScrollBack(grid);
    ExtendVariables(sheet, lastCol - 1);
    ExtendCases(sheet, lastRow - 1);
    for (int i = 0; i < block.rows; ++i) {
        const auto& fields = block.lines[i];
        const int count = std::min(block.columns, static_cast<int>(fields.size()));
        for (int j = 0; j < count; ++j) {
            grid.setText(r + i, c + j, fields[j]);
            // A name pasted over a defined one would otherwise be saved under the old name.
            if (r + i == 1 && c + j >= 2) NameInLabels(sheet, c + j - 1, fields[j]);
        }
    }
    grid.setCurrent(r, c);
    grid.setSelectionEnd(lastRow, lastCol);
    change.record(SetCommand(CellsOfBlock(sheet, r, c, lastRow, lastCol)));
    change.done();
    return true;
}

void CopyWithLabels(App& app, Sheet& sheet) {
    BusyPointer busy(app.ui);
    const Grid& grid = sheet.grdVo;
    const CellBlock block = ClampBlock(SelectedBlock(grid), 2, sheet.lastRow(), sheet.lastColumn());
    app.clipboard.clear();
    std::string text = "\t";
    text += BlockText(grid, {1, block.left, 1, block.right}, kCrLf, true);
    for (int r = block.top; r <= block.bottom; ++r) {
        text.append(grid.text(r, 1)) += '\t';
        text += BlockText(grid, {r, block.left, r, block.right}, kCrLf, true);
    }
    app.clipboard.setText(text);
}

void CopyWholeSheet(App& app, Sheet& sheet) {
    BusyPointer busy(app.ui);
    const Grid& grid = sheet.grdVo;
    const int lastRow =
        std::min(sheet.lastRow() + kStatisticsBlockRows * sheet.state().statisticsBlocks, grid.rows() - 1);
    app.clipboard.clear();
    app.clipboard.setText(BlockText(grid, {1, 1, lastRow, sheet.lastColumn()}, kCrLf, true));
}

int PasteWithLabels(App& app, Sheet& active) {
    const LabelTable table = SplitLabelTable(app.clipboard.text());
    const int variables = table.lastField, cases = table.lastLine;
    if (!WithinCountLimit(variables + 1) || !WithinCountLimit(cases + 1)) {
        app.ui.show(MessageOf(EditMessage::PasteLabelsBeyondLimit));
        return 0;
    }
    BusyPointer busy(app.ui);
    // A sheet that holds anything at all is never written over.
    const bool holdsData = active.lastColumn() > 1 || active.lastRow() > 1;
    const int number = holdsData ? NewSheet(app) : active.number();
    if (number == 0) return 0;
    Sheet& sheet = app.sheet(number);
    DataChange change(sheet, kPasteLabelsStep, DataChange::Notify::OneReset);
    EnsureGridSize(sheet, variables + sheet.lastColumn() + 7, cases + 22);
    WriteLabelTable(sheet, table);
    sheet.grdVo.setCurrent(2, 2);
    sheet.grdVo.setSelectionEnd(cases + 1, variables + 1);
    SetVariableCount(sheet, variables);
    SetCaseCount(sheet, cases);
    ResetPastedRecords(sheet, variables, cases);
    change.done();
    return number;
}

}  // namespace zoriduvo

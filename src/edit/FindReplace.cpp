#include "edit/FindReplace.h"

#include <algorithm>

#include "edit/EditMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellBlock.h"
#include "sheet/CellEdits.h"
#include "sheet/DataChange.h"
#include "sheet/GridScroll.h"
#include "sheet/Limits.h"
#include "sheet/SheetOperations.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

struct GridPosition {
    int row, col;
};

GridPosition CellOf(const SearchStart& start, const Search& search, int position) {
    return search.line == SearchLine::Column ? GridPosition{position, start.col} : GridPosition{start.row, position};
}

// The match becomes current and is scrolled to the top row or the left column.
void ShowMatch(Grid& grid, SearchLine line, GridPosition cell) {
    SelectCell(grid, cell.col, cell.row);
    if (line == SearchLine::Column)
        grid.setTopRow(cell.row);
    else
        grid.setLeftCol(cell.col);
}

// A typed number rounded to 16 bits, saturating, so that a huge one still means "far".
int TypedNumber(std::string_view text) {
    const double value = LeadingNumber(text);
    if (value >= kInt16Max) return kInt16Max;
    return RoundToInt16(value).value_or(0);
}

}  // namespace

SearchStart CaptureSearchStart(const Sheet& sheet) {
    const Grid& grid = sheet.grdVo;
    SearchStart start{grid.row(), grid.col(), sheet.lastColumn(), sheet.lastRow()};
    const CellBlock block = SelectedBlock(grid);
    const int bottom = std::min(block.bottom, start.lastRow), right = std::min(block.right, start.lastColumn);
    const bool wholeColumn = block.top == 2 && bottom == start.lastRow;
    const bool wholeRow = block.left == 2 && right == start.lastColumn;
    start.line = !wholeColumn && wholeRow ? SearchLine::Row : SearchLine::Column;
    return start;
}

std::vector<int> SearchVisits(const SearchStart& start, const Search& search, bool includeStart) {
    const bool column = search.line == SearchLine::Column;
    const int from = column ? start.row : start.col;
    const int last = column ? start.lastRow : start.lastColumn;
    std::vector<int> visits;
    const int step = search.forward ? 1 : -1;
    for (int k = includeStart ? from : from + step; search.forward ? k <= last : k >= 2; k += step) visits.push_back(k);
    return visits;
}

bool FindValue(App& app, Sheet& sheet, const SearchStart& start, const Search& search) {
    Grid& grid = sheet.grdVo;
    for (int position : SearchVisits(start, search, false)) {
        const GridPosition cell = CellOf(start, search, position);
        if (grid.text(cell.row, cell.col) != search.value) continue;
        ShowMatch(grid, search.line, cell);
        if (app.ui.show(MessageOf(EditMessage::FindNext), MessageButtons::OkCancel) != Answer::Ok) return false;
    }
    app.ui.show(MessageOf(EditMessage::NotFound));
    return true;
}

void ReplaceOneByOne(App& app, Sheet& sheet, const SearchStart& start, const Search& search,
                     const std::string& replacement) {
    Grid& grid = sheet.grdVo;
    std::optional<DataChange> change;
    for (int position : SearchVisits(start, search, true)) {
        const GridPosition cell = CellOf(start, search, position);
        if (grid.text(cell.row, cell.col) != search.value) continue;
        ShowMatch(grid, search.line, cell);
        if (app.ui.show(MessageOf(EditMessage::ReplaceQuestion), MessageButtons::YesNo) != Answer::Yes) continue;
        // The views follow the last match only: one reset for many cells, each cell for a few.
        if (!change) change.emplace(sheet, kReplaceStep, DataChange::Notify::OneReset);
        grid.setText(cell.row, cell.col, replacement);
        change->record(SetCommand(CellsOfBlock(sheet, cell.row, cell.col, cell.row, cell.col)));
        change->done();
    }
    app.ui.show(MessageOf(EditMessage::ReplaceFinished));
}

int ReplaceAll(App& app, Sheet& sheet, const SearchStart& start, const Search& search, const std::string& replacement) {
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    std::optional<DataChange> change;
    int replaced = 0;
    std::vector<CellEdit> edits;
    for (int position : SearchVisits(start, search, true)) {
        const GridPosition cell = CellOf(start, search, position);
        if (grid.text(cell.row, cell.col) != search.value) continue;
        // The views follow the last match only: one reset for many cells, each cell for a few.
        if (!change) change.emplace(sheet, kReplaceStep, DataChange::Notify::OneReset);
        grid.setText(cell.row, cell.col, replacement);
        for (CellEdit& edit : CellsOfBlock(sheet, cell.row, cell.col, cell.row, cell.col)) edits.push_back(std::move(edit));
        ShowMatch(grid, search.line, cell);
        ++replaced;
    }
    if (change) {
        change->record(SetCommand(edits));
        change->done();
    }
    return replaced;
}

std::optional<CellPosition> JumpTarget(const Sheet& sheet, JumpKind kind, std::string_view caseText,
                                       std::string_view variableText) {
    const Grid& grid = sheet.grdVo;
    CellPosition target;
    if (kind == JumpKind::Last) {
        target = {sheet.lastRow(), sheet.lastColumn()};
    } else if (kind == JumpKind::ToCell) {
        const int caseNumber = TypedNumber(caseText), variable = TypedNumber(variableText);
        if (caseNumber < 1 || variable < 1) return std::nullopt;
        target = {caseNumber + 1, variable + 1};
    }
    // A number past the grid goes as far as the grid does; a blank sheet's last cell is its first.
    return CellPosition{std::clamp(target.row, 2, grid.rows() - 1), std::clamp(target.col, 2, grid.cols() - 1)};
}

void JumpTo(Sheet& sheet, CellPosition target) {
    Grid& grid = sheet.grdVo;
    SelectCell(grid, target.col, target.row);
    ScrollNear(grid, target.row, target.col);
}

}  // namespace zoriduvo

#include "edit/Transpose.h"

#include <algorithm>
#include <string>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "sheet/SheetMessages.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"

namespace zoriduvo {

namespace {
// The new grid grows only when it would keep fewer than 7 spare columns or 20 spare rows.
void SizeForTransposed(Sheet& target, int variables, int cases) {
    const Grid& grid = target.grdVo;
    const int columns = grid.cols() - variables < 7 ? variables + 7 : 0;
    const int rows = cases > grid.rows() - 20 ? cases + 22 : 0;
    EnsureGridSize(target, columns, rows);
}
}  // namespace

int TransposeSheet(App& app, const Sheet& sheet) {
    const int lastColumn = sheet.lastColumn(), lastRow = sheet.lastRow();
    const int variables = lastRow - 1, cases = lastColumn - 1;
    if (cases > kMaxTransposedVariables || variables > kMaxTransposedCases) {
        app.ui.show(MessageOf(SheetMessage::TransposeTooLarge));
        return 0;
    }
    const int n = NewSheet(app);
    if (n == 0) {
        app.ui.show(MessageOf(SheetMessage::NoSheetLeft));
        return 0;
    }
    app.setActiveSheet(n);
    Sheet& target = app.sheet(n);
    {
        Grid::BulkChange bulk(target.grdVo);
        SizeForTransposed(target, variables, cases);
        const Grid& from = sheet.grdVo;
        Grid& to = target.grdVo;
        // One pass over the old rows; a row's stored cells end where its texts end.
        for (int r = 0; r <= lastRow; ++r) {
            const int stored = std::min(from.storedCols(r), lastColumn + 1);
            for (int c = 0; c < stored; ++c)
                if (!from.isEmpty(r, c)) to.setCell(c, r, from.cell(r, c));
        }
        for (int v = 1; v <= variables; ++v) {
            target.grdVoLabel.setCell(0, v, to.cell(1, v + 1));
            for (int row = 1; row <= 3; ++row) target.grdVoLabel.setText(row, v, "0");
        }
    }
    SheetInformation& info = target.information();
    info.blankCode = kDefaultBlankCode;
    info.path = info.fileLabel = kUndefined;
    info.formatTag = info.date = kNotSaved;
    info.loadedCases = static_cast<std::int16_t>(cases);
    info.loadedVariables = static_cast<std::int16_t>(variables);
    SetVariableCount(target, lastRow - 1);
    SetCaseCount(target, lastColumn - 1);
    target.setModified(true);
    target.grdVo.setCurrent(2, 2);
    return n;
}

}  // namespace zoriduvo

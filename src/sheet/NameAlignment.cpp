#include "sheet/NameAlignment.h"

#include "sheet/App.h"

namespace zoriduvo {

void AlignVariableNames(App& app, Sheet& sheet, CellAlignment alignment) {
    if (sheet.nameAlignment() == alignment) return;
    Grid& grid = sheet.grdVo;
    const int row = grid.row(), col = grid.col();
    for (int c = 2; c < grid.cols(); ++c) grid.setNameAlignment(c, alignment);
    grid.setCurrent(row, col);
    sheet.setNameAlignment(alignment);
    if (alignment == CellAlignment::RightCenter) {
        app.toolbar.setPressed("valignRight", true);
        app.tellToolbar();
    }
}

}  // namespace zoriduvo

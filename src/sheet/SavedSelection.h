#pragma once
#include "sheet/Grid.h"

namespace zoriduvo {

// The current cell and selection of a grid, remembered by a command or dialog to put back later.
struct SavedSelection {
    int row = 0, col = 0, rowSel = 0, colSel = 0;

    static SavedSelection Of(const Grid& grid) { return {grid.row(), grid.col(), grid.rowSel(), grid.colSel()}; }
    void restore(Grid& grid) const {
        grid.setCurrent(row, col);
        grid.setSelectionEnd(rowSel, colSel);
    }
};

}  // namespace zoriduvo

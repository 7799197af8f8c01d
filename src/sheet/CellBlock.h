// A rectangle of grid cells and the one reading of a grid's selection as such a rectangle.
#pragma once
#include <algorithm>

#include "sheet/Grid.h"

namespace zoriduvo {

// Corners included; empty when it holds no cell.
struct CellBlock {
    int top = 0, left = 0, bottom = -1, right = -1;
    bool empty() const { return bottom < top || right < left; }
};

// The cells between the current cell and the selection end, in whichever direction it was made.
inline CellBlock SelectedBlock(const Grid& grid) {
    return {std::min(grid.row(), grid.rowSel()), std::min(grid.col(), grid.colSel()),
            std::max(grid.row(), grid.rowSel()), std::max(grid.col(), grid.colSel())};
}

// The block cut to rows first .. lastRow and columns first .. lastColumn.
inline CellBlock ClampBlock(CellBlock block, int first, int lastRow, int lastColumn) {
    return {std::max(block.top, first), std::max(block.left, first), std::min(block.bottom, lastRow),
            std::min(block.right, lastColumn)};
}

}  // namespace zoriduvo

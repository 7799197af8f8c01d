// The scroll positions commands leave behind, so that the cell they worked on is in view.
#pragma once
#include "sheet/Grid.h"

namespace zoriduvo {

// After a change of shape: a little of what lay above and before the view comes into it.
inline void ScrollBack(Grid& grid) {
    grid.setTopRow(grid.topRow() > 6 ? grid.topRow() - 5 : 2);
    grid.setLeftCol(grid.leftCol() > 4 ? grid.leftCol() - 3 : 2);
}

// A cell jumped to stands five rows below the top and three columns after the left edge.
inline void ScrollNear(Grid& grid, int row, int col) {
    grid.setTopRow(row < 7 ? 2 : row - 5);
    grid.setLeftCol(col < 5 ? 2 : col - 3);
}

}  // namespace zoriduvo

#pragma once

namespace zoriduvo {

// The grid's current cell and selection end, in the view's coordinates (without the fixed lines).
struct SelectionCorners {
    int row, col, rowSel, colSel;
    bool operator==(const SelectionCorners&) const = default;
};

// The selection block the view shows and the view's current index.
struct ViewSelection {
    int top, bottom, left, right;
    int currentRow, currentCol;
};

// The grid's selection for what the view shows. The grid's current cell is where a selection began
// and stays put while its end moves; the view's current index is at either end (the moving one
// during a drag, the grid's current cell once shown back), so the corner opposite the view's index
// is the other end. A selection of whole columns runs from the first row to the last, whatever row
// the view's index is on (after a header click, the top visible one); whole rows likewise.
SelectionCorners GridSelectionOf(const ViewSelection& view, SelectionCorners before, int rows, int cols);

}  // namespace zoriduvo

#include "sheet/ui/ViewSelection.h"

namespace zoriduvo {

namespace {
// The two ends of one side of the block: the anchor where the selection began, then the moving end.
struct Ends {
    int anchor, end;
};

Ends EndsOf(int low, int high, int current, int anchorBefore) {
    const int opposite = current == low ? high : low;
    if (current != low && current != high) return {low, high};
    // The view's index on the grid's own anchor: the view shows the grid's selection back.
    if (current == anchorBefore) return {current, opposite};
    return {opposite, current};
}
}  // namespace

SelectionCorners GridSelectionOf(const ViewSelection& view, SelectionCorners before, int rows, int cols) {
    const bool wholeColumns = view.top == 0 && view.bottom == rows - 1;
    const bool wholeRows = view.left == 0 && view.right == cols - 1;
    Ends across = EndsOf(view.left, view.right, view.currentCol, before.col);
    Ends down = EndsOf(view.top, view.bottom, view.currentRow, before.row);
    if (wholeColumns) down = {0, rows - 1};
    if (wholeRows) across = {0, cols - 1};
    return {down.anchor, across.anchor, down.end, across.end};
}

}  // namespace zoriduvo

#pragma once
#include <string>
#include <vector>

#include "platform/DisplayList.h"
#include "platform/TextMetrics.h"

namespace zoriduvo {

class Sheet;

// The font size the sheet is printed in.
inline constexpr double kPrintPoints = 10;

// The sheet as a ruled table in pages: every cell of grdVo's used area (statistics blocks included)
// boxed, in column blocks that each start with the case numbers and names, under a three-line header
// on every page. Pages are made one at a time, so a preview shows the first without waiting for all.
// The sheet must outlive the layout and stay unchanged while pages are taken.
class PrintLayout {
public:
    // printable: the size of the area a page is drawn in, its origin at the area's top-left corner.
    PrintLayout(const Sheet& sheet, const TextMetrics& metrics, TwipSize printable, double points = kPrintPoints);

    const std::vector<int>& columnWidths() const { return widths_; }
    int lineHeight() const { return lineHeight_; }
    bool done() const { return finished_; }
    // The next page; call only while !done().
    DisplayList nextPage();
    // Every page left, in order.
    std::vector<DisplayList> remainingPages();

private:
    // A printed column and where its left edge stands.
    struct Cell {
        int column = 0;
        int left = 0;
    };
    // Rows first .. first + rows - 1 of a block, the first at top.
    struct Run {
        std::size_t block = 0;
        int first = 0;
        int rows = 0;
        int top = 0;
    };
    void startPage(DisplayList& page);
    // The rows the page prints; moves past them.
    std::vector<Run> takeRuns();
    void printCell(DisplayList& page, int row, int top, const Cell& cell);
    bool rowFits() const;

    const Sheet& sheet_;
    const TextMetrics& metrics_;
    TwipSize printable_;
    double points_;
    int lastRow_ = 0;
    std::vector<int> widths_;
    std::vector<std::vector<Cell>> blocks_;  // the columns printed side by side, fixed columns first
    int lineHeight_ = 0;
    int textHeight_ = 0;
    // Where the layout stands: the block and row printed next, the top of that row, the page number.
    std::size_t block_ = 0;
    int row_ = 0;
    int y_ = 0;
    int pageNumber_ = 0;
    bool finished_ = false;
};

}  // namespace zoriduvo

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
// on every page. The layout fixes the column widths, the blocks and where every page breaks; a
// page's boxes and texts are drawn when the page is asked for, so a printer or preview that takes
// pages one at a time holds one page's items at a time.
// The sheet must outlive the layout and stay unchanged while pages are taken.
class PrintLayout {
public:
    // printable: the size of the area a page is drawn in, its origin at the area's top-left corner.
    PrintLayout(const Sheet& sheet, const TextMetrics& metrics, TwipSize printable, double points = kPrintPoints);

    const std::vector<int>& columnWidths() const { return widths_; }
    int lineHeight() const { return lineHeight_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Page index (0 for the first) drawn.
    DisplayList page(int index) const;
    bool done() const { return next_ == pageCount(); }
    // The next page; call only while !done().
    DisplayList nextPage() { return page(next_++); }
    // Every page left, in order.
    std::vector<DisplayList> remainingPages();

private:
    // A printed column and where its left edge stands.
    struct PlacedColumn {
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
    void breakPages();
    void drawHeader(DisplayList& page, int number) const;
    void printCell(DisplayList& page, int row, int top, const PlacedColumn& placed) const;

    const Sheet& sheet_;
    TwipSize printable_;
    double points_;
    int lastRow_ = 0;
    std::vector<int> widths_;
    std::vector<std::vector<PlacedColumn>> blocks_;  // the columns printed side by side, fixed columns first
    int lineHeight_ = 0;
    int textHeight_ = 0;
    std::vector<std::vector<Run>> pages_;  // the rows each page prints; none on a page the final move began
    int next_ = 0;
};

}  // namespace zoriduvo

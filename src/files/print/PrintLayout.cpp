#include "files/print/PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "sheet/Sheet.h"
#include "sheet/StatisticsLayout.h"
#include "text/Utf8.h"

namespace zoriduvo {

namespace {
constexpr int kHeaderTop = 500;
constexpr int kHeaderGap = 300;
constexpr int kFinalMove = 300;
constexpr int kFixedColumns = 2;  // case numbers and case names

// Column j is as wide as 2 units per character of its longest text, plus 2, in "M"s.
std::vector<int> ColumnWidths(const Grid& grid, int lastRow, int lastColumn, const TextMetrics& metrics,
                              double points) {
    std::map<std::size_t, int> measured;
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(lastColumn) + 1);
    for (int column = 0; column <= lastColumn; ++column) {
        std::size_t longest = 0;
        for (int row = 0; row <= lastRow; ++row) longest = std::max(longest, CodePointCount(grid.text(row, column).view()));
        const std::size_t letters = 2 * longest + 2;
        auto it = measured.find(letters);
        if (it == measured.end())
            it = measured.emplace(letters, metrics.measure(std::string(letters, 'M'), points, false).width).first;
        widths.push_back(it->second);
    }
    return widths;
}
}  // namespace

PrintLayout::PrintLayout(const Sheet& sheet, const TextMetrics& metrics, TwipSize printable, double points)
    : sheet_(sheet), metrics_(metrics), printable_(printable), points_(points) {
    const Grid& grid = sheet.grdVo;
    const int lastColumn = std::max(0, std::min(sheet.lastColumn(), grid.cols() - 1));
    const int lastPrinted = LastStatisticsRow(sheet.caseCount(), sheet.state().statisticsBlocks);
    lastRow_ = std::max(0, std::min(lastPrinted, grid.rows() - 1));
    widths_ = ColumnWidths(grid, lastRow_, lastColumn, metrics, points);
    textHeight_ = metrics.measure("M", points, false).height();
    lineHeight_ = static_cast<int>(std::lround(1.4 * textHeight_));
    // A block takes data columns while their right edge stays within the page; always at least one,
    // so that a column wider than the page still prints.
    const int fixedWidth = widths_[0] + (lastColumn >= 1 ? widths_[1] : 0);
    for (int first = kFixedColumns; first <= lastColumn;) {
        int right = fixedWidth + widths_[first];
        int last = first;
        while (last < lastColumn && right + widths_[last + 1] <= printable.width) right += widths_[++last];
        blocks_.push_back({first, last});
        first = last + 1;
    }
    if (blocks_.empty()) blocks_.push_back({kFixedColumns, kFixedColumns - 1});
}

DisplayList PrintLayout::nextPage() {
    DisplayList page;
    page.size = printable_;
    startPage(page);
    if (block_ == blocks_.size()) {  // the final move passed the page: this page ends the document
        finished_ = true;
        return page;
    }
    // The first row of a page is printed even when it does not fit, so that every page moves on.
    for (bool first = true; block_ < blocks_.size(); first = false) {
        if (!first && !rowFits()) return page;
        printRow(page, row_);
        y_ += lineHeight_;
        if (++row_ <= lastRow_) continue;
        row_ = 0;
        // The next block's first row stands two line heights below the last row of this one.
        if (++block_ < blocks_.size()) y_ += lineHeight_;
    }
    y_ += kFinalMove;
    finished_ = y_ <= printable_.height;
    return page;
}

std::vector<DisplayList> PrintLayout::remainingPages() {
    std::vector<DisplayList> pages;
    while (!done()) pages.push_back(nextPage());
    return pages;
}

void PrintLayout::startPage(DisplayList& page) {
    ++pageNumber_;
    y_ = kHeaderTop;
    const TextStyle style{points_, false, HAlign::Left, VAlign::Top, {}};
    for (std::string line : {std::string("--- Zo rid Uvo ------"), "File = " + sheet_.caption(),
                             "Page. " + std::to_string(pageNumber_)}) {
        page.addText({0, y_}, std::move(line), style);
        y_ += textHeight_;
    }
    y_ += kHeaderGap;
}

bool PrintLayout::rowFits() const { return y_ + lineHeight_ <= printable_.height; }

void PrintLayout::printRow(DisplayList& page, int row) {
    int left = 0;
    for (int column = 0; column < kFixedColumns && column < static_cast<int>(widths_.size()); ++column) {
        printCell(page, row, column, left);
        left += widths_[column];
    }
    const Block& block = blocks_[block_];
    for (int column = block.first; column <= block.last; ++column) {
        printCell(page, row, column, left);
        left += widths_[column];
    }
}

void PrintLayout::printCell(DisplayList& page, int row, int column, int left) {
    const int width = widths_[column];
    page.addBox({left, y_, width, lineHeight_}, Fill::Outline);
    const CellString text = sheet_.grdVo.text(row, column);
    if (text.empty()) return;
    // Case numbers and names start at the left edge, variable numbers and names are centred, values end at the right.
    const HAlign across = column < kFixedColumns ? HAlign::Left : row < 2 ? HAlign::Centre : HAlign::Right;
    const int x = across == HAlign::Left ? left : across == HAlign::Centre ? left + width / 2 : left + width;
    page.addText({x, y_ + (lineHeight_ - textHeight_) / 2}, std::string(text),
                 {points_, false, across, VAlign::Top, {}});
}

}  // namespace zoriduvo

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

// Column j is as wide as 2 units per character of its longest text, plus 2, in "M"s. Read row by row,
// as the grid stores its cells, and only as far as each row holds cells.
std::vector<int> ColumnWidths(const Grid& grid, int lastRow, int lastColumn, const TextMetrics& metrics,
                              double points) {
    std::vector<std::size_t> longest(static_cast<std::size_t>(lastColumn) + 1, 0);
    for (int row = 0; row <= lastRow; ++row) {
        const int stored = std::min(grid.storedCols(row), lastColumn + 1);
        // A text has no more characters than bytes, so only one longer in bytes can be longer.
        const std::span<const Cell> cells = grid.storedRow(row).first(stored);
        for (int column = 0; column < stored; ++column)
            if (const Cell& cell = cells[column]; !cell.textFits(longest[column]))
                longest[column] = std::max(longest[column], cell.characterCount());
    }
    std::map<std::size_t, int> measured;
    std::vector<int> widths;
    widths.reserve(longest.size());
    for (const std::size_t characters : longest) {
        const std::size_t letters = 2 * characters + 2;
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
    // so that a column wider than the page still prints. Every block starts with the fixed columns.
    std::vector<Cell> fixed;
    for (int column = 0, left = 0; column < kFixedColumns && column <= lastColumn; left += widths_[column++])
        fixed.push_back({column, left});
    const int fixedWidth = fixed.empty() ? 0 : fixed.back().left + widths_[fixed.back().column];
    for (int first = kFixedColumns; first <= lastColumn;) {
        int right = fixedWidth + widths_[first];
        int last = first;
        while (last < lastColumn && right + widths_[last + 1] <= printable.width) right += widths_[++last];
        std::vector<Cell> cells = fixed;
        for (int column = first, left = fixedWidth; column <= last; left += widths_[column++])
            cells.push_back({column, left});
        blocks_.push_back(std::move(cells));
        first = last + 1;
    }
    if (blocks_.empty()) blocks_.push_back(fixed);
}

DisplayList PrintLayout::nextPage() {
    DisplayList page;
    page.size = printable_;
    startPage(page);
    if (block_ == blocks_.size()) {  // the final move passed the page: this page ends the document
        finished_ = true;
        return page;
    }
    const std::vector<Run> runs = takeRuns();
    // Counting the items first reads the page's cells column by column, in a tight loop whose reads the
    // processor foresees, before the items are made from them.
    const Grid& grid = sheet_.grdVo;
    std::size_t items = page.items.size();
    for (const Run& run : runs)
        for (const Cell& cell : blocks_[run.block])
            for (int row = run.first; row < run.first + run.rows; ++row)
                items += grid.isEmpty(row, cell.column) ? 1 : 2;
    page.items.reserve(items);
    for (const Run& run : runs)
        for (int row = run.first, top = run.top; row < run.first + run.rows; ++row, top += lineHeight_)
            for (const Cell& cell : blocks_[run.block]) printCell(page, row, top, cell);
    return page;
}

std::vector<PrintLayout::Run> PrintLayout::takeRuns() {
    std::vector<Run> runs;
    // The first row of a page is printed even when it does not fit, so that every page moves on.
    for (bool first = true; block_ < blocks_.size(); first = false) {
        if (!first && !rowFits()) return runs;
        if (runs.empty() || runs.back().block != block_) runs.push_back({block_, row_, 0, y_});
        ++runs.back().rows;
        y_ += lineHeight_;
        if (++row_ <= lastRow_) continue;
        row_ = 0;
        // The next block's first row stands two line heights below the last row of this one.
        if (++block_ < blocks_.size()) y_ += lineHeight_;
    }
    y_ += kFinalMove;
    finished_ = y_ <= printable_.height;
    return runs;
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

void PrintLayout::printCell(DisplayList& page, int row, int top, const Cell& cell) {
    const int width = widths_[cell.column];
    page.addBox({cell.left, top, width, lineHeight_}, Fill::Outline);
    const CellString text = sheet_.grdVo.text(row, cell.column);
    if (text.empty()) return;
    // Case numbers and names start at the left edge, variable numbers and names are centred, values end at the right.
    const HAlign across = cell.column < kFixedColumns ? HAlign::Left : row < 2 ? HAlign::Centre : HAlign::Right;
    const int x = across == HAlign::Left     ? cell.left
                  : across == HAlign::Centre ? cell.left + width / 2
                                             : cell.left + width;
    // Made in place, so that the text is copied once.
    auto& item = std::get<DrawText>(page.items.emplace_back(std::in_place_type<DrawText>));
    item.at = {x, top + (lineHeight_ - textHeight_) / 2};
    item.text.assign(text);
    item.style = {points_, false, across, VAlign::Top, {}};
}

}  // namespace zoriduvo

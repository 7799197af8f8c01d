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
    : sheet_(sheet), printable_(printable), points_(points) {
    const Grid& grid = sheet.grdVo;
    const int lastColumn = std::max(0, std::min(sheet.lastColumn(), grid.cols() - 1));
    const int lastPrinted = LastStatisticsRow(sheet.caseCount(), sheet.state().statisticsBlocks);
    lastRow_ = std::max(0, std::min(lastPrinted, grid.rows() - 1));
    widths_ = ColumnWidths(grid, lastRow_, lastColumn, metrics, points);
    textHeight_ = metrics.measure("M", points, false).height();
    lineHeight_ = static_cast<int>(std::lround(1.4 * textHeight_));
    // A block takes data columns while their right edge stays within the page; always at least one,
    // so that a column wider than the page still prints. Every block starts with the fixed columns.
    std::vector<PlacedColumn> fixed;
    for (int column = 0, left = 0; column < kFixedColumns && column <= lastColumn; left += widths_[column++])
        fixed.push_back({column, left});
    const int fixedWidth = fixed.empty() ? 0 : fixed.back().left + widths_[fixed.back().column];
    for (int first = kFixedColumns; first <= lastColumn;) {
        int right = fixedWidth + widths_[first];
        int last = first;
        while (last < lastColumn && right + widths_[last + 1] <= printable.width) right += widths_[++last];
        std::vector<PlacedColumn> block = fixed;
        for (int column = first, left = fixedWidth; column <= last; left += widths_[column++])
            block.push_back({column, left});
        blocks_.push_back(std::move(block));
        first = last + 1;
    }
    if (blocks_.empty()) blocks_.push_back(fixed);
    breakPages();
}

// Row by row as printing goes: a row that would pass the page's foot begins a new page
// (the first row of a page always prints, so every page moves on); a block follows the one before it
// two line heights below its last row; after the last block the final move, which begins one more
// page when it passes the foot.
void PrintLayout::breakPages() {
    const int top = kHeaderTop + 3 * textHeight_ + kHeaderGap;
    std::size_t block = 0;
    int row = 0;
    int y = top;
    pages_.emplace_back();
    for (bool first = true; block < blocks_.size(); first = false) {
        if (!first && y + lineHeight_ > printable_.height) {
            pages_.emplace_back();
            y = top;
        }
        std::vector<Run>& runs = pages_.back();
        if (runs.empty() || runs.back().block != block) runs.push_back({block, row, 0, y});
        ++runs.back().rows;
        y += lineHeight_;
        if (++row <= lastRow_) continue;
        row = 0;
        if (++block < blocks_.size()) y += lineHeight_;
    }
    if (y + kFinalMove > printable_.height) pages_.emplace_back();
}

DisplayList PrintLayout::page(int index) const {
    DisplayList page;
    page.size = printable_;
    drawHeader(page, index + 1);
    const std::vector<Run>& runs = pages_.at(static_cast<std::size_t>(index));
    // The page's cells are asked for in one quick pass before its items are made: the rows lie
    // apart in memory, and reads between the making of items each waited on their own.
    const Grid& grid = sheet_.grdVo;
    std::size_t cells = 0;
    for (const Run& run : runs) {
        const std::vector<PlacedColumn>& block = blocks_[run.block];
        cells += block.size() * static_cast<std::size_t>(run.rows);
        for (int row = run.first; row < run.first + run.rows; ++row) {
            // A block's columns are two runs in the row: the fixed ones and its own.
            const std::span<const Cell> stored = grid.storedRow(row);
            const auto columns = [&stored](int first, int last) {
                const std::size_t from = std::min<std::size_t>(first, stored.size());
                const std::size_t to = std::min<std::size_t>(last + 1, stored.size());
                return stored.subspan(from, to > from ? to - from : 0);
            };
            Prefetch(columns(0, kFixedColumns - 1));
            const int own = block[std::min<std::size_t>(kFixedColumns, block.size() - 1)].column;
            Prefetch(columns(own, block.back().column));
        }
    }
    page.items.reserve(page.items.size() + 2 * cells);
    for (const Run& run : runs)
        for (int row = run.first, top = run.top; row < run.first + run.rows; ++row, top += lineHeight_)
            for (const PlacedColumn& placed : blocks_[run.block]) printCell(page, row, top, placed);
    return page;
}

std::vector<DisplayList> PrintLayout::remainingPages() {
    std::vector<DisplayList> pages;
    while (!done()) pages.push_back(nextPage());
    return pages;
}

void PrintLayout::drawHeader(DisplayList& page, int number) const {
    int y = kHeaderTop;
    const TextStyle style{points_, false, HAlign::Left, VAlign::Top, {}};
    for (std::string line : {std::string("--- Zo rid Uvo ------"), "File = " + sheet_.caption(),
                             "Page. " + std::to_string(number)}) {
        page.addText({0, y}, std::move(line), style);
        y += textHeight_;
    }
}

void PrintLayout::printCell(DisplayList& page, int row, int top, const PlacedColumn& placed) const {
    const int width = widths_[placed.column];
    page.addBox({placed.left, top, width, lineHeight_}, Fill::Outline);
    const CellString text = sheet_.grdVo.text(row, placed.column);
    if (text.empty()) return;
    // Case numbers and names start at the left edge, variable numbers and names are centred, values end at the right.
    const HAlign across = placed.column < kFixedColumns ? HAlign::Left : row < 2 ? HAlign::Centre : HAlign::Right;
    const int x = across == HAlign::Left     ? placed.left
                  : across == HAlign::Centre ? placed.left + width / 2
                                             : placed.left + width;
    // Made in place, so that the text is copied once.
    auto& item = std::get<DrawText>(page.items.emplace_back(std::in_place_type<DrawText>));
    item.at = {x, top + (lineHeight_ - textHeight_) / 2};
    item.text.assign(text);
    item.style = {points_, false, across, VAlign::Top, {}};
}

}  // namespace zoriduvo

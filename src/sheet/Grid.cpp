#include "sheet/Grid.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace zoriduvo {

Grid::Grid(int rows, int cols, int fixedRows, int fixedCols)
    : rowCount_(0), colCount_(0), fixedRows_(fixedRows), fixedCols_(fixedCols) {
    muted_ = 1;
    setRows(rows);
    setCols(cols);
    muted_ = 0;
    row_ = rowSel_ = topRow_ = std::min(fixedRows, std::max(rows - 1, 0));
    col_ = colSel_ = leftCol_ = std::min(fixedCols, std::max(cols - 1, 0));
}

Grid::BulkChange::~BulkChange() {
    if (--grid_.muted_ == 0) grid_.tellHeldBack();
}

void Grid::tell(ChangeKind kind, int row, int col, int count) const {
    if (!bus_) return;
    if (muted_ == 0) bus_->publish({kind, sheet_, row, col, count});
    else hold(kind, row, col);
}

void Grid::hold(ChangeKind kind, int row, int col) const {
    if (kind == ChangeKind::Cursor) held_.cursor = true;
    else if (kind == ChangeKind::Cell && held_.cells.size() < kFewCells) held_.cells.emplace_back(row, col);
    else held_.reset = true;
}

void Grid::tellHeldBack() {
    const HeldBack held = std::exchange(held_, {});
    // A bulk change that told nothing still ends in a reset, as the views have always been told.
    if (held.reset || held.cells.empty()) return tell(ChangeKind::Reset);
    for (const auto& [row, col] : held.cells) tell(ChangeKind::Cell, row, col);
    if (held.cursor) tell(ChangeKind::Cursor);
}

void Grid::Rows::release() noexcept {
    const auto inMemoryOrder = [](const auto& a, const auto& b) { return std::less<>{}(a.data(), b.data()); };
    std::sort(begin(), end(), inMemoryOrder);
    clear();
}

void Grid::setRows(int rows) {
    if (rows < 0) throw std::out_of_range("negative row count");
    const int old = rowCount_;
    if (rows == old) return;
    if (recording()) {
        if (rows > old) {
            record([this, old] { setRows(old); });
        } else {
            StoredRows cut = storedRows(rows, old - rows);
            const std::size_t bytes = cut.bytes();
            record([this, rows, old, cut = std::move(cut)]() mutable {
                setRows(old);
                putBackRows(rows, std::move(cut));
            }, bytes);
        }
    }
    rowCount_ = rows;
    if (static_cast<int>(cells_.size()) > rows) cells_.resize(rows);
    if (static_cast<int>(colours_.size()) > rows) colours_.resize(rows);
    rowHeights_.resize(rows, kDefaultRowHeight);
    clampCursor();
    if (rows > old) tell(ChangeKind::RowsInserted, old, 0, rows - old);
    else tell(ChangeKind::RowsRemoved, rows, 0, old - rows);
}

void Grid::setCols(int cols) {
    if (cols < 0) throw std::out_of_range("negative column count");
    const int old = colCount_;
    if (cols == old) return;
    if (recording()) {
        if (cols > old) {
            record([this, old] { setCols(old); });
        } else {
            StoredColumns cut = storedColumns(cols, old - cols);
            const std::size_t bytes = cut.bytes();
            record([this, cols, old, cut = std::move(cut)]() mutable {
                setCols(old);
                putBackColumns(cols, std::move(cut));
            }, bytes);
        }
    }
    colCount_ = cols;
    if (cols < old) {
        for (auto& cells : cells_)
            if (static_cast<int>(cells.size()) > cols) cells.resize(cols);
    }
    colWidths_.resize(cols, kDefaultColumnWidth);
    nameAlignments_.resize(cols, CellAlignment::LeftCenter);
    clampCursor();
    if (cols > old) tell(ChangeKind::ColumnsInserted, 0, old, cols - old);
    else tell(ChangeKind::ColumnsRemoved, 0, cols, old - cols);
}

void Grid::clampCursor() {
    auto clamp = [](int v, int count) { return std::clamp(v, 0, std::max(count - 1, 0)); };
    row_ = clamp(row_, rowCount_), rowSel_ = clamp(rowSel_, rowCount_), topRow_ = clamp(topRow_, rowCount_);
    col_ = clamp(col_, colCount_), colSel_ = clamp(colSel_, colCount_), leftCol_ = clamp(leftCol_, colCount_);
}

void Grid::insertRows(int at, int count) {
    if (at < 0 || at > rowCount_ || count < 0) throw std::out_of_range("rows outside the grid");
    if (count == 0) return;
    if (recording()) record([this, at, count] { removeRows(at, count); });
    if (at < static_cast<int>(cells_.size())) cells_.insert(cells_.begin() + at, count, {});
    if (at < static_cast<int>(colours_.size())) colours_.insert(colours_.begin() + at, count, {});
    rowHeights_.insert(rowHeights_.begin() + at, count, kDefaultRowHeight);
    rowCount_ += count;
    tell(ChangeKind::RowsInserted, at, 0, count);
}

void Grid::removeRows(int at, int count) {
    if (at < 0 || count < 0 || at + count > rowCount_) throw std::out_of_range("rows outside the grid");
    if (count == 0) return;
    if (recording()) {
        StoredRows cut = storedRows(at, count);
        const std::size_t bytes = cut.bytes();
        record([this, at, count, cut = std::move(cut)]() mutable {
            insertRows(at, count);
            putBackRows(at, std::move(cut));
        }, bytes);
    }
    auto cut = [&](auto& rows) {
        const int end = std::min(at + count, static_cast<int>(rows.size()));
        if (at < end) rows.erase(rows.begin() + at, rows.begin() + end);
    };
    cut(cells_);
    cut(colours_);
    rowHeights_.erase(rowHeights_.begin() + at, rowHeights_.begin() + at + count);
    rowCount_ -= count;
    clampCursor();
    tell(ChangeKind::RowsRemoved, at, 0, count);
}

void Grid::insertCols(int at, int count) {
    if (at < 0 || at > colCount_ || count < 0) throw std::out_of_range("columns outside the grid");
    if (count == 0) return;
    if (recording()) record([this, at, count] { removeCols(at, count); });
    for (auto& cells : cells_)
        if (at < static_cast<int>(cells.size())) cells.insert(cells.begin() + at, count, Cell());
    for (auto& spans : colours_)
        for (auto& span : spans) {
            if (span.first >= at) span.first += count;
            if (span.last >= at) span.last += count;
        }
    colWidths_.insert(colWidths_.begin() + at, count, kDefaultColumnWidth);
    nameAlignments_.insert(nameAlignments_.begin() + at, count, CellAlignment::LeftCenter);
    colCount_ += count;
    tell(ChangeKind::ColumnsInserted, 0, at, count);
}

void Grid::removeCols(int at, int count) {
    if (at < 0 || count < 0 || at + count > colCount_) throw std::out_of_range("columns outside the grid");
    if (count == 0) return;
    if (recording()) {
        StoredColumns cut = storedColumns(at, count);
        const std::size_t bytes = cut.bytes();
        record([this, at, count, cut = std::move(cut)]() mutable {
            insertCols(at, count);
            putBackColumns(at, std::move(cut));
        }, bytes);
    }
    for (auto& cells : cells_) {
        const int end = std::min(at + count, static_cast<int>(cells.size()));
        if (at < end) cells.erase(cells.begin() + at, cells.begin() + end);
    }
    for (auto& spans : colours_) {
        std::erase_if(spans, [&](const ColourSpan& s) { return s.first >= at && s.last < at + count; });
        for (auto& span : spans) {
            if (span.first >= at + count) span.first -= count;
            else if (span.first > at) span.first = at;
            if (span.last >= at + count) span.last -= count;
            else if (span.last >= at) span.last = at - 1;
        }
    }
    colWidths_.erase(colWidths_.begin() + at, colWidths_.begin() + at + count);
    nameAlignments_.erase(nameAlignments_.begin() + at, nameAlignments_.begin() + at + count);
    colCount_ -= count;
    clampCursor();
    tell(ChangeKind::ColumnsRemoved, 0, at, count);
}

void Grid::permuteRows(int first, const std::vector<int>& order) {
    const int n = static_cast<int>(order.size());
    if (first < 0 || first + n > rowCount_) throw std::out_of_range("rows outside the grid");
    // Rows already in order: nothing moves, nothing to take back.
    bool moves = false;
    for (int i = 0; i < n && !moves; ++i) moves = order[i] != i;
    if (!moves) return;
    if (static_cast<int>(cells_.size()) < first + n) cells_.resize(first + n);
    std::vector<std::vector<Cell>> moved(n);
    for (int i = 0; i < n; ++i) {
        if (order[i] < 0 || order[i] >= n) throw std::out_of_range("bad row order");
        moved[i] = std::move(cells_[first + order[i]]);
    }
    for (int i = 0; i < n; ++i) cells_[first + i] = std::move(moved[i]);
    if (recording()) {
        std::vector<int> back(n);
        for (int i = 0; i < n; ++i) back[order[i]] = i;
        record([this, first, back = std::move(back)] { permuteRows(first, back); }, sizeof(int) * n);
    }
    tell(ChangeKind::Reset);
}

const Cell& Grid::cell(int row, int col) const {
    static const Cell blank;
    if (row < 0 || col < 0 || row >= rowCount_ || col >= colCount_) throw std::out_of_range("cell outside the grid");
    if (row >= static_cast<int>(cells_.size())) return blank;
    const auto& cells = cells_[row];
    if (col >= static_cast<int>(cells.size())) return blank;
    return cells[col];
}

void Grid::setText(int row, int col, std::string_view text) { setCell(row, col, Cell::FromText(text)); }

void Grid::setCell(int row, int col, Cell value) {
    if (row < 0 || col < 0 || row >= rowCount_ || col >= colCount_) throw std::out_of_range("cell outside the grid");
    if (row >= static_cast<int>(cells_.size())) {
        if (value.empty()) return;
        cells_.resize(row + 1);
    }
    auto& cells = cells_[row];
    if (col >= static_cast<int>(cells.size())) {
        if (value.empty()) return;
        // A row never outgrows the grid's width: doubling past it left a full row a quarter empty.
        if (col >= static_cast<int>(cells.capacity()))
            cells.reserve(std::min(std::max(cells.capacity() * 2, static_cast<std::size_t>(col) + 1),
                                   static_cast<std::size_t>(colCount_)));
        cells.resize(col + 1);
    }
    if (cells[col] == value) return;
    if (recording()) {
        // A copy, so that a failure to record leaves the cell as it was.
        Cell old = cells[col];
        const std::size_t bytes = old.heapBytes();
        record([this, row, col, old = std::move(old)] { setCell(row, col, old); }, bytes);
    }
    cells[col] = std::move(value);
    const bool fixed = row < fixedRows_ || col < fixedCols_;
    tell(fixed ? ChangeKind::Names : ChangeKind::Cell, row, col);
}

void Grid::setCells(int row, int firstCol, std::span<const Cell> values) {
    const auto count = static_cast<int>(values.size());
    if (recording() || storedCols(row) > firstCol || row < 0 || row >= rowCount_ || firstCol < 0 ||
        firstCol + count > colCount_) {
        for (int i = 0; i < count; ++i) setCell(row, firstCol + i, values[i]);
        return;
    }
    if (count == 0) return;
    if (row >= static_cast<int>(cells_.size())) cells_.resize(row + 1);
    auto& cells = cells_[row];
    // Room for a few more: the spare columns a loaded sheet has take a new variable (a
    // transformation's result) without moving every row. Never the grid's whole width, which a
    // sparse row of a wide sheet would reserve for nothing, row after row.
    constexpr int kSpareRoom = 8;
    cells.reserve(static_cast<std::size_t>(std::min(colCount_, firstCol + count + kSpareRoom)));
    cells.resize(firstCol);
    cells.insert(cells.end(), values.begin(), values.end());
    tell(ChangeKind::Reset);
}

void Grid::setCurrent(int row, int col) {
    row_ = rowSel_ = std::clamp(row, 0, std::max(rowCount_ - 1, 0));
    col_ = colSel_ = std::clamp(col, 0, std::max(colCount_ - 1, 0));
    tell(ChangeKind::Cursor);
}

void Grid::setSelectionEnd(int rowSel, int colSel) {
    rowSel_ = std::clamp(rowSel, 0, std::max(rowCount_ - 1, 0));
    colSel_ = std::clamp(colSel, 0, std::max(colCount_ - 1, 0));
    tell(ChangeKind::Cursor);
}

void Grid::setTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(rowCount_ - 1, 0));
    tell(ChangeKind::Cursor);
}

void Grid::setLeftCol(int col) {
    leftCol_ = std::clamp(col, 0, std::max(colCount_ - 1, 0));
    tell(ChangeKind::Cursor);
}

void Grid::setColWidth(int col, int twips) {
    if (colWidths_.at(col) == twips) return;
    if (recording()) record([this, col, old = colWidths_.at(col)] { setColWidth(col, old); });
    colWidths_.at(col) = twips;
    tell(ChangeKind::Layout);
}

void Grid::setRowHeight(int row, int twips) {
    if (rowHeights_.at(row) == twips) return;
    if (recording()) record([this, row, old = rowHeights_.at(row)] { setRowHeight(row, old); });
    rowHeights_.at(row) = twips;
    tell(ChangeKind::Layout);
}

void Grid::setNameAlignment(int col, CellAlignment alignment) {
    if (nameAlignments_.at(col) == alignment) return;
    if (recording()) record([this, col, old = nameAlignments_.at(col)] { setNameAlignment(col, old); });
    nameAlignments_.at(col) = alignment;
    tell(ChangeKind::Layout);
}

std::uint32_t Grid::backColour(int row, int col) const {
    if (row < 0 || row >= static_cast<int>(colours_.size())) return kDefaultColour;
    const auto& spans = colours_[row];
    for (auto it = spans.rbegin(); it != spans.rend(); ++it)
        if (col >= it->first && col <= it->last) return it->colour;
    return kDefaultColour;
}

void Grid::setBackColour(int row, int firstCol, int lastCol, std::uint32_t colour) {
    if (row < 0 || row >= rowCount_) throw std::out_of_range("row outside the grid");
    if (row >= static_cast<int>(colours_.size())) colours_.resize(row + 1);
    auto& spans = colours_[row];
    if (recording()) record([this, row, old = spans] { putBackColours(row, old); }, spans.size() * sizeof(ColourSpan));
    // Spans wholly covered by the new one can never show again.
    std::erase_if(spans, [&](const ColourSpan& s) { return s.first >= firstCol && s.last <= lastCol; });
    spans.push_back({firstCol, lastCol, colour});
    tell(ChangeKind::Layout);
}

void Grid::putBackColours(int row, const std::vector<ColourSpan>& spans) {
    if (recording())
        record([this, row, old = colours_[row]] { putBackColours(row, old); }, colours_[row].size() * sizeof(ColourSpan));
    colours_[row] = spans;
    tell(ChangeKind::Layout);
}

std::size_t Grid::StoredRows::bytes() const {
    std::size_t total = heights.size() * sizeof(int);
    for (const auto& row : cells) total += row.size() * sizeof(Cell);
    for (const auto& row : colours) total += row.size() * sizeof(ColourSpan);
    return total;
}

Grid::StoredRows Grid::storedRows(int first, int count) const {
    StoredRows rows;
    for (int r = first; r < first + count; ++r) {
        rows.cells.push_back(r < static_cast<int>(cells_.size()) ? cells_[r] : std::vector<Cell>{});
        rows.colours.push_back(r < static_cast<int>(colours_.size()) ? colours_[r] : std::vector<ColourSpan>{});
        rows.heights.push_back(rowHeights_[r]);
    }
    return rows;
}

// The rows are in place, empty; they take back what they held.
void Grid::putBackRows(int first, StoredRows rows) {
    const int count = static_cast<int>(rows.heights.size());
    if (static_cast<int>(cells_.size()) < first + count) cells_.resize(first + count);
    if (static_cast<int>(colours_.size()) < first + count) colours_.resize(first + count);
    for (int i = 0; i < count; ++i) {
        cells_[first + i] = std::move(rows.cells[i]);
        colours_[first + i] = std::move(rows.colours[i]);
        rowHeights_[first + i] = rows.heights[i];
    }
    tell(ChangeKind::Reset);
}

std::size_t Grid::StoredColumns::bytes() const {
    std::size_t total = widths.size() * (sizeof(int) + sizeof(CellAlignment));
    for (const auto& row : cells) total += row.size() * sizeof(Cell);
    for (const auto& row : colours) total += row.size() * sizeof(ColourSpan);
    return total;
}

Grid::StoredColumns Grid::storedColumns(int first, int count) const {
    StoredColumns columns;
    for (const auto& row : cells_) {
        const int end = std::min(first + count, static_cast<int>(row.size()));
        columns.cells.emplace_back(row.begin() + std::min(first, end), row.begin() + end);
    }
    columns.widths.assign(colWidths_.begin() + first, colWidths_.begin() + first + count);
    columns.alignments.assign(nameAlignments_.begin() + first, nameAlignments_.begin() + first + count);
    columns.colours = colours_;
    return columns;
}

// The columns are in place, empty; they take back what they held.
void Grid::putBackColumns(int first, StoredColumns columns) {
    for (std::size_t r = 0; r < columns.cells.size() && r < cells_.size(); ++r) {
        auto& held = columns.cells[r];
        if (held.empty()) continue;
        auto& row = cells_[r];
        if (row.size() < first + held.size()) row.resize(first + held.size());
        std::move(held.begin(), held.end(), row.begin() + first);
    }
    std::copy(columns.widths.begin(), columns.widths.end(), colWidths_.begin() + first);
    std::copy(columns.alignments.begin(), columns.alignments.end(), nameAlignments_.begin() + first);
    colours_ = std::move(columns.colours);
    tell(ChangeKind::Reset);
}

}  // namespace zoriduvo

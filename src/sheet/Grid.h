#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Cell.h"
#include "sheet/Journal.h"
#include "sheet/ModelChange.h"

namespace zoriduvo {

enum class CellAlignment : std::uint8_t { LeftCenter, CenterCenter, RightCenter };

constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;
constexpr int kDefaultColumnWidth = 1200;  // twips
constexpr int kDefaultRowHeight = 280;     // twips

// A table of text cells with the state of the grid control the behaviour is written against.
// Rows are stored lazily: a row holds cells only up to the last column written in it, so cells
// beyond the used range cost nothing.
class Grid {
public:
    Grid(int rows, int cols, int fixedRows = 0, int fixedCols = 0);

    int rows() const { return rowCount_; }
    int cols() const { return colCount_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setRows(int rows);
    void setCols(int cols);

    // Rows or columns in the middle: contents, sizes, alignments and colours move with them.
    void insertRows(int at, int count);
    void removeRows(int at, int count);
    void insertCols(int at, int count);
    void removeCols(int at, int count);
    // Puts the rows first..first+order.size()-1 in the given order: new row first+i is the old
    // row first+order[i]. Linear; used by sorting.
    void permuteRows(int first, const std::vector<int>& order);

    CellString text(int row, int col) const { return cell(row, col).text(); }
    void setText(int row, int col, std::string_view text);
    const Cell& cell(int row, int col) const;
    void setCell(int row, int col, Cell value);
    // The cells from firstCol on, as setCell would set them one by one; a row not yet written so far
    // takes them in one go (loading).
    void setCells(int row, int firstCol, std::span<const Cell> values);
    bool isEmpty(int row, int col) const { return cell(row, col).empty(); }
    // The columns stored for the row: every cell from there on is empty, so a reader of a sparse
    // grid can stop there.
    int storedCols(int row) const {
        return row >= 0 && row < static_cast<int>(cells_.size()) ? static_cast<int>(cells_[row].size()) : 0;
    }
    // Those cells, for readers that walk whole rows.
    std::span<const Cell> storedRow(int row) const {
        if (row < 0 || row >= static_cast<int>(cells_.size())) return {};
        return cells_[row];
    }

    // Current cell and the selection's other corner, as the grid control keeps them.
    int row() const { return row_; }
    int col() const { return col_; }
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setCurrent(int row, int col);           // also collapses the selection to that cell
    void setSelectionEnd(int rowSel, int colSel);
    int topRow() const { return topRow_; }
    int leftCol() const { return leftCol_; }
    void setTopRow(int row);
    void setLeftCol(int col);

    int colWidth(int col) const { return colWidths_.at(col); }
    void setColWidth(int col, int twips);
    int rowHeight(int row) const { return rowHeights_.at(row); }
    void setRowHeight(int row, int twips);
    // Alignment of the row-1 cell of a column (the variable names of grdVo).
    CellAlignment nameAlignment(int col) const { return nameAlignments_.at(col); }
    void setNameAlignment(int col, CellAlignment alignment);
    std::uint32_t backColour(int row, int col) const;
    void setBackColour(int row, int firstCol, int lastCol, std::uint32_t colour);

    // Changes of this grid are told on the bus as changes of the given sheet.
    void attach(ChangeBus* bus, int sheet) { bus_ = bus, sheet_ = sheet; }
    // Changes of contents, shape, sizes and colours are recorded for undo while the journal records.
    void attach(Journal* journal) { journal_ = journal; }

    // While a bulk change lives, notifications are held back. At its end a few changed cells and the
    // cursor are told one by one, so that the views repaint those cells only; anything more, or any
    // other change, is told as one reset.
    class BulkChange {
    public:
        explicit BulkChange(Grid& grid) : grid_(grid) { ++grid_.muted_; }
        ~BulkChange();
        BulkChange(const BulkChange&) = delete;
        BulkChange& operator=(const BulkChange&) = delete;

    private:
        Grid& grid_;
    };

private:
    struct ColourSpan {
        int first, last;
        std::uint32_t colour;
    };
    void tell(ChangeKind kind, int row = 0, int col = 0, int count = 0) const;
    void clampCursor();
    bool recording() const { return journal_ && journal_->recording(); }
    void record(Journal::Entry entry, std::size_t bytes = 0) { journal_->record(std::move(entry), bytes); }
    // The rows first .. first + count - 1 as they are stored, for putting back.
    struct StoredRows {
        std::vector<std::vector<Cell>> cells;
        std::vector<std::vector<ColourSpan>> colours;
        std::vector<int> heights;
        std::size_t bytes() const;
    };
    StoredRows storedRows(int first, int count) const;
    void putBackRows(int first, StoredRows rows);
    struct StoredColumns {
        std::vector<std::vector<Cell>> cells;  // by row, the columns of that row held
        std::vector<int> widths;
        std::vector<CellAlignment> alignments;
        std::vector<std::vector<ColourSpan>> colours;  // every row's spans, before the change
        std::size_t bytes() const;
    };
    StoredColumns storedColumns(int first, int count) const;
    void putBackColours(int row, const std::vector<ColourSpan>& spans);
    void putBackColumns(int first, StoredColumns columns);

    int rowCount_, colCount_, fixedRows_, fixedCols_;
    // The rows' cells, freed in the order they lie in memory whenever a grid lets go of them: after a
    // sort that is not case order, and freeing them in case order met each row and its allocator
    // neighbours at random.
    class Rows : public std::vector<std::vector<Cell>> {
    public:
        using vector::vector;
        Rows() = default;
        Rows(const Rows&) = default;
        Rows(Rows&&) = default;
        Rows& operator=(const Rows& other) {
            if (this != &other) release(), vector::operator=(other);
            return *this;
        }
        Rows& operator=(Rows&& other) noexcept {
            if (this != &other) release(), vector::operator=(std::move(other));
            return *this;
        }
        ~Rows() { release(); }

    private:
        void release() noexcept;
    };
    Rows cells_;
    std::vector<int> colWidths_, rowHeights_;
    std::vector<CellAlignment> nameAlignments_;
    std::vector<std::vector<ColourSpan>> colours_;  // by row, only where set
    int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0, topRow_ = 0, leftCol_ = 0;
    ChangeBus* bus_ = nullptr;
    Journal* journal_ = nullptr;
    int sheet_ = 0;
    int muted_ = 0;
    static constexpr std::size_t kFewCells = 64;
    struct HeldBack {
        std::vector<std::pair<int, int>> cells;  // row, column
        bool cursor = false;
        bool reset = false;
    };
    mutable HeldBack held_;
    void hold(ChangeKind kind, int row, int col) const;
    void tellHeldBack();
};

}  // namespace zoriduvo

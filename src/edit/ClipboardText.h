// The text layout of the clipboard exchange: block texts out of the grid, and the splitting of a
// text another program put there. Pure functions; the commands move the texts.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/CellBlock.h"

namespace zoriduvo {

inline constexpr std::string_view kCrLf = "\r\n";
// The most characters a paste takes.
inline constexpr std::size_t kMaxPasteCharacters = 20000;

// The cells of the block, TAB between cells and lineEnd between rows; finalLineEnd adds one more
// after the last row.
std::string BlockText(const Grid& grid, const CellBlock& block, std::string_view lineEnd, bool finalLineEnd);

// A text to paste at the cursor: columns from the first line; CR LF, CR and LF each end a line, and
// one at the very end starts none.
struct PasteBlock {
    int columns = 1;
    int rows = 1;
    std::vector<std::vector<std::string>> lines;  // the fields of each line
};
PasteBlock SplitPasteText(std::string_view text);

// The grid size a paste area from (row, col) of rows x columns needs, given the grid's size now
// and the used range (L, R): the spare rows and columns kept beyond the used range, and never
// less than the area itself with its spares. A size that needs no growth is returned unchanged.
struct GridSize {
    int rows = 0, cols = 0;
};
GridSize PasteGridSize(GridSize now, int lastColumn, int lastRow, int row, int col, int rows, int columns);

// The table of a labelled text: line 0 the variable names, field 0 the case names. TAB ends a
// field, CR LF, CR and LF each end a field and a line; a separator that ends the text opens nothing.
struct LabelTable {
    std::vector<std::vector<std::string>> lines;
    int lastField = 0;  // N: the highest field index seen
    int lastLine = 0;   // M: the highest line index
    std::string_view at(int line, int field) const;
};
LabelTable SplitLabelTable(std::string_view text);

}  // namespace zoriduvo

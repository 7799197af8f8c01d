#include "edit/ClipboardText.h"

#include <algorithm>

namespace zoriduvo {

std::string BlockText(const Grid& grid, const CellBlock& block, std::string_view lineEnd, bool finalLineEnd) {
    std::string text;
    if (block.empty()) return text;
    for (int r = block.top; r <= block.bottom; ++r) {
        if (r > block.top) text += lineEnd;
        for (int c = block.left; c <= block.right; ++c) {
            if (c > block.left) text += '\t';
            text += grid.text(r, c);
        }
    }
    if (finalLineEnd) text += lineEnd;
    return text;
}

namespace {

// CR LF, CR and LF each end a line: texts come to the clipboard from programs of every platform.
std::size_t LineEndLength(std::string_view text, std::size_t i) {
    if (text[i] == '\n') return 1;
    if (text[i] != '\r') return 0;
    return text.compare(i, 2, kCrLf) == 0 ? 2 : 1;
}

}  // namespace

PasteBlock SplitPasteText(std::string_view text) {
    PasteBlock block;
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    block.columns = 1 + static_cast<int>(std::count(first.begin(), first.end(), '\t'));
    if (text.ends_with(kCrLf))
        text.remove_suffix(2);
    else if (text.ends_with('\r') || text.ends_with('\n'))
        text.remove_suffix(1);
    block.lines.emplace_back(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t end = LineEndLength(text, i)) {
            block.lines.emplace_back(1);
            i += end - 1;
        } else if (text[i] == '\t') {
            block.lines.back().emplace_back();
        } else {
            block.lines.back().back() += text[i];
        }
    }
    block.rows = static_cast<int>(block.lines.size());
    return block;
}

GridSize PasteGridSize(GridSize now, int lastColumn, int lastRow, int row, int col, int rows, int columns) {
    GridSize size = now;
    if (now.cols - (col + columns) <= 5) size.cols = std::max(columns + lastColumn + 7, col + columns + 6);
    if (now.rows - 20 < row + rows) size.rows = std::max(rows + lastRow + 22, row + rows + 21);
    return size;
}

std::string_view LabelTable::at(int line, int field) const {
    if (line < 0 || line >= static_cast<int>(lines.size())) return {};
    const auto& fields = lines[line];
    return field >= 0 && field < static_cast<int>(fields.size()) ? std::string_view(fields[field]) : std::string_view();
}

LabelTable SplitLabelTable(std::string_view text) {
    LabelTable table;
    table.lines.emplace_back(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = LineEndLength(text, i);
        if (end == 0 && text[i] != '\t') {
            table.lines.back().back() += text[i];
            continue;
        }
        if (i + std::max<std::size_t>(end, 1) == text.size()) break;  // a separator that ends the text opens nothing
        if (end == 0) {
            table.lines.back().emplace_back();
        } else {
            table.lines.emplace_back(1);
            i += end - 1;
        }
    }
    table.lastLine = static_cast<int>(table.lines.size()) - 1;
    for (const auto& fields : table.lines)
        table.lastField = std::max(table.lastField, static_cast<int>(fields.size()) - 1);
    return table;
}

}  // namespace zoriduvo

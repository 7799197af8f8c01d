#include "sheet/CaseRange.h"

#include <algorithm>
#include <climits>

#include "sheet/Sheet.h"
#include "text/NumberText.h"

namespace zoriduvo {

int CaseNumberOf(std::string_view text) {
    const double value = LeadingNumber(text);
    if (auto rounded = RoundToInt32(value)) return *rounded;
    return value < 0 ? INT_MIN : INT_MAX;
}

CaseRange StoredCaseRange(const Sheet& sheet) {
    const int n = sheet.caseCount();
    const Grid& info = sheet.grdSInfo;
    CaseRange all{1, n, CaseRangeSource::AllCases};
    if (info.rows() < 2 || info.cols() < 2) return all;
    // Cases deleted since the range was stored can leave it partly or wholly beyond the sheet.
    const int first = std::max(CaseNumberOf(info.text(1, 0).view()), 1);
    const int last = std::min(CaseNumberOf(info.text(1, 1).view()), n);
    if (first > last) return all;
    return {first, last, CaseRangeSource::StoredRange};
}

CaseRange ReadCaseRange(const Sheet& sheet, WholeRows wholeRows) {
    const Grid& grid = sheet.grdVo;
    const int n = sheet.caseCount();
    const int variables = sheet.variableCount();
    const int firstCol = std::min(grid.col(), grid.colSel());
    const int lastCol = std::max(grid.col(), grid.colSel());
    const int firstCase = std::max(std::min(grid.row(), grid.rowSel()) - 1, 1);
    const int lastCase = std::min(std::max(grid.row(), grid.rowSel()) - 1, n);
    const bool reaches = wholeRows == WholeRows::PassLastVariable ? lastCol - 1 > variables : lastCol - 1 >= variables;
    // The cursor alone is no selection, even where it covers the only variable; and rows below
    // the data hold no case.
    const bool singleCell = grid.row() == grid.rowSel() && grid.col() == grid.colSel();
    CaseRange range{1, n, CaseRangeSource::AllCases};
    if (!singleCell && firstCol <= 2 && reaches && firstCase <= lastCase)
        range = {firstCase, lastCase, CaseRangeSource::Selection};
    if (range.first == 1 && range.last == n && sheet.state().rangeSelection) return StoredCaseRange(sheet);
    return range;
}

std::string CaseRangeText(int first, int last) {
    std::string text(" ");
    text.append(std::to_string(first)).append("- ").append(std::to_string(last));
    return text;
}

std::string RangeStateText(bool rangeSet, int first, int last) {
    if (!rangeSet) return " なし ";
    std::string text(" あり  [");
    text.append(CaseRangeText(first, last)).append("]");
    return text;
}

}  // namespace zoriduvo

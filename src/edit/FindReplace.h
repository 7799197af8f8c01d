// Find, replace and jump on a sheet's data grid grdVo: a search walks one line of the grid (down
// or up the current column, right or left along the current row) and matches cell texts exactly.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoriduvo {

inline constexpr const char* kReplaceStep = "置換";

class App;
class Sheet;

enum class SearchLine { Column, Row };  // optCol "列方向", optRow "行方向"

// What a find or replace dialog takes from the sheet when it is activated.
struct SearchStart {
    int row = 2, col = 2;  // the current cell
    int lastColumn = 1, lastRow = 1;
    SearchLine line = SearchLine::Column;  // the direction the selection suggests
};
SearchStart CaptureSearchStart(const Sheet& sheet);

struct Search {
    SearchLine line = SearchLine::Column;
    bool forward = true;  // optForward: towards higher row or column numbers
    std::string value;
};

// The rows (column search) or columns (row search) visited, nearest first; the start cell itself
// only when includeStart.
std::vector<int> SearchVisits(const SearchStart& start, const Search& search, bool includeStart);

// "検索": each match becomes current and the user is asked for the next; the end of the line says
// so. False when the user stopped at a match.
bool FindValue(App& app, Sheet& sheet, const SearchStart& start, const Search& search);
// "実行" of frmRepla: each match, the start cell included, is replaced when the user says yes.
void ReplaceOneByOne(App& app, Sheet& sheet, const SearchStart& start, const Search& search,
                     const std::string& replacement);
// "一括置換": every match is replaced without a question. Returns how many were.
int ReplaceAll(App& app, Sheet& sheet, const SearchStart& start, const Search& search, const std::string& replacement);

enum class JumpKind { ToCell, First, Last };
struct CellPosition {
    int row = 2, col = 2;
};
// The cell "実行" of frmJump goes to, within the grid; nullopt for a case or variable number below 1.
std::optional<CellPosition> JumpTarget(const Sheet& sheet, JumpKind kind, std::string_view caseText,
                                       std::string_view variableText);
// Makes the cell current with a few rows and columns before it in view.
void JumpTo(Sheet& sheet, CellPosition target);

}  // namespace zoriduvo

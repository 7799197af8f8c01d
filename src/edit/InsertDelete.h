// Inserting and deleting cases (grid rows) and variables (grid columns) of a sheet: the menu
// entries "挿入(&I)..." and "削除(&D)...". Numbers, end-cell items, definitions, statistics
// columns and case groups stay consistent through SheetShape; each run is one undo step.
#pragma once
#include <string_view>

namespace zoriduvo {

inline constexpr const char* kInsertStep = "挿入";
inline constexpr const char* kDeleteStep = "削除";

class App;
class Sheet;

enum class LineKind { Rows, Columns };

// What the command does with the selection: whole rows or whole columns at once, else the dialog.
struct InsertDeleteTarget {
    bool ask = true;  // the dialog frmInsert or frmDelete chooses
    LineKind kind = LineKind::Rows;
    int first = 0;  // grid row or column
    int count = 0;
};
InsertDeleteTarget TargetOfSelection(const Sheet& sheet);

// The count box as the dialogs read it: the leading number rounded to 16 bits, 0 when it is none.
int CountOfText(std::string_view text);

// Each refuses a count below 1 or one that would pass 32767 cases or variables with its message
// and changes nothing (false). Deleting more than there are deletes those there are.
bool InsertRows(App& app, Sheet& sheet, int first, int count);
bool InsertColumns(App& app, Sheet& sheet, int first, int count);
bool DeleteRows(App& app, Sheet& sheet, int first, int count);
bool DeleteColumns(App& app, Sheet& sheet, int first, int count);

// The dialogs' "実行": rows at the current row or columns at the current column.
bool InsertAtCursor(App& app, Sheet& sheet, LineKind kind, int count);
bool DeleteAtCursor(App& app, Sheet& sheet, LineKind kind, int count);

}  // namespace zoriduvo

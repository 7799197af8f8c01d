#pragma once
#include <string>
#include <optional>
#include <vector>

#include "sheet/SavedSelection.h"

namespace zoriduvo {

inline constexpr const char* kSortStep = "ソート";

class App;
class Sheet;

// What the sort dialog frmGSort shows when it opens.
struct SortDialogStart {
    std::vector<std::string> names;  // variables 1 .. V in column order
    int chosen = 0;                  // index into names: the variable of the current column
    bool grouped = false;            // the case-group frame is shown
    SavedSelection selection;        // put back by both buttons
};

SortDialogStart OpenSortDialog(const Sheet& sheet);

// The new order of cases first .. first + keys.size() - 1 by their key values (nullopt for a
// blank), as indexes into keys: equal keys in their former order in both directions, blank keys
// after all others in their former order.
std::vector<int> SortOrder(const std::vector<std::optional<double>>& keys, bool descending);

// Sorts the cases by one key variable. Over all cases the sheet is ungrouped first; within
// groups every case stays inside its group. Case names move with their values, the case numbers
// are written afresh and the current cell and selection are kept. False when there is nothing
// to sort (no cases, or no such variable).
bool SortCases(App& app, Sheet& sheet, int variable, bool descending, bool withinGroups);

}  // namespace zoriduvo

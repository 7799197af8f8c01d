#include "edit/Sorting.h"

#include <algorithm>
#include <numeric>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/DataChange.h"
#include "sheet/DefaultNames.h"
#include "sheet/SheetOperations.h"
#include "sheet/StepCommand.h"
#include "text/NumberText.h"

namespace zoriduvo {

SortDialogStart OpenSortDialog(const Sheet& sheet) {
    SortDialogStart start;
    const Grid& grid = sheet.grdVo;
    const int variables = sheet.variableCount();
    for (int v = 1; v <= variables; ++v) {
        std::string name(grid.text(1, v + 1));
        if (name.empty()) name = DefaultVariableName(v);
        start.names.push_back(std::move(name));
    }
    start.chosen = std::clamp(grid.col() - 2, 0, std::max(variables - 1, 0));
    start.grouped = sheet.state().caseGroups > 1;
    start.selection = SavedSelection::Of(grid);
    return start;
}

std::vector<int> SortOrder(const std::vector<std::optional<double>>& keys, bool descending) {
    struct Key {
        double value;
        int index;
    };
    std::vector<Key> valued;
    std::vector<int> blanks;
    for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
        if (!keys[i]) blanks.push_back(i);
        else valued.push_back({*keys[i], i});
    }
    if (descending)
        std::stable_sort(valued.begin(), valued.end(), [](const Key& a, const Key& b) { return a.value > b.value; });
    else
        std::stable_sort(valued.begin(), valued.end(), [](const Key& a, const Key& b) { return a.value < b.value; });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : valued) order.push_back(key.index);
    order.insert(order.end(), blanks.begin(), blanks.end());
    return order;
}

bool SortCases(App& app, Sheet& sheet, int variable, bool descending, bool withinGroups) {
    Grid& grid = sheet.grdVo;
    const int n = sheet.caseCount();
    const int col = variable + 1;
    if (n < 1 || variable < 1 || variable > sheet.variableCount() || col >= grid.cols()) return false;
    BusyPointer busy(app.ui);
    const SavedSelection selection = SavedSelection::Of(grid);
    DataChange change(sheet, kSortStep, DataChange::Notify::OneReset);
    const bool inGroups = withinGroups && sheet.state().caseGroups > 1;
    const std::vector<int> ends = inGroups ? CaseGroupEnds(sheet) : std::vector<int>{0, n};
    if (!inGroups) ClearCaseGroups(sheet);

    std::vector<int> order;
    order.reserve(n);
    for (std::size_t g = 1; g < ends.size(); ++g) {
        std::vector<std::optional<double>> keys;
        for (int c = ends[g - 1] + 1; c <= ends[g]; ++c) {
            const Cell& key = grid.cell(c + 1, col);
            keys.push_back(key.empty() ? std::nullopt : std::optional<double>(key.leadingNumber()));
        }
        for (int i : SortOrder(keys, descending)) order.push_back(ends[g - 1] + i);
    }
    // Each case's new number goes on its row before the rows move, walking them as they lie in memory
    // rather than in their new order, where each would be met at random.
    std::vector<int> place(n);
    for (int i = 0; i < n; ++i) place[order[i]] = i;
    for (int c = 1; c <= n; ++c) grid.setText(c + 1, 0, std::to_string(place[c - 1] + 1));
    grid.permuteRows(2, order);
    selection.restore(grid);
    StepCommand command{"sort", {}, {"--key", VariableWord(variable)}, {}};
    if (descending) command.options.push_back("--descending");
    if (withinGroups) command.options.push_back("--within-groups");
    change.record(std::move(command));
    change.done();
    return true;
}

}  // namespace zoriduvo

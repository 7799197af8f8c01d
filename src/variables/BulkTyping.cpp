#include "variables/BulkTyping.h"

#include <algorithm>
#include <set>
#include <string>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/DataChange.h"
#include "sheet/DefaultNames.h"
#include "sheet/SheetOperations.h"
#include "variables/DefineVariable.h"
#include "variables/VariableDefinition.h"
#include "variables/VariableMessages.h"

namespace zoriduvo {

BulkTypeEditor::BulkTypeEditor(App& app, Sheet& sheet)
    : app_(app), sheet_(sheet), savedRow_(sheet.grdVo.row()), savedCol_(sheet.grdVo.col()) {
    LoadVariableList(app_, sheet_);
    names_.assign(app_.lists.names.begin() + 1, app_.lists.names.end());
    restore();
}

bool BulkTypeEditor::outOfDate(const Sheet& sheet) const {
    if (&sheet != &sheet_ || sheet.variableCount() != static_cast<int>(names_.size())) return true;
    for (int v = 1; v <= static_cast<int>(names_.size()); ++v) {
        const CellString name = v + 1 < sheet.grdVo.cols() ? sheet.grdVo.text(1, v + 1) : CellString();
        if (name != names_[v - 1] && !(name.empty() && names_[v - 1] == DefaultVariableName(v))) return true;
    }
    return false;
}

void BulkTypeEditor::choose(const std::vector<int>& places) {
    const std::set<int> picked(places.begin(), places.end());
    std::vector<std::string> kept;
    for (int i = 0; i < static_cast<int>(available_.size()); ++i)
        (picked.count(i) ? chosen_ : kept).push_back(available_[i]);
    available_ = std::move(kept);
}

void BulkTypeEditor::restore() {
    available_ = names_;
    chosen_.clear();
}

BulkTypeEditor::Outcome BulkTypeEditor::execute() {
    if (chosen_.empty()) {
        app_.ui.beep();
        return Outcome::Beeped;
    }
    CategoryRange typed;
    if (categorical) {
        if (minimum.empty() && maximum.empty()) return Outcome::FocusMinimum;
        if (minimum.empty() || maximum.empty()) {
            app_.ui.beep();
            return Outcome::Beeped;
        }
        if (const auto error = CategoryRangeOf(minimum, maximum, typed); error != CategoryRangeError::None) {
            app_.ui.show(CategoryRangeMessage(error, kBulkTypingTitle));
            return Outcome::Refused;
        }
    }
    const std::set<std::string> wanted(chosen_.begin(), chosen_.end());
    const int n = std::min(sheet_.variableCount(), sheet_.grdVo.cols() - 2);
    // Every variable that carries a chosen name, duplicates included; names stay as they are.
    std::vector<int> variables;
    for (int v = 1; v <= n; ++v)
        if (wanted.count(std::string(sheet_.grdVo.text(1, v + 1)))) variables.push_back(v);
    {
        DataChange change(sheet_, kBulkTypingTitle, DataChange::Statistics::Kept);
        TypeVariables(sheet_, variables, typed);
        change.done();
    }
    sheet_.grdVo.setCurrent(savedRow_, savedCol_);
    return Outcome::Done;
}

}  // namespace zoriduvo

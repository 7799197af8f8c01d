#include "variables/CaseNames.h"

#include <algorithm>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetShape.h"
#include "text/Trim.h"
#include "variables/VariableMessages.h"

namespace zoriduvo {

bool IsCaseName(std::string_view name) { return name.find_first_of("\",\r\n") == std::string_view::npos; }

bool StoreCaseName(App& app, Sheet& sheet, int caseNumber, const std::string& name) {
    if (!IsCaseName(name)) {
        app.ui.show(MessageOf(VariableMessage::BadCaseName));
        return false;
    }
    if (caseNumber < 1 || !WithinCountLimit(caseNumber)) {
        app.ui.show(MessageOf(VariableMessage::BeyondTable));
        return false;
    }
    const int n = sheet.caseCount();
    const bool extends = !name.empty() && caseNumber > n;
    // A name alone leaves every value as it was; a name past the cases would stand in a block.
    DataChange change(sheet, kCaseNameTitle, caseNumber > n ? DataChange::Statistics::Removed : DataChange::Statistics::Kept);
    if (extends) {
        ExtendCases(sheet, caseNumber);
        for (int c = n + 1; c < caseNumber; ++c) sheet.grdVo.setText(c + 1, 1, "");
    }
    EnsureGridSize(sheet, 0, caseNumber + 2);
    sheet.grdVo.setText(caseNumber + 1, 1, name);
    change.record({"casename", {}, {"--case", std::to_string(caseNumber), "--name", name}, {}});
    change.done();
    return true;
}

std::optional<int> CaseNumberField(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    const auto value = StrictNumber(trimmed);
    if (!value || *value < 1 || *value > kMaxCases || *value != static_cast<int>(*value)) return std::nullopt;
    const int number = static_cast<int>(*value);
    if (std::to_string(number) != trimmed) return std::nullopt;
    return number;
}

CaseNameEditor::CaseNameEditor(App& app, Sheet& sheet)
    : app_(app), sheet_(sheet), case_(std::max(1, sheet.grdVo.row() - 1)) {}

std::string CaseNameEditor::name() const { return std::string(sheet_.grdVo.text(case_ + 1, 1)); }

bool CaseNameEditor::atLastRow() const { return sheet_.grdVo.rows() == case_ + 2; }

// Past the last case the rows are the statistics blocks': they go before the dialog shows one of
// their lines as a name, in the step of the move.
void CaseNameEditor::moveTo(int caseNumber) {
    case_ = caseNumber;
    if (case_ > sheet_.caseCount() && sheet_.state().statisticsBlocks > 0) RemoveStatisticsBlocks(sheet_);
}

bool CaseNameEditor::next(const std::string& name) {
    UndoStep step(sheet_.history(), kCaseNameTitle);
    if (!store(name)) return false;
    if (atLastRow()) {
        app_.ui.show(MessageOf(VariableMessage::RowsFull));
        return false;
    }
    moveTo(case_ + 1);
    return true;
}

bool CaseNameEditor::previous(const std::string& name) {
    if (!canGoBack() || !store(name)) return false;
    --case_;
    return true;
}

bool CaseNameEditor::jump(std::string_view numberText, const std::string& name) {
    const auto number = CaseNumberField(numberText);
    if (!number) {
        app_.ui.show(MessageOf(VariableMessage::CaseNumberWanted));
        return false;
    }
    UndoStep step(sheet_.history(), kCaseNameTitle);
    if (!store(name)) return false;
    if (*number > sheet_.grdVo.rows() - 2) {
        app_.ui.show(MessageOf(VariableMessage::BeyondTable));
        return false;
    }
    moveTo(*number);
    return true;
}

void CaseNameEditor::finish() {
    if (sheet_.caseCount() > 0 && sheet_.variableCount() == 0) SetVariableCount(sheet_, 1);
}

}  // namespace zoriduvo

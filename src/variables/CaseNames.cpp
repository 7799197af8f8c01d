#include "variables/CaseNames.h"

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/Sheet.h"
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
    // A name alone leaves every value as it was; new cases take the statistics blocks with them.
    DataChange change(sheet, "ケース名", extends ? DataChange::Statistics::Removed : DataChange::Statistics::Kept);
    if (extends) {
        ExtendCases(sheet, caseNumber);
        for (int c = n + 1; c < caseNumber; ++c) sheet.grdVo.setText(c + 1, 1, "");
    }
    EnsureGridSize(sheet, 0, caseNumber + 2);
    sheet.grdVo.setText(caseNumber + 1, 1, name);
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

}  // namespace zoriduvo

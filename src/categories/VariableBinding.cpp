#include "categories/VariableBinding.h"

#include <vector>

#include "categories/CategoryMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/Sheet.h"
#include "sheet/SheetShape.h"
#include "sheet/StepCommand.h"
#include "sheet/VariableRecord.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {
// A name the file holds in one quoted field: no quote, comma or line break, not empty.
bool IsBindingName(std::string_view trimmed) {
    return !trimmed.empty() && IsVariableName(trimmed) && trimmed.find_first_of("\r\n") == std::string_view::npos;
}
}  // namespace

std::string ProposedBindingName(std::string_view first, std::string_view second) {
    return std::string(first).append(second);
}

std::optional<double> BoundCode(std::string_view first, std::string_view second, int count2, int minimum1,
                                int minimum2) {
    if (IsBlankCell(first) || IsBlankCell(second)) return std::nullopt;
    return (CellSingle(first) - double(minimum1)) * count2 + (CellSingle(second) - double(minimum2)) + 1;
}

bool BindVariables(App& app, Sheet& sheet, int first, int second, const std::string& name, CaseRange cases) {
    const std::string_view trimmed = Trim(name);
    if (!IsBindingName(trimmed)) {
        app.ui.show(MessageOf(CategoryMessage::BadBindingName));
        return false;
    }
    const int v = sheet.variableCount();
    if (!WithinCountLimit(v + 1LL)) {
        app.ui.show(MessageOf(CategoryMessage::VariablesFull));
        return false;
    }
    const CategoryRange r1 = ReadCategoryRange(sheet, first), r2 = ReadCategoryRange(sheet, second);
    const long long count = static_cast<long long>(r1.count) * r2.count;
    if (!WithinCountLimit(count)) {
        app.ui.show(MessageOf(CategoryMessage::ProductBeyond16Bit));
        return false;
    }
    // Every code is known before the sheet changes, so a code beyond 16 bits refuses the whole binding.
    const Grid& grid = sheet.grdVo;
    std::vector<std::string> codes;
    codes.reserve(cases.empty() ? 0 : cases.last - cases.first + 1);
    for (int c = cases.first; c <= cases.last; ++c) {
        const auto code = BoundCode(grid.text(c + 1, first + 1).view(), grid.text(c + 1, second + 1).view(), r2.count, r1.minimum,
                                    r2.minimum);
        if (!code) {
            codes.emplace_back();
            continue;
        }
        const auto rounded = RoundToInt16(*code);
        if (!rounded) {
            app.ui.show(MessageOf(CategoryMessage::CodeBeyond16Bit));
            return false;
        }
        codes.push_back(std::to_string(*rounded));
    }
    DataChange change(sheet, "変数の結合");
    ExtendVariables(sheet, v + 1);
    for (int c = cases.first; c <= cases.last; ++c)
        if (!codes[c - cases.first].empty()) sheet.grdVo.setText(c + 1, v + 2, codes[c - cases.first]);
    const auto n = static_cast<std::int16_t>(count);
    WriteDefinition(sheet, v + 1, {name, {n, n, 1}});
    sheet.grdVo.setText(1, v + 2, trimmed);
    StepCommand command{"bind", {}, {"--var", VariableWord(first), "--var", VariableWord(second), "--name", name}, {}};
    AddCaseRange(command, cases.first, cases.last, sheet.caseCount());
    change.record(std::move(command));
    change.done();
    return true;
}

}  // namespace zoriduvo

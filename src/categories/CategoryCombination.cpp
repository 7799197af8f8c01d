#include "categories/CategoryCombination.h"

#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

namespace {
std::optional<int> CodeOf(std::string_view text) {
    const auto number = StrictNumber(text);
    if (!number) return std::nullopt;
    const auto code = RoundToInt16(*number);
    return code ? std::optional<int>(*code) : std::nullopt;
}
}  // namespace

std::optional<CodeRange> ReadCodeRange(std::string_view first, std::string_view second) {
    const auto a = CodeOf(first), b = CodeOf(second);
    if (!a || !b) return std::nullopt;
    return *a <= *b ? CodeRange{*a, *b} : CodeRange{*b, *a};
}

std::optional<std::string> CombinedCell(std::string_view text, CodeRange codes) {
    if (IsBlankCell(text)) return std::nullopt;
    const auto value = RoundToInt32(LeadingNumber(text));
    if (!value || *value <= codes.low) return std::nullopt;
    const long long code = *value <= codes.high ? codes.low : *value - (static_cast<long long>(codes.high) - codes.low);
    return std::to_string(code);
}

std::vector<int> CategoricalVariables(const Sheet& sheet) {
    std::vector<int> variables;
    for (int v = 1; v <= sheet.variableCount(); ++v)
        if (ReadCategoryRange(sheet, v).count >= 1) variables.push_back(v);
    return variables;
}

void CombineCategories(Sheet& sheet, CodeRange codes, const std::vector<int>& variables, CaseRange cases) {
    DataChange change(sheet, "カテゴリの結合");
    Grid& grid = sheet.grdVo;
    for (const int v : variables)
        for (int c = cases.first; c <= cases.last; ++c) {
            const CellString old = grid.text(c + 1, v + 1);
            if (auto text = CombinedCell(old.view(), codes); text && *text != old.view()) grid.setText(c + 1, v + 1, *text);
        }
    const int d = codes.high - codes.low;
    if (cases.first == 1 && cases.last == sheet.caseCount() && d > 0) {
        for (const int v : variables) {
            CategoryRange range = ReadCategoryRange(sheet, v);
            range.count = static_cast<std::int16_t>(range.count - d);
            range.maximum = static_cast<std::int16_t>(range.maximum - d);
            WriteCategoryRange(sheet, v, range);
        }
    }
    change.done();
}

}  // namespace zoriduvo

#include "categories/CategoryCombination.h"

#include <algorithm>
#include <limits>

#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/Sheet.h"
#include "sheet/StepCommand.h"
#include "sheet/VariableRecord.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

// The code a code becomes: the rule every cell follows.
long long CombinedCode(long long code, CodeRange codes) {
    if (code <= codes.low) return code;
    return code <= codes.high ? codes.low : code - (static_cast<long long>(codes.high) - codes.low);
}

// The definition after the combination; nullopt when no declared code lies inside lo .. hi.
std::optional<CategoryRange> CombinedRange(const CategoryRange& range, CodeRange codes) {
    const int first = std::max<int>(codes.low, range.minimum), last = std::min<int>(codes.high, range.maximum);
    if (first > last) return std::nullopt;
    // Both ends stay within minimum .. maximum, so every result fits 16 bits.
    return CategoryRange{static_cast<std::int16_t>(range.count - (last - first)),
                         static_cast<std::int16_t>(CombinedCode(range.maximum, codes)),
                         static_cast<std::int16_t>(CombinedCode(range.minimum, codes))};
}

std::optional<CategoryMessage> Refusal(const Sheet& sheet, CodeRange codes, const std::vector<int>& variables) {
    if (codes.high - codes.low > std::numeric_limits<std::int16_t>::max()) return CategoryMessage::SpanBeyond16Bit;
    for (const int v : variables) {
        const auto range = CombinedRange(ReadCategoryRange(sheet, v), codes);
        if (!range) return CategoryMessage::NoDeclaredCode;
        if (range->count < 1) return CategoryMessage::NoCategoryLeft;
    }
    return std::nullopt;
}

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
    return std::to_string(CombinedCode(*value, codes));
}

std::vector<int> CategoricalVariables(const Sheet& sheet) {
    std::vector<int> variables;
    for (int v = 1; v <= sheet.variableCount(); ++v)
        if (ReadCategoryRange(sheet, v).count >= 1) variables.push_back(v);
    return variables;
}

std::optional<CategoryMessage> CombineCategories(Sheet& sheet, CodeRange codes, const std::vector<int>& variables,
                                                 CaseRange cases) {
    if (const auto refusal = Refusal(sheet, codes, variables)) return refusal;
    DataChange change(sheet, "カテゴリの結合");
    Grid& grid = sheet.grdVo;
    for (const int v : variables)
        for (int c = cases.first; c <= cases.last; ++c) {
            const CellString old = grid.text(c + 1, v + 1);
            if (auto text = CombinedCell(old.view(), codes); text && *text != old.view()) grid.setText(c + 1, v + 1, *text);
        }
    if (cases.first == 1 && cases.last == sheet.caseCount() && codes.high > codes.low)
        for (const int v : variables) WriteCategoryRange(sheet, v, *CombinedRange(ReadCategoryRange(sheet, v), codes));
    StepCommand command{"recode", {}, {"--codes", std::to_string(codes.low) + "-" + std::to_string(codes.high)}, {}};
    for (const int v : variables) command.options.insert(command.options.end(), {"--var", VariableWord(v)});
    AddCaseRange(command, cases.first, cases.last, sheet.caseCount());
    change.record(std::move(command));
    change.done();
    return std::nullopt;
}

}  // namespace zoriduvo

#include "variables/VariableDefinition.h"

#include <string>

#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

namespace {
std::int16_t Int16Of(const Grid& grid, int row, int col) {
    if (col >= grid.cols()) return 0;
    return RoundToInt16(LeadingNumber(grid.text(row, col))).value_or(0);
}
}  // namespace

bool IsVariableName(std::string_view name) { return name.find_first_of("\",") == std::string_view::npos; }

bool IsCategorical(const Sheet& sheet, int variable) {
    const Grid& label = sheet.grdVoLabel;
    return variable >= 1 && variable < label.cols() && LeadingNumber(label.text(1, variable)) != 0;
}

VariableDefinition ReadDefinition(const Sheet& sheet, int variable) {
    const Grid& label = sheet.grdVoLabel;
    VariableDefinition d;
    if (variable < 1 || variable >= label.cols()) return d;
    d.name = label.text(0, variable);
    d.count = Int16Of(label, 1, variable);
    d.maximum = Int16Of(label, 2, variable);
    d.minimum = Int16Of(label, 3, variable);
    return d;
}

void WriteDefinition(Sheet& sheet, int variable, const VariableDefinition& d) {
    Grid& label = sheet.grdVoLabel;
    if (label.cols() <= variable) label.setCols(variable + 1);
    sheet.grdVo.setText(1, variable + 1, d.name);
    label.setText(0, variable, d.name);
    label.setText(1, variable, std::to_string(d.count));
    label.setText(2, variable, std::to_string(d.maximum));
    label.setText(3, variable, std::to_string(d.minimum));
}

bool ExtendVariableCount(Sheet& sheet, int variable) {
    const int n = sheet.variableCount();
    if (variable <= n) return false;
    // Blocks below the data were laid out for the old variables; they go before the count grows.
    RemoveStatisticsBlocks(sheet);
    for (int v = n + 1; v <= variable; ++v) sheet.grdVo.setText(0, v + 1, std::to_string(v));
    sheet.setEndCell(0, std::to_string(variable + 1));
    sheet.state().statisticsBlocks = 0;
    return true;
}

CategoryRange CategoryRangeOf(std::string_view minimumText, std::string_view maximumText) {
    CategoryRange range;
    const auto minimum = RoundToInt16(LeadingNumber(minimumText));
    const auto maximum = RoundToInt16(LeadingNumber(maximumText));
    if (!minimum || !maximum) {
        range.error = CategoryRangeError::ValueBeyond16Bit;
        return range;
    }
    const int count = *maximum - *minimum + 1;
    if (count < INT16_MIN || count > INT16_MAX) {
        range.error = CategoryRangeError::CountBeyond16Bit;
        return range;
    }
    range.minimum = *minimum;
    range.maximum = *maximum;
    range.count = static_cast<std::int16_t>(count);
    return range;
}

const char* CategoryRangeMessage(CategoryRangeError error) {
    switch (error) {
    case CategoryRangeError::ValueBeyond16Bit: return "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。";
    case CategoryRangeError::CountBeyond16Bit: return "カテゴリーの範囲が広すぎます。最大と最小の差は 32766 までにして下さい。";
    case CategoryRangeError::None: break;
    }
    return "";
}

}  // namespace zoriduvo

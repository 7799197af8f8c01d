#include "sheet/VariableRecord.h"

#include <string>

#include "sheet/Sheet.h"
#include "sheet/SheetShape.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
std::int16_t Int16Of(const Grid& grid, int row, int col) {
    if (col >= grid.cols() || row >= grid.rows()) return 0;
    return RoundToInt16(grid.cell(row, col).leadingNumber()).value_or(0);
}
}  // namespace

bool IsVariableName(std::string_view name) { return name.find_first_of("\",") == std::string_view::npos; }

bool IsCategorical(const Sheet& sheet, int variable) {
    const Grid& label = sheet.grdVoLabel;
    return variable >= 1 && variable < label.cols() && label.cell(1, variable).leadingNumber() != 0;
}

CategoryRange ReadCategoryRange(const Sheet& sheet, int variable) {
    const Grid& label = sheet.grdVoLabel;
    if (variable < 1) return {};
    return {Int16Of(label, 1, variable), Int16Of(label, 2, variable), Int16Of(label, 3, variable)};
}

VariableDefinition ReadDefinition(const Sheet& sheet, int variable) {
    const Grid& label = sheet.grdVoLabel;
    if (variable < 1 || variable >= label.cols()) return {};
    return {std::string(label.text(0, variable)), ReadCategoryRange(sheet, variable)};
}

void WriteCategoryRange(Sheet& sheet, int variable, const CategoryRange& range) {
    EnsureGridSize(sheet, variable + 2, 0);
    Grid& label = sheet.grdVoLabel;
    label.setText(1, variable, std::to_string(range.count));
    label.setText(2, variable, std::to_string(range.maximum));
    label.setText(3, variable, std::to_string(range.minimum));
}

void WriteDefinition(Sheet& sheet, int variable, const VariableDefinition& d) {
    WriteCategoryRange(sheet, variable, d.category);
    sheet.grdVo.setText(1, variable + 1, d.name);
    sheet.grdVoLabel.setText(0, variable, d.name);
}

}  // namespace zoriduvo

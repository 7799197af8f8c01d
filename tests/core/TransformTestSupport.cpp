#include "TransformTestSupport.h"

#include "support/SheetFill.h"

namespace zoriduvo::test {

void FillNamedSheet(Sheet& sheet, const std::vector<std::string>& names, const std::vector<std::vector<std::string>>& rows) {
    if (!rows.empty()) FillSheet(sheet, rows);
    else sheet.setEndCell(0, std::to_string(names.size() + 1));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int v = static_cast<int>(i) + 1;
        sheet.grdVo.setText(0, v + 1, std::to_string(v));
        sheet.grdVo.setText(1, v + 1, names[i]);
        sheet.grdVoLabel.setText(0, v, names[i]);
        for (int row = 1; row <= 3; ++row) sheet.grdVoLabel.setText(row, v, "0");
    }
}

void SetCategorical(Sheet& sheet, int v, int minimum, int maximum) {
    sheet.grdVoLabel.setText(1, v, std::to_string(maximum - minimum + 1));
    sheet.grdVoLabel.setText(2, v, std::to_string(maximum));
    sheet.grdVoLabel.setText(3, v, std::to_string(minimum));
}

std::vector<std::string> ColumnTexts(const Sheet& sheet, int v) {
    std::vector<std::string> texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts.emplace_back(sheet.grdVo.text(c + 1, v + 1));
    return texts;
}

}  // namespace zoriduvo::test

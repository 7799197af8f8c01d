#include "transform/UsedColumns.h"

#include <string>

#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
constexpr int kSpareColumns = 6;
}

void MatchDefinitionGrids(Sheet& sheet) {
    const int wanted = sheet.grdVo.cols() - 1;
    if (sheet.grdVoLabel.cols() < wanted) sheet.grdVoLabel.setCols(wanted);
    if (sheet.grdVoStat.cols() < wanted) sheet.grdVoStat.setCols(wanted);
}

void ExtendUsedColumns(Sheet& sheet, int lastColumn) {
    const int used = sheet.lastColumn();
    if (lastColumn <= used) return;
    if (sheet.grdVo.cols() - lastColumn < kSpareColumns) sheet.grdVo.setCols(lastColumn + kSpareColumns);
    MatchDefinitionGrids(sheet);
    for (int k = used + 1; k <= lastColumn; ++k) {
        const std::string number = std::to_string(k - 1);
        const std::string name = "V" + number;
        sheet.grdVo.setText(0, k, number);
        sheet.grdVo.setText(1, k, name);
        sheet.grdVoLabel.setText(0, k - 1, name);
        for (int row = 1; row <= 3; ++row) sheet.grdVoLabel.setText(row, k - 1, "0");
    }
    sheet.setEndCell(0, std::to_string(lastColumn));
}

}  // namespace zoriduvo

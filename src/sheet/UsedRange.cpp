#include "sheet/UsedRange.h"

#include <string>

#include "sheet/DefaultNames.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
constexpr int kSpareColumns = 6;
constexpr int kSpareRows = 22;
}  // namespace

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
        const std::string name = DefaultVariableName(k - 1);
        sheet.grdVo.setText(0, k, std::to_string(k - 1));
        sheet.grdVo.setText(1, k, name);
        sheet.grdVoLabel.setText(0, k - 1, name);
        for (int row = 1; row <= 3; ++row) sheet.grdVoLabel.setText(row, k - 1, "0");
    }
    sheet.setEndCell(0, std::to_string(lastColumn));
}

void ExtendUsedRows(Sheet& sheet, int lastRow) {
    const int used = sheet.lastRow();
    if (lastRow <= used) return;
    Grid& vo = sheet.grdVo;
    for (int k = used + 1; k <= lastRow; ++k) {
        vo.setText(k, 0, std::to_string(k - 1));
        vo.setText(k, 1, DefaultCaseName(k - 1));
    }
    if (vo.rows() - lastRow < kSpareRows) vo.setRows(lastRow + kSpareRows);
    sheet.setEndCell(1, std::to_string(lastRow));
}

}  // namespace zoriduvo

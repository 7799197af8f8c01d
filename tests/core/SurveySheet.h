#pragma once
#include <string>

#include "sheet/Sheet.h"
#include "support/SheetFill.h"

namespace zoriduvo::test {

// The small sheet of the golden files: two case groups (2 and 1 cases), a continuous, a
// categorical (1 to 2) and an empty variable, blanks, a case without a name, statistics in
// grdVoStat as the statistics command leaves them, a label and a two-line comment.
inline void FillSurveySheet(Sheet& sheet) {
    FillSheet(sheet, {{"170.5", "1", ""}, {"", "2", ""}, {"160", "", ""}});
    const char* const names[] = {"身長", "性別", "空"};
    for (int v = 1; v <= 3; ++v) {
        sheet.grdVo.setText(1, v + 1, names[v - 1]);
        sheet.grdVoLabel.setText(0, v, names[v - 1]);
        for (int row = 1; row <= 3; ++row) sheet.grdVoLabel.setText(row, v, "0");
    }
    sheet.grdVoLabel.setText(1, 2, "2");
    sheet.grdVoLabel.setText(2, 2, "2");
    sheet.grdVoLabel.setText(3, 2, "1");
    sheet.grdVo.setText(2, 1, "A");
    sheet.grdVo.setText(3, 1, "");
    sheet.grdVo.setText(4, 1, "佐藤");
    sheet.state().caseGroups = 2;
    sheet.grdSInfo.setText(0, 0, "2");
    sheet.grdSInfo.setText(0, 1, "1");
    sheet.information().fileLabel = "調査データ";
    const char* const statistics[3][5] = {{"170.5", "160", "165.25", "7.424621", "2"},
                                          {"2", "1", "1.5", "0.7071068", "2"},
                                          {"-", "-", "-", "-", "0"}};
    sheet.grdVoStat.setText(0, 0, " 1- 3");
    for (int v = 1; v <= 3; ++v)
        for (int row = 1; row <= 5; ++row) sheet.grdVoStat.setText(row, v, statistics[v - 1][row - 1]);
    sheet.setComment("一行目\r\n二行目");
}

}  // namespace zoriduvo::test

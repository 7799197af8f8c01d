#pragma once
#include <string>
#include <vector>

#include "sheet/Sheet.h"

namespace zoriduvo::test {

// Fills a blank sheet as typing would leave it: values[c][v] for case c + 1 and variable v + 1
// (every case as wide as the first), numbers, default names and the end-cell items.
inline void FillSheet(Sheet& sheet, const std::vector<std::vector<std::string>>& values) {
    const int n = static_cast<int>(values.size());
    const int variables = n > 0 ? static_cast<int>(values[0].size()) : 0;
    Grid& grid = sheet.grdVo;
    if (grid.rows() < n + 2) grid.setRows(n + 2);
    if (grid.cols() < variables + 2) {
        grid.setCols(variables + 2);
        sheet.grdVoLabel.setCols(variables + 1);
        sheet.grdVoStat.setCols(variables + 1);
    }
    for (int v = 1; v <= variables; ++v) {
        grid.setText(0, v + 1, std::to_string(v));
        grid.setText(1, v + 1, std::string("V").append(std::to_string(v)));
    }
    for (int c = 1; c <= n; ++c) {
        grid.setText(c + 1, 0, std::to_string(c));
        grid.setText(c + 1, 1, std::string("C").append(std::to_string(c)));
        for (int v = 1; v <= variables; ++v) grid.setText(c + 1, v + 1, values[c - 1][v - 1]);
    }
    sheet.setEndCell(0, std::to_string(variables + 1));
    sheet.setEndCell(1, std::to_string(n + 1));
}

// One variable's values as a sheet of one column.
inline std::vector<std::vector<std::string>> Column(const std::vector<std::string>& values) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& value : values) rows.push_back({value});
    return rows;
}

}  // namespace zoriduvo::test

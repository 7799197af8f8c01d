#include "variables/VariableInformation.h"

#include "sheet/Sheet.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

std::vector<std::array<std::string, 5>> VariableInformation(const Sheet& sheet) {
    std::vector<std::array<std::string, 5>> columns;
    for (int v = 1; v <= sheet.variableCount(); ++v) {
        const std::string name(sheet.grdVo.text(1, v + 1));
        const CategoryRange range = ReadCategoryRange(sheet, v);
        if (range.categorical())
            columns.push_back({std::to_string(v), name, "ｶﾃｺﾞﾘｰ型", std::to_string(range.maximum),
                               std::to_string(range.minimum)});
        else
            columns.push_back({std::to_string(v), name, "連続型", "－", "－"});
    }
    return columns;
}

}  // namespace zoriduvo

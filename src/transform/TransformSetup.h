#pragma once
#include <string>
#include <vector>

#include "sheet/CaseRange.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

class Sheet;

// What frmTrans takes from the sheet when it opens: statements are compiled against these names
// and run over this case range, whatever targets earlier statements of the list add.
struct TransformSetup {
    int variableCount = 0;
    std::vector<std::string> names;           // 1..variableCount; an empty name reads "$" + number
    std::vector<CategoryRange> categories;    // 1..variableCount
    int gridColumns = 0;                      // column count of grdVo
    CaseRange range;
    std::vector<int> groupSizes;              // one per case group; empty when ungrouped
    int cursorRow = 0, cursorCol = 0;         // grdVo's current cell, put back by Cancel
};

TransformSetup ReadTransformSetup(const Sheet& sheet);

}  // namespace zoriduvo

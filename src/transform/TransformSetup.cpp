#include "transform/TransformSetup.h"

#include <algorithm>

#include "sheet/CaseGroups.h"
#include "sheet/Limits.h"
#include "sheet/Sheet.h"
#include "text/NumberText.h"

namespace zoriduvo {

TransformSetup ReadTransformSetup(const Sheet& sheet) {
    TransformSetup setup;
    // Variable numbers are 16-bit entries of the compiled code.
    const int count = std::clamp(std::min(sheet.variableCount(), sheet.grdVo.cols() - 2), 0, kMaxVariables);
    setup.variableCount = count;
    setup.names.assign(count + 1, std::string());
    setup.categories.assign(count + 1, CategoryRange{});
    for (int v = 1; v <= count; ++v) {
        std::string name(sheet.grdVo.text(1, v + 1));
        setup.names[v] = name.empty() ? "$" + std::to_string(v) : name;
        setup.categories[v] = ReadCategoryRange(sheet, v);
    }
    setup.gridColumns = sheet.grdVo.cols();
    setup.range = ReadCaseRange(sheet, WholeRows::ReachLastVariable);
    if (std::vector<int> sizes = CaseGroupSizes(sheet); sizes.size() > 1) setup.groupSizes = std::move(sizes);
    setup.cursorRow = sheet.grdVo.row();
    setup.cursorCol = sheet.grdVo.col();
    return setup;
}

}  // namespace zoriduvo

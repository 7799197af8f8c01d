#include "transform/TransformSetup.h"

#include <algorithm>

#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "sheet/Limits.h"

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
    const int groups = sheet.state().caseGroups;
    if (groups > 1) {
        for (int g = 0; g < groups && g < sheet.grdSInfo.cols(); ++g) {
            const int size = RoundToInt32(LeadingNumber(sheet.grdSInfo.text(0, g))).value_or(0);
            setup.groupSizes.push_back(std::max(size, 0));
        }
    }
    setup.cursorRow = sheet.grdVo.row();
    setup.cursorCol = sheet.grdVo.col();
    return setup;
}

}  // namespace zoriduvo

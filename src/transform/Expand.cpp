#include "transform/Expand.h"

#include <cmath>
#include <string>
#include <vector>

#include "transform/OperationCodes.h"
#include "transform/TransformList.h"
#include "transform/WorkingCopy.h"

namespace zoriduvo {

bool IsExpandStatement(const CompiledExpression& e) { return e.code.size() == 3 && e.code[1] == -kFnExpand; }

std::optional<TransformError> RunExpand(WorkingCopy& copy, const StatementRecord& statement, const TransformSetup& setup) {
    const int v = statement.compiled.code[0];
    const CategoryRange& category = setup.categories[v];
    const bool zeroOne = category.maximum == 1 && category.minimum == 0;
    const int count = zeroOne ? 1 : category.count;
    const int firstValue = zeroOne ? 1 : category.minimum;
    if (count < 1) return std::nullopt;
    int t = copy.findTarget(statement.target);
    std::string base;
    if (t == 0) {
        if (auto refusal = copy.refuseAdding(count)) return refusal;
        base = statement.target;
        t = copy.append(base);
        for (int j = 1; j < count; ++j) copy.append(base);
    } else {
        if (auto refusal = copy.refuseAdding(count - 1)) return refusal;
        base = copy.header(t).name;
        copy.insertAfter(t, count - 1);
    }
    std::vector<WorkColumn*> dummies;
    for (int j = 0; j < count; ++j) {
        WorkColumn& dummy = copy.column(t + j);
        dummy.name = base + "_" + std::to_string(j + 1);
        dummy.category = {2, 1, 0};
        dummy.headerChanged = true;
        dummy.written = true;
        dummies.push_back(&dummy);
    }
    const WorkColumn& source = copy.column(copy.current(v));
    const int n = CasesIn(copy.range());
    for (int i = 0; i < n; ++i) {
        const WorkCell x = source.cell(i);
        // A value that is no whole number of the category range belongs to no category.
        const bool known = x.valid && x.value == std::floor(x.value) && x.value >= static_cast<float>(category.minimum) &&
                           x.value <= static_cast<float>(category.maximum);
        const int value = known ? static_cast<int>(x.value) : 0;
        for (int j = 0; j < count; ++j) {
            dummies[j]->values[i] = known && value == firstValue + j ? 1.0f : 0.0f;
            dummies[j]->valid[i] = known;
        }
    }
    return std::nullopt;
}

}  // namespace zoriduvo

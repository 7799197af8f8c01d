#pragma once
#include <optional>

#include "transform/TransformErrors.h"

namespace zoriduvo {

class WorkingCopy;
struct CompiledExpression;
struct StatementRecord;
struct TransformSetup;

// A statement of the form target = EXPAND(variable).
bool IsExpandStatement(const CompiledExpression& expression);

// Dummy variables for the categories of a categorical variable: one column per category (one for
// a 0/1 variable), named target_1, target_2, ..., each categorical 0/1. A new target adds them at
// the end; an existing one becomes the first and the others are inserted after it. Refused only
// when the sheet or the run has no room for them.
std::optional<TransformError> RunExpand(WorkingCopy& copy, const StatementRecord& statement, const TransformSetup& setup);

}  // namespace zoriduvo

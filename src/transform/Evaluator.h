// The fourth stage: one compiled statement run over the case range of a working copy.
#pragma once
#include <optional>

#include "transform/TransformErrors.h"

namespace zoriduvo {

class Random;
class WorkingCopy;
struct StatementRecord;
struct TransformSetup;

// Determines the target (adding it when it is new), evaluates every case of the range and stores
// the results in the working copy. Refused only when the run would add too many variables.
std::optional<TransformError> RunStatement(WorkingCopy& copy, const StatementRecord& statement,
                                           const TransformSetup& setup, Random& random);

}  // namespace zoriduvo

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
// the results in the working copy once every case is done. Refused when a variable cannot be
// added: the sheet or the run has no room, or a new "$n" target would not become variable n.
std::optional<TransformError> RunStatement(WorkingCopy& copy, const StatementRecord& statement,
                                           const TransformSetup& setup, Random& random);

}  // namespace zoriduvo

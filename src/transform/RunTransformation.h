#pragma once
#include <optional>
#include <vector>

#include "transform/TransformErrors.h"

namespace zoriduvo {

class App;
class Sheet;
class TransformList;
struct StatementRecord;
struct TransformSetup;

// Runs the statements in order over the setup's case range and writes the results into the sheet
// in one bulk change; then the sheet is modified and its statistics are no longer valid. A refused
// run leaves the sheet as it was.
std::optional<TransformError> RunTransformation(App& app, Sheet& sheet, const TransformSetup& setup,
                                                const std::vector<StatementRecord>& statements);

// "実行" of frmTrans: runs the list and shows the message of a refusal. True when the run was done.
bool ExecuteTransformation(App& app, Sheet& sheet, const TransformList& list);

}  // namespace zoriduvo

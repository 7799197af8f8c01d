// The statement list of frmTrans without its widgets: every added line has its compiled record,
// and the run executes exactly the lines the list shows, in list order.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transform/ExpressionCompiler.h"
#include "transform/TransformErrors.h"
#include "transform/TransformSetup.h"

namespace zoriduvo {

struct StatementRecord {
    std::string text;        // as typed, shown in lstTForm
    std::string target;      // as written, without surrounding double quotes
    std::string expression;  // the statement without its assignment(s)
    CompiledExpression compiled;
};

class TransformList {
public:
    static constexpr int kMaxStatements = 20;

    explicit TransformList(TransformSetup setup);

    // Checks the form, compiles and appends; on failure nothing changes.
    std::optional<TransformError> add(std::string_view statement);
    // Takes a line out for editing: its text goes back to the edit line.
    std::string takeForCorrection(int index);
    void remove(int index);

    int size() const { return static_cast<int>(records_.size()); }
    const std::vector<StatementRecord>& records() const { return records_; }
    // The names lstVar shows: the sheet's variables, then the new targets in the order they came.
    const std::vector<std::string>& variableList() const { return variableList_; }
    const TransformSetup& setup() const { return setup_; }

private:
    bool isKnownTarget(const std::string& target) const;

    TransformSetup setup_;
    std::vector<StatementRecord> records_;
    std::vector<std::string> variableList_;
};

}  // namespace zoriduvo

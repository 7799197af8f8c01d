#include "transform/TransformList.h"

#include <algorithm>

#include "text/NumberText.h"
#include "text/Trim.h"
#include "transform/Scanner.h"
#include "transform/StatementForm.h"

namespace zoriduvo {

TransformList::TransformList(TransformSetup setup) : setup_(std::move(setup)) {
    variableList_.assign(setup_.names.begin() + std::min<std::size_t>(1, setup_.names.size()), setup_.names.end());
}

bool TransformList::isKnownTarget(const std::string& target) const {
    if (std::find(variableList_.begin(), variableList_.end(), target) != variableList_.end()) return true;
    if (target.size() < 2 || target[0] != '$') return false;
    const double n = LeadingNumber(std::string_view(target).substr(1));
    return n >= 1 && n <= setup_.variableCount && n == static_cast<int>(n);
}

std::optional<TransformError> TransformList::add(std::string_view statement) {
    if (size() >= kMaxStatements) return TransformError{TransformErrorCode::TooManyStatements, 0};
    StatementParts parts = SplitStatement(statement);
    if (parts.error) return parts.error;
    // $0 reads the case number, so a variable of that name could never be read.
    if (VariableNumberOf(parts.target) == 0) return TransformError{TransformErrorCode::CaseNumberTarget, 0};
    CompileResult compiled = CompileExpression(parts.expression, setup_);
    if (compiled.error) return compiled.error;
    if (!isKnownTarget(parts.target)) variableList_.push_back(parts.target);
    records_.push_back({std::string(Trim(statement)), std::move(parts.target), std::move(parts.expression),
                        std::move(compiled.expression)});
    return std::nullopt;
}

std::string TransformList::takeForCorrection(int index) {
    if (index < 0 || index >= size()) return {};
    std::string text = records_[index].text;
    remove(index);
    return text;
}

void TransformList::remove(int index) {
    if (index < 0 || index >= size()) return;
    records_.erase(records_.begin() + index);
}

}  // namespace zoriduvo

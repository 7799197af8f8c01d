#include "transform/Evaluator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/Random.h"
#include "text/NumberText.h"
#include "transform/Arithmetic.h"
#include "transform/Expand.h"
#include "transform/OperationCodes.h"
#include "transform/RangeTables.h"
#include "transform/Scanner.h"
#include "transform/TransformList.h"
#include "transform/WorkingCopy.h"

namespace zoriduvo {

namespace {

// A record that did not come from the compiler for this copy is not run.
bool FitsCopy(const CompiledExpression& e, const WorkingCopy& copy) {
    if (!CodeIsBalanced(e.code)) return false;
    auto variableAt = [&](std::size_t i, std::size_t back) { return i >= back && IsVariableEntry(e.code[i - back]); };
    for (std::size_t i = 0; i < e.code.size(); ++i) {
        const int entry = e.code[i];
        if (IsVariableEntry(entry) && entry > copy.openingCount()) return false;
        if (IsConstantEntry(entry) && -entry > static_cast<int>(e.constants.size())) return false;
        const int code = -entry;
        if ((code == kFnRank || code == kFnStdval || code == kFnExpand) && !variableAt(i, 1)) return false;
        if (code == kFnSum && !(variableAt(i, 1) && variableAt(i, 2))) return false;
        if (code == kFnLag && !variableAt(i, 2)) return false;
    }
    return true;
}

// Evaluates one statement's code case by case; the tables that look at the whole range (RANK,
// STDVAL, GROUP) are made once, before the first case.
class CaseEvaluator {
public:
    CaseEvaluator(WorkingCopy& copy, const CompiledExpression& expression, const WorkColumn& target,
                  const TransformSetup& setup, Random& random);
    WorkCell evaluate(int c);

private:
    void apply(int code, std::size_t at, int c);
    WorkCell pop() { return stack_[--depth_]; }
    void push(WorkCell cell) { stack_[depth_++] = cell; }
    void push(Outcome o, bool operandsValid) { push({o.value, operandsValid && o.ok}); }
    WorkCell sum(std::size_t at, int index, WorkCell a, WorkCell b) const;
    WorkCell lag(std::size_t at, int c, WorkCell x, WorkCell k) const;
    float uniform();

    const CompiledExpression& expression_;
    const WorkColumn& target_;
    Random& random_;
    CaseRange range_;
    std::vector<const WorkColumn*> columns_;               // by code position
    std::vector<std::vector<const WorkColumn*>> sums_;     // by code position of SUM
    std::vector<std::vector<float>> ranks_;                // by code position of RANK
    std::vector<MeanAndDeviation> standards_;              // by code position of STDVAL
    std::vector<int> groups_;
    std::array<WorkCell, kEvaluationStack> stack_{};
    int depth_ = 0;
};

CaseEvaluator::CaseEvaluator(WorkingCopy& copy, const CompiledExpression& expression, const WorkColumn& target,
                             const TransformSetup& setup, Random& random)
    : expression_(expression), target_(target), random_(random), range_(copy.range()) {
    const auto& code = expression.code;
    const std::size_t n = code.size();
    columns_.assign(n, nullptr);
    sums_.resize(n);
    ranks_.resize(n);
    standards_.resize(n);
    auto columnOf = [&](int entry) -> const WorkColumn& { return copy.column(copy.current(entry)); };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const int entry = code[i];
        if (IsVariableEntry(entry)) columns_[i] = &columnOf(entry);
        switch (-entry) {
        case kFnLag: columns_[i] = &columnOf(code[i - 2]); break;
        case kFnRank: {
            const WorkColumn& v = columnOf(code[i - 1]);
            ranks_[i] = RankValues(v.values, v.valid);
            break;
        }
        case kFnStdval: {
            const WorkColumn& v = columnOf(code[i - 1]);
            standards_[i] = ComputeMeanAndDeviation(v.values, v.valid);
            break;
        }
        case kFnSum: {
            const int a = copy.current(code[i - 2]), b = copy.current(code[i - 1]);
            for (int v = std::min(a, b); v <= std::max(a, b); ++v) sums_[i].push_back(&copy.column(v));
            break;
        }
        case kFnGroup:
            if (groups_.empty()) groups_ = GroupNumbers(setup.groupSizes, range_);
            break;
        default: break;
        }
    }
}

float CaseEvaluator::uniform() {
    const float u = static_cast<float>(random_.next());
    return u < 1.0f ? u : std::nextafter(1.0f, 0.0f);
}

WorkCell CaseEvaluator::evaluate(int c) {
    const auto& code = expression_.code;
    depth_ = 0;
    const int index = c - range_.first;
    for (std::size_t i = 0; i + 1 < code.size(); ++i) {
        const int entry = code[i];
        if (IsVariableEntry(entry)) push(columns_[i]->cell(index));
        else if (entry == 0) push({static_cast<float>(c), true});
        else if (IsConstantEntry(entry)) push({expression_.constants[-entry - 1], true});
        else apply(-entry, i, c);
    }
    return depth_ == 1 ? stack_[0] : WorkCell{};
}

WorkCell CaseEvaluator::sum(std::size_t at, int index, WorkCell a, WorkCell b) const {
    float total = 0;
    bool valid = a.valid && b.valid;
    for (const WorkColumn* column : sums_[at]) {
        const WorkCell cell = column->cell(index);
        valid = valid && cell.valid;
        total += cell.value;
    }
    if (!std::isfinite(total)) return {b.value, false};
    return {total, valid};
}

WorkCell CaseEvaluator::lag(std::size_t at, int c, WorkCell x, WorkCell k) const {
    const auto earlier = RoundToInt32(static_cast<double>(c) - static_cast<double>(k.value));
    if (!x.valid || !k.valid || !earlier || !range_.contains(*earlier)) return {k.value, false};
    const WorkCell before = columns_[at]->cell(*earlier - range_.first);
    if (!before.valid) return {k.value, false};
    const float difference = x.value - before.value;
    if (!std::isfinite(difference)) return {k.value, false};
    return {difference, true};
}

void CaseEvaluator::apply(int code, std::size_t at, int c) {
    const int index = c - range_.first;
    switch (code) {
    // A condition with no value is not true, whatever value stands in for it.
    case kOpIf: {
        const WorkCell y = pop(), x = pop(), condition = pop();
        push(condition.valid && condition.value != 0 ? x : y);
        return;
    }
    case kOpIfThen: {
        const WorkCell x = pop(), condition = pop();
        push(condition.valid && condition.value != 0 ? x : target_.cell(index));
        return;
    }
    case kOpNot:
    case kOpNegate:
    case kOpNegateExponent: {
        const WorkCell x = pop();
        push(ApplyUnary(code, x.value), x.valid);
        return;
    }
    case kFnRnd: {
        const WorkCell x = pop();
        push({uniform(), x.valid});
        return;
    }
    case kFnNrnd: {
        const WorkCell x = pop();
        const double u1 = random_.next(), u2 = random_.next();
        push(NormalFromUniforms(u1, u2, x.value), x.valid);
        return;
    }
    case kFnSum: {
        const WorkCell b = pop(), a = pop();
        push(sum(at, index, a, b));
        return;
    }
    case kFnLag: {
        const WorkCell k = pop(), x = pop();
        push(lag(at, c, x, k));
        return;
    }
    case kFnRank: {
        const WorkCell x = pop();
        push({ranks_[at][index], x.valid});
        return;
    }
    case kFnStdval: {
        const WorkCell x = pop();
        const MeanAndDeviation& s = standards_[at];
        const float z = s.deviation > 0 ? (x.value - s.mean) / s.deviation : 0.0f;
        push({std::isfinite(z) ? z : x.value, x.valid && std::isfinite(z)});
        return;
    }
    case kFnGroup: {
        const WorkCell x = pop();
        push({static_cast<float>(groups_[index]), x.valid});
        return;
    }
    default: break;
    }
    if (IsFunction(code)) {
        const WorkCell x = pop();
        push(ApplyFunction(code, x.value), x.valid);
        return;
    }
    const WorkCell right = pop(), left = pop();
    push(ApplyOperator(code, left.value, right.value), left.valid && right.valid);
}

}  // namespace

std::optional<TransformError> RunStatement(WorkingCopy& copy, const StatementRecord& statement,
                                           const TransformSetup& setup, Random& random) {
    const CompiledExpression& expression = statement.compiled;
    if (!FitsCopy(expression, copy)) return TransformError{TransformErrorCode::OperandMismatch, 0};
    if (IsExpandStatement(expression)) return RunExpand(copy, statement, setup);
    int t = copy.findTarget(statement.target);
    if (t == 0) {
        // "$n" reads variable n, so a new variable may take that name only as variable n.
        const long number = VariableNumberOf(statement.target);
        if (number >= 0 && number != copy.variableCount() + 1)
            return TransformError{TransformErrorCode::BadTargetNumber, 0};
        if (auto refusal = copy.refuseAdding(1)) return refusal;
        t = copy.append(statement.target);
    }
    WorkColumn& target = copy.column(t);
    CaseEvaluator evaluator(copy, expression, target, setup, random);
    const CaseRange range = copy.range();
    // Results wait until every case is done: LAG may read other cases of the target itself.
    std::vector<float> values(target.values.size(), 0.0f);
    std::vector<std::uint8_t> valid(target.valid.size(), 0);
    for (int c = range.first; c <= range.last; ++c) {
        const WorkCell result = evaluator.evaluate(c);
        values[c - range.first] = result.valid ? result.value : 0.0f;
        valid[c - range.first] = result.valid;
    }
    target.values = std::move(values);
    target.valid = std::move(valid);
    target.written = true;
    return std::nullopt;
}

}  // namespace zoriduvo

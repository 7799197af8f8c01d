#include "transform/ExpressionCompiler.h"

#include "transform/OperationCodes.h"
#include "transform/SyntaxChecker.h"
#include "transform/TransformSetup.h"

namespace zoriduvo {

namespace {

// Argument markers sit above their function on the stack until its bracket closes.
constexpr int kMarkerOne = 1001;
constexpr int kMarkerTwoWaiting = 1002;
constexpr int kMarkerTwoSatisfied = 1003;

bool IsMarker(int code) { return code >= kMarkerOne && code <= kMarkerTwoSatisfied; }

TransformError Fail(TransformErrorCode code, int position) { return {code, position}; }

}  // namespace

int ExpressionCompiler::precedenceOf(const Entry& entry) {
    if (entry.code == kOpOpen) return 0;
    if (IsMarker(entry.code)) return Precedence(kFirstFunction);
    return Precedence(entry.code);
}

std::optional<TransformError> ExpressionCompiler::push(int code, int position) {
    if (result_.code.size() + stack_.size() >= kCompileSlots) return Fail(TransformErrorCode::ExpressionTooLong, position);
    stack_.push_back({code, position});
    return std::nullopt;
}

std::optional<TransformError> ExpressionCompiler::append(int entry, int position) {
    if (result_.code.size() + stack_.size() >= kCompileSlots) return Fail(TransformErrorCode::ExpressionTooLong, position);
    result_.code.push_back(static_cast<std::int16_t>(entry));
    return std::nullopt;
}

std::optional<TransformError> ExpressionCompiler::accept(const Token& token, int ifCounter) {
    ifCounter_ = ifCounter;
    switch (token.kind) {
    case TokenKind::Variable: return append(token.code, token.position);
    case TokenKind::CaseNumber: return append(0, token.position);
    case TokenKind::Number:
        if (result_.constants.size() >= kMaxConstants) return Fail(TransformErrorCode::ExpressionTooLong, token.position);
        result_.constants.push_back(token.value);
        return append(-static_cast<int>(result_.constants.size()), token.position);
    case TokenKind::Open: return push(kOpOpen, token.position);
    case TokenKind::Function:
        if (auto error = push(token.code, token.position)) return error;
        return push(FunctionArguments(token.code) == 2 ? kMarkerTwoWaiting : kMarkerOne, token.position);
    case TokenKind::Comma:
        if (stack_.size() < 2 || stack_.back().code != kOpOpen || stack_[stack_.size() - 2].code != kMarkerTwoWaiting)
            return Fail(TransformErrorCode::CommaNotExpected, token.position);
        stack_[stack_.size() - 2].code = kMarkerTwoSatisfied;
        return std::nullopt;
    case TokenKind::Close:
        while (!stack_.empty() && stack_.back().code != kOpOpen) {
            const Entry top = stack_.back();
            stack_.pop_back();
            if (auto error = output(top)) return error;
        }
        if (stack_.empty()) return Fail(TransformErrorCode::CloseBracketNeeded, token.position);
        stack_.pop_back();
        return std::nullopt;
    case TokenKind::Operator:
    case TokenKind::Keyword:
        if (auto error = popWhile(Precedence(token.code))) return error;
        return push(token.code, token.position);
    case TokenKind::End:
    case TokenKind::Error: break;
    }
    return Fail(TransformErrorCode::SyntaxError, token.position);
}

std::optional<TransformError> ExpressionCompiler::popWhile(int precedence) {
    while (!stack_.empty() && precedenceOf(stack_.back()) >= precedence) {
        const Entry top = stack_.back();
        stack_.pop_back();
        if (auto error = output(top)) return error;
    }
    return std::nullopt;
}

std::optional<TransformError> ExpressionCompiler::output(const Entry& entry) {
    if (entry.code == kOpOpen) return Fail(TransformErrorCode::CloseBracketNeeded, entry.position);
    if (entry.code == kMarkerTwoWaiting) return Fail(TransformErrorCode::CommaNeeded, entry.position);
    if (IsMarker(entry.code)) return std::nullopt;
    if (entry.code == kOpIf) return outputIf(entry);
    if (IsFunction(entry.code))
        if (auto error = checkArguments(entry)) return error;
    // THEN and ELSE stand in the code until their IF is written over them.
    return append(-entry.code, entry.position);
}

std::optional<TransformError> ExpressionCompiler::outputIf(const Entry& entry) {
    auto& code = result_.code;
    const std::size_t n = code.size();
    if (ifCounter_ == 6 && n >= 2 && code[n - 2] == -kOpElse && code[n - 1] == -kOpThen) {
        code.resize(n - 2);
        return append(-kOpIf, entry.position);
    }
    if (ifCounter_ == 4 && n >= 1 && code[n - 1] == -kOpThen) {
        code.resize(n - 1);
        return append(-kOpIfThen, entry.position);
    }
    return Fail(TransformErrorCode::IfStructure, entry.position);
}

std::optional<TransformError> ExpressionCompiler::checkArguments(const Entry& function) const {
    const auto& code = result_.code;
    const std::size_t n = code.size();
    auto variableAt = [&](std::size_t back) { return n >= back && IsVariableEntry(code[n - back]); };
    const TransformError nameOnly = Fail(TransformErrorCode::VariableNameOnly, function.position);
    switch (function.code) {
    case kFnSum:
        if (!variableAt(1) || !variableAt(2)) return nameOnly;
        break;
    case kFnRank:
    case kFnStdval:
        if (!variableAt(1)) return nameOnly;
        break;
    case kFnLag:
        // A longer second argument would move the first one out of its place.
        if (n < 2 || !IsOperandEntry(code[n - 1])) return Fail(TransformErrorCode::LagSecondArgument, function.position);
        if (!variableAt(2)) return nameOnly;
        break;
    case kFnExpand: {
        if (!variableAt(1)) return nameOnly;
        const CategoryRange& category = setup_.categories[code[n - 1]];
        // A count below 1 is "categorical" by the sheet's test but names no category.
        if (category.count < 1) return Fail(TransformErrorCode::NotCategorical, function.position);
        if (setup_.variableCount + category.count > setup_.gridColumns - 1)
            return Fail(TransformErrorCode::NotEnoughCells, function.position);
        break;
    }
    default: break;
    }
    return std::nullopt;
}

std::optional<TransformError> ExpressionCompiler::finish(int ifCounter, int position) {
    ifCounter_ = ifCounter;
    if (auto error = popWhile(0)) return error;
    if (auto error = append(0, position)) return error;
    const auto& code = result_.code;
    if (code.size() > kMaxCodeEntries) return Fail(TransformErrorCode::ExpressionTooLong, position);
    if (!CodeIsBalanced(code)) return Fail(TransformErrorCode::OperandMismatch, position);
    for (std::size_t i = 0; i < code.size(); ++i)
        if (code[i] == -kFnExpand && !(code.size() == 3 && i == 1))
            return Fail(TransformErrorCode::ExpandNotAlone, position);
    return std::nullopt;
}

bool CodeIsBalanced(const std::vector<std::int16_t>& code) {
    if (code.empty() || code.back() != 0) return false;
    int depth = 0;
    for (std::size_t i = 0; i + 1 < code.size(); ++i) {
        const int entry = code[i];
        if (IsOperandEntry(entry)) {
            if (++depth > kEvaluationStack) return false;
            continue;
        }
        const int taken = OperandCount(-entry);
        if (taken < 0 || depth < taken) return false;
        depth = depth - taken + 1;
    }
    return depth == 1;
}

CompileResult CompileExpression(std::string_view text, const TransformSetup& setup) {
    Scanner scanner(text, setup);
    SyntaxChecker checker;
    ExpressionCompiler compiler(setup);
    for (;;) {
        const Token token = scanner.next();
        if (auto error = checker.accept(token)) return {{}, error};
        if (token.kind == TokenKind::End) {
            if (auto error = compiler.finish(checker.ifCounter(), token.position)) return {{}, error};
            return {compiler.result(), std::nullopt};
        }
        if (auto error = compiler.accept(token, checker.ifCounter())) return {{}, error};
    }
}

}  // namespace zoriduvo

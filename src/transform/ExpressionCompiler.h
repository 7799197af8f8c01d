// The third stage: tokens into postfix code by the operator-precedence method with one stack.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "transform/Scanner.h"

namespace zoriduvo {

struct TransformSetup;

struct CompiledExpression {
    std::vector<std::int16_t> code;  // postfix; the end marker 0 is the last entry
    std::vector<float> constants;    // constant k is constants[k - 1]
};

class ExpressionCompiler {
public:
    explicit ExpressionCompiler(const TransformSetup& setup) : setup_(setup) {}
    // Takes one token the checker has passed (not End); ifCounter is the checker's count so far.
    std::optional<TransformError> accept(const Token& token, int ifCounter);
    // The end of the text: empties the stack, appends the end marker and verifies the code.
    std::optional<TransformError> finish(int ifCounter, int position);
    const CompiledExpression& result() const { return result_; }

private:
    struct Entry {
        int code;
        int position;
    };
    static int precedenceOf(const Entry& entry);
    std::optional<TransformError> push(int code, int position);
    std::optional<TransformError> append(int entry, int position);
    std::optional<TransformError> popWhile(int precedence);
    std::optional<TransformError> output(const Entry& entry);
    std::optional<TransformError> outputIf(const Entry& entry);
    std::optional<TransformError> checkArguments(const Entry& function) const;

    const TransformSetup& setup_;
    CompiledExpression result_;
    std::vector<Entry> stack_;
    int ifCounter_ = 0;
};

struct CompileResult {
    CompiledExpression expression;
    std::optional<TransformError> error;
};

// Scanner, checker and compiler over one expression text; the first failure ends it.
CompileResult CompileExpression(std::string_view text, const TransformSetup& setup);

// True when the code never takes an operand it has not got and leaves exactly one value.
bool CodeIsBalanced(const std::vector<std::int16_t>& code);

}  // namespace zoriduvo

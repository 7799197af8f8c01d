// The second stage: which token may follow which, and the order of IF, THEN and ELSE.
#pragma once
#include <optional>

#include "transform/Scanner.h"

namespace zoriduvo {

class SyntaxChecker {
public:
    // Checks the next token (End included); an Error token from the scanner is passed on as it is.
    std::optional<TransformError> accept(const Token& token);
    // Counts IF, THEN and ELSE with one step for the first token after each: 6 after
    // IF c THEN x ELSE y, 4 after IF c THEN x.
    int ifCounter() const { return ifCounter_; }

private:
    enum class Class { Operand, Opening, Closing, Operator, Function, Separator };
    static Class classOf(const Token& token);
    std::optional<TransformError> checkAdjacency(const Token& token) const;
    std::optional<TransformError> checkConditional(const Token& token);

    Class previous_ = Class::Opening;
    bool previousKeyword_ = false;
    bool first_ = true;
    int ifCounter_ = 0;
};

}  // namespace zoriduvo

#include "transform/SyntaxChecker.h"

#include <initializer_list>

#include "transform/OperationCodes.h"

namespace zoriduvo {

SyntaxChecker::Class SyntaxChecker::classOf(const Token& token) {
    switch (token.kind) {
    case TokenKind::Open:
    case TokenKind::Keyword: return Class::Opening;
    case TokenKind::Close: return Class::Closing;
    case TokenKind::Operator: return Class::Operator;
    case TokenKind::Function: return Class::Function;
    case TokenKind::Comma: return Class::Separator;
    default: return Class::Operand;
    }
}

std::optional<TransformError> SyntaxChecker::checkAdjacency(const Token& token) const {
    auto after = [&](std::initializer_list<Class> refused) {
        for (Class c : refused)
            if (previous_ == c) return true;
        return false;
    };
    using C = Class;
    bool refused = false;
    switch (token.kind) {
    case TokenKind::Variable:
    case TokenKind::CaseNumber:
    case TokenKind::Number: refused = after({C::Operand, C::Closing, C::Function}); break;
    case TokenKind::Open: refused = after({C::Operand, C::Closing, C::Separator}); break;
    case TokenKind::Keyword: refused = after({C::Separator}); break;
    case TokenKind::Close: refused = after({C::Opening, C::Operator, C::Function, C::Separator}); break;
    case TokenKind::Operator:
        refused = IsTwoOperandOperator(token.code) ? after({C::Opening, C::Operator, C::Function, C::Separator})
                                                   : after({C::Function, C::Separator});
        break;
    case TokenKind::Function: refused = after({C::Operand, C::Closing, C::Function, C::Separator}); break;
    case TokenKind::Comma: refused = after({C::Opening, C::Closing, C::Operator, C::Function, C::Separator}); break;
    case TokenKind::End:
        // A statement may not stop in the middle of a part.
        if (after({C::Operator, C::Function, C::Separator}))
            return TransformError{TransformErrorCode::UnfinishedExpression, token.position};
        if (previousKeyword_)
            return TransformError{TransformErrorCode::IfStructure, token.position};
        return std::nullopt;
    case TokenKind::Error: return TransformError{token.error, token.position};
    }
    if (refused) return TransformError{TransformErrorCode::SyntaxError, token.position};
    return std::nullopt;
}

std::optional<TransformError> SyntaxChecker::checkConditional(const Token& token) {
    if (token.kind == TokenKind::Keyword) {
        const int wanted = token.code == kOpIf ? 0 : token.code == kOpThen ? 2 : 4;
        if (ifCounter_ != wanted || (token.code == kOpIf && !first_))
            return TransformError{TransformErrorCode::IfStructure, token.position};
        ++ifCounter_;
    } else if (ifCounter_ % 2 == 1 && token.kind != TokenKind::End) {
        ++ifCounter_;
    }
    return std::nullopt;
}

std::optional<TransformError> SyntaxChecker::accept(const Token& token) {
    if (auto error = checkAdjacency(token)) return error;
    if (auto error = checkConditional(token)) return error;
    previous_ = classOf(token);
    previousKeyword_ = token.kind == TokenKind::Keyword;
    first_ = false;
    return std::nullopt;
}

}  // namespace zoriduvo

#include "transform/StatementForm.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {


std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Where a keyword of the IF form stands: the first place it is followed by a blank, npos if none.
std::size_t FindKeyword(std::string_view upper, std::string_view word) {
    for (std::size_t at = upper.find(word); at != std::string_view::npos; at = upper.find(word, at + 1))
        if (at + word.size() < upper.size() && IsSpaceOrTab(upper[at + word.size()])) return at;
    return std::string_view::npos;
}

// The form is told apart by a space after its keywords; after a tab the parts would run together
// into a target name.
bool TabFollows(std::string_view text, std::size_t keyword, std::size_t length) {
    return keyword != std::string_view::npos && text[keyword + length] == '\t';
}

struct Assignment {
    std::string target;
    std::string expression;
    std::optional<TransformError> error;
};

std::optional<TransformError> Fail(TransformErrorCode code, std::size_t position) {
    return TransformError{code, static_cast<int>(position)};
}

// text starts at byte offset `offset` of the statement, for the error positions.
Assignment SplitAssignment(std::string_view text, std::size_t offset) {
    Assignment a;
    std::size_t start = 0;
    while (start < text.size() && IsSpaceOrTab(text[start])) ++start;
    std::size_t equals;
    if (start < text.size() && text[start] == '"') {
        const std::size_t close = text.find('"', start + 1);
        if (close == std::string_view::npos) {
            a.error = Fail(TransformErrorCode::MissingClosingQuote, offset + start);
            return a;
        }
        a.target = std::string(text.substr(start + 1, close - start - 1));
        equals = close + 1;
        while (equals < text.size() && IsSpaceOrTab(text[equals])) ++equals;
        if (equals >= text.size() || text[equals] != '=') {
            a.error = Fail(TransformErrorCode::MissingEquals, offset + equals);
            return a;
        }
    } else {
        equals = text.find('=', start);
        if (equals == std::string_view::npos) {
            a.error = Fail(TransformErrorCode::MissingEquals, offset + text.size());
            return a;
        }
        a.target = std::string(Trim(text.substr(start, equals - start)));
        if (!a.target.empty() && std::string_view("+-*/\\^%=<>.,()0123456789").find(a.target[0]) != std::string_view::npos) {
            a.error = Fail(TransformErrorCode::TargetStartsWithSymbol, offset + start);
            return a;
        }
        if (FindKeyword(UpperAscii(a.target), "IF") == 0) {
            a.error = Fail(TransformErrorCode::NestedIf, offset + start);
            return a;
        }
    }
    if (a.target.empty()) {
        a.error = Fail(TransformErrorCode::EmptyTarget, offset + start);
        return a;
    }
    // Names with these characters break the sheet's files.
    if (a.target.find_first_of("\",") != std::string::npos) {
        a.error = Fail(TransformErrorCode::BadTargetName, offset + start);
        return a;
    }
    a.expression = std::string(text.substr(equals + 1));
    if (Trim(a.expression).empty()) a.error = Fail(TransformErrorCode::EmptyExpression, offset + equals + 1);
    return a;
}

}  // namespace

StatementParts SplitStatement(std::string_view statement) {
    StatementParts parts;
    const std::size_t lead = statement.find_first_not_of(" \t");
    const std::string_view t = Trim(statement);
    const std::size_t offset = lead == std::string_view::npos ? 0 : lead;
    const std::string upper = UpperAscii(t);
    if (upper.rfind("IF\t", 0) == 0) {
        parts.error = Fail(TransformErrorCode::TabAfterKeyword, offset + 2);
        return parts;
    }
    if (upper.rfind("IF ", 0) != 0) {
        Assignment a = SplitAssignment(t, offset);
        parts.error = a.error;
        if (!a.error) parts.target = std::move(a.target), parts.expression = std::move(a.expression);
        return parts;
    }
    const std::size_t then = FindKeyword(upper, "THEN");
    if (then == std::string::npos) {
        parts.error = Fail(TransformErrorCode::NotIfThenElse, offset);
        return parts;
    }
    if (TabFollows(t, then, 4)) {
        parts.error = Fail(TransformErrorCode::TabAfterKeyword, offset + then + 4);
        return parts;
    }
    const std::string_view condition = t.substr(0, then + 5);
    Assignment first = SplitAssignment(t.substr(then + 5), offset + then + 5);
    if (first.error) {
        parts.error = first.error;
        return parts;
    }
    const std::size_t expressionAt = offset + t.size() - first.expression.size();
    const std::size_t elseAt = FindKeyword(UpperAscii(first.expression), "ELSE");
    if (TabFollows(first.expression, elseAt, 4)) {
        parts.error = Fail(TransformErrorCode::TabAfterKeyword, expressionAt + elseAt + 4);
        return parts;
    }
    if (elseAt == std::string::npos) {
        parts.target = std::move(first.target);
        parts.expression = std::string(condition) + first.expression;
        return parts;
    }
    const std::string_view thenValue = std::string_view(first.expression).substr(0, elseAt);
    if (Trim(thenValue).empty()) {
        parts.error = Fail(TransformErrorCode::EmptyExpression, expressionAt);
        return parts;
    }
    Assignment second = SplitAssignment(std::string_view(first.expression).substr(elseAt + 5), expressionAt + elseAt + 5);
    if (second.error) {
        parts.error = second.error;
        return parts;
    }
    if (second.target != first.target) {
        parts.error = Fail(TransformErrorCode::DifferentTarget, expressionAt + elseAt + 5);
        return parts;
    }
    parts.target = std::move(first.target);
    parts.expression = std::string(condition) + std::string(thenValue) + "ELSE " + second.expression;
    return parts;
}

}  // namespace zoriduvo

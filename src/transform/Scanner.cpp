#include "transform/Scanner.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "text/NumberText.h"
#include "text/Trim.h"
#include "transform/OperationCodes.h"
#include "transform/TransformSetup.h"

namespace zoriduvo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool EndsWord(char c) {
    return IsSpaceOrTab(c) || std::string_view("+-*/\\^%,()<>=").find(c) != std::string_view::npos;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

Token Make(TokenKind kind, int code, std::size_t start, std::string_view text) {
    Token t;
    t.kind = kind;
    t.code = code;
    t.position = static_cast<int>(start);
    t.text = text;
    return t;
}

Token Failure(TransformErrorCode error, std::size_t start, std::string_view text) {
    Token t = Make(TokenKind::Error, 0, start, text);
    t.error = error;
    return t;
}

int ComparisonCode(char first, char second) {
    const std::string pair{first, second};
    if (pair == "<=" || pair == "=<") return kOpLessEqual;
    if (pair == ">=" || pair == "=>") return kOpGreaterEqual;
    if (pair == "<>" || pair == "><") return kOpNotEqual;
    return first == '=' ? kOpEqual : first == '<' ? kOpLess : kOpGreater;
}

struct Keyword {
    std::string_view name;
    TokenKind kind;
    int code;
};

constexpr Keyword kKeywords[] = {
    {"IF", TokenKind::Keyword, kOpIf},   {"THEN", TokenKind::Keyword, kOpThen}, {"ELSE", TokenKind::Keyword, kOpElse},
    {"MOD", TokenKind::Operator, kOpMod}, {"OR", TokenKind::Operator, kOpOr},   {"AND", TokenKind::Operator, kOpAnd},
    {"NOT", TokenKind::Operator, kOpNot},
};

}  // namespace

long VariableNumberOf(std::string_view word) {
    if (word.size() < 2 || word[0] != '$') return -1;
    const std::string_view digits = word.substr(1);
    if (digits.size() > 1 && digits[0] == '0') return -1;
    long n = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return -1;
        if (n < 1'000'000) n = n * 10 + (c - '0');
    }
    return n;
}

Token Scanner::next() {
    if (last_) return *last_;
    if (pending_) {
        last_ = pending_;
        pending_.reset();
        return *last_;
    }
    Token t = scan();
    if (t.kind == TokenKind::End || t.kind == TokenKind::Error) last_ = t;
    previous_ = t;
    if (t.kind == TokenKind::Function) {
        // The bracket must follow the name, blanks aside; the end of the text is left to the checker.
        const auto c = peekNonBlank();
        if (c && *c != '(') pending_ = Failure(TransformErrorCode::FunctionNeedsBracket, at_, text_.substr(at_, 0));
    }
    return t;
}

std::optional<char> Scanner::peekNonBlank() const {
    std::size_t i = at_;
    while (i < text_.size() && IsSpaceOrTab(text_[i])) ++i;
    if (i >= text_.size()) return std::nullopt;
    return text_[i];
}

Token Scanner::scan() {
    while (at_ < text_.size() && IsSpaceOrTab(text_[at_])) ++at_;
    const std::size_t start = at_;
    if (start >= text_.size()) return Make(TokenKind::End, 0, start, {});
    const char c = text_[start];
    auto single = [&](TokenKind kind, int code) {
        ++at_;
        return Make(kind, code, start, text_.substr(start, 1));
    };
    switch (c) {
    case '+': return single(TokenKind::Operator, kOpAdd);
    case '*': return single(TokenKind::Operator, kOpMultiply);
    case '/': return single(TokenKind::Operator, kOpDivide);
    case '\\': return single(TokenKind::Operator, kOpIntDivide);
    case '^': return single(TokenKind::Operator, kOpPower);
    case '(': return single(TokenKind::Open, kOpOpen);
    case ')': return single(TokenKind::Close, kOpClose);
    case ',': return single(TokenKind::Comma, kOpComma);
    case '%': return Failure(TransformErrorCode::PercentSign, start, text_.substr(start, 1));
    case '-': return scanMinus(start);
    case '=':
    case '<':
    case '>': {
        const char second = start + 1 < text_.size() ? text_[start + 1] : '\0';
        const bool pair = (second == '=' || second == '<' || second == '>') && second != c;
        at_ = start + (pair ? 2 : 1);
        return Make(TokenKind::Operator, ComparisonCode(c, pair ? second : '\0'), start, text_.substr(start, at_ - start));
    }
    case '"': {
        const std::size_t close = text_.find('"', start + 1);
        const std::size_t end = close == std::string_view::npos ? text_.size() : close;
        at_ = close == std::string_view::npos ? text_.size() : close + 1;
        return resolve(start, text_.substr(start + 1, end - start - 1));
    }
    default: break;
    }
    if (IsDigit(c) || c == '.') return scanNumber(start, start, false);
    std::size_t end = start;
    while (end < text_.size() && !EndsWord(text_[end])) ++end;
    at_ = end;
    return resolve(start, text_.substr(start, end - start));
}

Token Scanner::scanNumber(std::size_t start, std::size_t digits, bool negative) {
    std::size_t i = digits;
    bool point = false;
    while (i < text_.size()) {
        const char c = text_[i];
        if (IsDigit(c)) {
            ++i;
        } else if (c == '.') {
            if (point) return Failure(TransformErrorCode::BadNumber, start, text_.substr(start, i + 1 - start));
            point = true;
            ++i;
        } else if (c == 'E' || c == 'e') {
            ++i;
            if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) ++i;
            if (i >= text_.size() || !IsDigit(text_[i])) break;
        } else {
            break;
        }
    }
    at_ = i;
    double value = LeadingNumber(text_.substr(digits, i - digits));
    if (negative) value = -value;
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        return Failure(TransformErrorCode::NumberTooLarge, start, text_.substr(start, i - start));
    Token t = Make(TokenKind::Number, 0, start, text_.substr(start, i - start));
    t.value = ToSingle(value);
    return t;
}

bool Scanner::minusStartsLiteral() const {
    // At the start of the text "-" negates whatever follows, so -2^2 is -(2^2).
    return previous_ && !previous_->isOperand() && previous_->kind != TokenKind::Close;
}

int Scanner::minusCode() const {
    if (!previous_) return kOpNegate;
    const Token& p = *previous_;
    if (p.kind == TokenKind::Operator && p.code == kOpPower) return kOpNegateExponent;
    if (p.kind == TokenKind::Open || p.kind == TokenKind::Keyword) return kOpNegate;
    if (p.kind == TokenKind::Operator &&
        (IsTwoOperandOperator(p.code) || IsComparison(p.code) || p.code == kOpAnd || p.code == kOpOr || p.code == kOpNot))
        return kOpNegate;
    return kOpSubtract;
}

Token Scanner::scanMinus(std::size_t start) {
    const char after = start + 1 < text_.size() ? text_[start + 1] : '\0';
    if ((IsDigit(after) || after == '.') && minusStartsLiteral()) {
        const Token literal = scanNumber(start, start + 1, true);
        // A power binds tighter than the minus before it, so -2^2 is -(2^2) wherever it stands.
        if (literal.kind != TokenKind::Number || peekNonBlank() != '^' || minusCode() == kOpNegateExponent)
            return literal;
    }
    at_ = start + 1;
    return Make(TokenKind::Operator, minusCode(), start, text_.substr(start, 1));
}

Token Scanner::resolve(std::size_t start, std::string_view word) {
    const std::string_view text = text_.substr(start, at_ - start);
    const std::string upper = UpperAscii(word);
    const long n = VariableNumberOf(upper);
    if (n == 0) return Make(TokenKind::CaseNumber, 0, start, text);
    if (n > 0) {
        if (n > setup_.variableCount) return Failure(TransformErrorCode::BadVariableNumber, start, text);
        return Make(TokenKind::Variable, static_cast<int>(n), start, text);
    }
    for (const Keyword& k : kKeywords)
        if (upper == k.name) return Make(k.kind, k.code, start, text);
    for (const FunctionInfo& f : kFunctions)
        if (upper == f.name) return Make(TokenKind::Function, f.code, start, text);
    for (int v = 1; v <= setup_.variableCount; ++v)
        if (setup_.names[v] == word) return Make(TokenKind::Variable, v, start, text);
    return Failure(TransformErrorCode::UnknownName, start, text);
}

std::vector<Token> ScanAll(std::string_view text, const TransformSetup& setup) {
    Scanner scanner(text, setup);
    std::vector<Token> tokens;
    for (;;) {
        tokens.push_back(scanner.next());
        if (tokens.back().kind == TokenKind::End || tokens.back().kind == TokenKind::Error) return tokens;
    }
}

}  // namespace zoriduvo

// The first stage of the transformation language: the expression text as tokens, with every word
// and quoted name resolved against the variables of the sheet.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "transform/TransformErrors.h"

namespace zoriduvo {

struct TransformSetup;

enum class TokenKind {
    Variable,    // code = variable number
    CaseNumber,  // $0
    Number,      // value
    Open,        // "("
    Close,       // ")"
    Comma,
    Keyword,     // IF, THEN, ELSE: code = kOpIf, kOpThen, kOpElse
    Operator,    // code = operation code (arithmetic, comparison, logical, the two negations)
    Function,    // code = function code
    End,         // the end of the text
    Error,       // the scan stopped here: error
};

struct Token {
    TokenKind kind = TokenKind::End;
    int code = 0;
    float value = 0;
    int position = 0;  // byte offset of the token's first character
    std::string_view text;
    TransformErrorCode error = TransformErrorCode::SyntaxError;

    bool isOperand() const {
        return kind == TokenKind::Variable || kind == TokenKind::CaseNumber || kind == TokenKind::Number;
    }
};

// Hands out the tokens of one expression text one at a time; after End or Error it keeps
// returning that token. The text and the setup must outlive the scanner.
class Scanner {
public:
    Scanner(std::string_view text, const TransformSetup& setup) : text_(text), setup_(setup) {}
    Token next();

private:
    Token scan();
    Token scanNumber(std::size_t start, std::size_t digits, bool negative);
    Token scanMinus(std::size_t start);
    Token resolve(std::size_t start, std::string_view word);
    bool minusStartsLiteral() const;
    int minusCode() const;
    std::optional<char> peekNonBlank() const;

    std::string_view text_;
    const TransformSetup& setup_;
    std::size_t at_ = 0;
    std::optional<Token> previous_;
    std::optional<Token> pending_;  // an error found ahead of the token just handed out
    std::optional<Token> last_;     // End or Error, once reached
};

// "$" followed by the plain decimal form of a non-negative integer: its value, saturated; -1 otherwise.
long VariableNumberOf(std::string_view word);

// All tokens of a text up to and including End or Error.
std::vector<Token> ScanAll(std::string_view text, const TransformSetup& setup);

}  // namespace zoriduvo

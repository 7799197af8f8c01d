#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zoriduvo {

// The one field tokenizer of the text imports, over decoded UTF-8 text. Its character units: an
// ideographic space or a tab is a blank, a full-width comma a comma, CR LF (or a lone CR or LF) one
// line end. A field runs to the next blank, comma or line end; a double quote toggles quoting and
// is dropped, and inside quotes blanks and commas belong to the field (a quote left open ends with
// its line, so one stray quote cannot swallow the rest of a file). Between fields blanks are
// skipped and the first comma or line end is taken; a second one stays pending and makes an empty
// field: "1, ,2" is 1, empty, 2; "1 2" is 1, 2; an empty line is one empty field.
class ImportTokenizer {
public:
    // blanksSeparate false: only commas and line ends end a field (the data file of the pair,
    // whose values may hold blanks). firstLine numbers the text's first line in messages.
    explicit ImportTokenizer(std::string_view text, bool blanksSeparate = true, int firstLine = 1);

    // The next field; nullopt when the text is used up. The view lasts until the next call.
    std::optional<std::string_view> nextField();

    // Where the last field began: 1-based line and field within the line.
    int line() const { return fieldLine_; }
    int field() const { return fieldIndex_; }
    // The last field held a double quote: a text, whatever it holds.
    bool quoted() const { return quoted_; }

private:
    enum class Kind { Other, Blank, Comma, LineEnd, Quote };
    struct Unit {
        Kind kind;
        std::size_t end;
    };
    Unit unitAt(std::size_t pos) const;
    bool ends(Kind kind) const { return kind == Kind::Comma || kind == Kind::LineEnd || (blanks_ && kind == Kind::Blank); }
    void skipSeparators();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool blanks_;
    std::string quotedText_;
    bool quoted_ = false;
    int line_, index_ = 0;
    int fieldLine_ = 0, fieldIndex_ = 0;
};

// The text after its first count lines.
std::string_view SkipLines(std::string_view text, int count);

}  // namespace zoriduvo

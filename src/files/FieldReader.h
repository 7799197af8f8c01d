#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "text/Trim.h"

namespace zoriduvo {

// The one tokenizer of the system's comma-separated text (vo-Data files, CSV). A field ends at a
// comma or at the end of the line; blanks and tabs around it are dropped; a field that begins with
// a double quote runs to the next double quote and is taken without the quotes (commas inside it
// belong to it; whatever stands between the closing quote and the next comma is dropped). A
// quote left open ends with its line, so one stray quote cannot swallow the rest of a file.
// Lines end in CR LF, LF or CR. Fields are views into the text.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field; nullopt when the text is used up. After a comma a field always follows,
    // empty when nothing stands there; an empty line is one empty field.
    std::optional<std::string_view> next();
    // The next field in one pass over its bytes, for a field that take reads whole: take(begin,
    // end) gets the bytes from the field's first one on and returns how many it read, 0 for none.
    // The field is taken when it ends there, blanks aside; else nothing is read and false returned,
    // and next() reads the field as always.
    template <class Take>
    bool nextTaken(Take&& take) {
        const std::size_t n = text_.size();
        std::size_t p = pos_;
        while (p < n && IsSpaceOrTab(text_[p])) ++p;
        if (p >= n) return false;
        const std::size_t taken = take(text_.data() + p, text_.data() + n);
        if (taken == 0) return false;
        p += taken;
        while (p < n && IsSpaceOrTab(text_[p])) ++p;
        if (p < n && text_[p] != ',' && !IsLineEnd(text_[p])) return false;
        fieldLine_ = line_;
        fieldIndex_ = index_;
        quoted_ = false;
        pos_ = p;
        endField();
        return true;
    }
    // The rest of the current line, then the following lines one per call, without line ends.
    std::optional<std::string_view> nextLine();

    // Where the last field read began: 1-based line and place within the line.
    int line() const { return fieldLine_; }
    int field() const { return fieldIndex_; }
    // The last field read began with a double quote: a text, whatever it holds.
    bool quoted() const { return quoted_; }

private:
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    void skipLineEnd();
    // Past the comma or the line end that ends the field at pos_.
    void endField();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool fieldPending_ = false;
    bool quoted_ = false;
    int line_ = 1, index_ = 1;
    int fieldLine_ = 0, fieldIndex_ = 0;
};

}  // namespace zoriduvo

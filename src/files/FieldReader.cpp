#include "files/FieldReader.h"

#include "text/Trim.h"

namespace zoriduvo {

// CR LF, LF or CR: one line end.
void FieldReader::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
    index_ = 1;
}

std::optional<std::string_view> FieldReader::next() {
    const std::size_t n = text_.size();
    if (pos_ >= n && !fieldPending_) return std::nullopt;
    fieldPending_ = false;
    fieldLine_ = line_;
    fieldIndex_ = index_;
    while (pos_ < n && IsSpaceOrTab(text_[pos_])) ++pos_;

    std::string_view field;
    quoted_ = pos_ < n && text_[pos_] == '"';
    if (quoted_) {
        const std::size_t start = ++pos_;
        while (pos_ < n && text_[pos_] != '"' && !IsLineEnd(text_[pos_])) ++pos_;
        field = text_.substr(start, pos_ - start);
        if (pos_ < n && text_[pos_] == '"') ++pos_;
        while (pos_ < n && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < n && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        field = Trim(text_.substr(start, pos_ - start));
    }

    endField();
    return field;
}

void FieldReader::endField() {
    fieldPending_ = false;
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        ++index_;
        fieldPending_ = true;
    } else if (pos_ < text_.size()) {
        skipLineEnd();
    }
}

std::optional<std::string_view> FieldReader::nextLine() {
    const std::size_t n = text_.size();
    fieldPending_ = false;
    if (pos_ >= n) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < n && !IsLineEnd(text_[pos_])) ++pos_;
    const std::string_view line = text_.substr(start, pos_ - start);
    fieldLine_ = line_;
    fieldIndex_ = 0;
    if (pos_ < n) skipLineEnd();
    return line;
}

}  // namespace zoriduvo

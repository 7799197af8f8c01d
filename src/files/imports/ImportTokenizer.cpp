#include "files/imports/ImportTokenizer.h"

#include "text/Utf8.h"

namespace zoriduvo {

namespace {
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";
}  // namespace

ImportTokenizer::ImportTokenizer(std::string_view text, bool blanksSeparate, int firstLine)
    : text_(text), blanks_(blanksSeparate), line_(firstLine) {
    while (pos_ < text_.size() && unitAt(pos_).kind == Kind::Blank) pos_ = unitAt(pos_).end;
}

ImportTokenizer::Unit ImportTokenizer::unitAt(std::size_t pos) const {
    const char c = text_[pos];
    switch (c) {
    case ' ':
    case '\t': return {Kind::Blank, pos + 1};
    case ',': return {Kind::Comma, pos + 1};
    case '"': return {Kind::Quote, pos + 1};
    case '\n': return {Kind::LineEnd, pos + 1};
    case '\r': return {Kind::LineEnd, pos + 1 < text_.size() && text_[pos + 1] == '\n' ? pos + 2 : pos + 1};
    default: break;
    }
    const auto lead = static_cast<unsigned char>(c);
    if (lead < 0x80) return {Kind::Other, pos + 1};
    const std::string_view rest = text_.substr(pos, 3);
    if (rest == kIdeographicSpace) return {Kind::Blank, pos + 3};
    if (rest == kFullWidthComma) return {Kind::Comma, pos + 3};
    const std::size_t length = Utf8SequenceLength(lead);
    return {Kind::Other, pos + (length == 0 ? 1 : length)};
}

std::optional<std::string_view> ImportTokenizer::nextField() {
    const std::size_t n = text_.size();
    if (pos_ >= n) return std::nullopt;
    fieldLine_ = line_;
    fieldIndex_ = ++index_;
    // Unquoted fields are views into the text; only a quote makes a copy.
    const std::size_t start = pos_;
    bool quoting = false;
    quoted_ = false;
    while (pos_ < n) {
        const Unit unit = unitAt(pos_);
        if (unit.kind == Kind::Quote) {
            if (!quoted_) quotedText_.assign(text_.substr(start, pos_ - start));
            quoted_ = true;
            quoting = !quoting;
        } else if (unit.kind == Kind::LineEnd && quoting) {
            break;
        } else if (!quoting && ends(unit.kind)) {
            break;
        } else if (quoted_) {
            quotedText_.append(unit.kind == Kind::Blank   ? std::string_view(" ")
                               : unit.kind == Kind::Comma ? std::string_view(",")
                                                          : text_.substr(pos_, unit.end - pos_));
        }
        pos_ = unit.end;
    }
    const std::string_view field = quoted_ ? std::string_view(quotedText_) : text_.substr(start, pos_ - start);
    skipSeparators();
    return field;
}

void ImportTokenizer::skipSeparators() {
    bool taken = false;
    while (pos_ < text_.size()) {
        const Unit unit = unitAt(pos_);
        if (unit.kind == Kind::Comma || unit.kind == Kind::LineEnd) {
            if (taken) return;  // pending: an empty field comes next
            taken = true;
            if (unit.kind == Kind::LineEnd) ++line_, index_ = 0;
        } else if (unit.kind != Kind::Blank) {
            return;
        }
        pos_ = unit.end;
    }
}

std::string_view SkipLines(std::string_view text, int count) {
    std::size_t pos = 0;
    for (int k = 0; k < count && pos < text.size(); ++k) {
        pos = text.find_first_of("\r\n", pos);
        if (pos == std::string_view::npos) return {};
        pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
    return text.substr(pos);
}

}  // namespace zoriduvo

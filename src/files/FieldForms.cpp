#include "files/FieldForms.h"

#include "files/FileMessages.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

PlaceOf At(std::string place) {
    return [place = std::move(place)](std::size_t) { return place; };
}

void AddField(std::string& line, std::string_view field) {
    line.push_back(',');
    line.append(field);
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

std::string GroupLineOf(const FileImage& image) {
    std::string line;
    if (image.groupSizes.empty()) {
        line = PrintInteger(1);
        AddField(line, PrintInteger(image.caseCount));
    } else {
        line = PrintInteger(image.groupCount());
        for (std::int16_t size : image.groupSizes) AddField(line, PrintInteger(size));
    }
    AddField(line, PrintInteger(image.variableCount));
    return line;
}

BareText::BareText(std::string_view separators) {
    for (unsigned char c : separators) stops_[c] = true;
    for (unsigned char c : std::string_view("\"\r\n")) stops_[c] = true;
}

bool LineSink::put(std::string_view line, const PlaceOf& where) {
    if (problem) return false;
    std::size_t bad = 0;
    if (code_ == TextCode::Utf8) {
        out_.append(line);
    } else if (!converter_.convert(line, out_, &bad)) {
        problem = FileProblem{FileError::UnwritableCharacter, 0, 0, where(bad), CharacterAt(line, bad)};
        return false;
    }
    out_.append(kLineEnd);
    return true;
}

bool LineSink::encode(std::string_view text, std::string& bytes, const PlaceOf& where) {
    if (problem) return false;
    if (IsAscii(text)) {  // the same bytes, and most values are
        bytes.append(text);
        return true;
    }
    std::size_t bad = 0;
    if (converter_.convert(text, bytes, &bad)) return true;
    problem = FileProblem{FileError::UnwritableCharacter, 0, 0, where(bad), CharacterAt(text, bad)};
    return false;
}

void LineSink::putEncoded(std::string_view bytes) {
    if (problem) return;
    out_.append(bytes);
    out_.append(kLineEnd);
}

bool LineSink::checkQuoted(std::string_view text, const PlaceOf& where) {
    if (problem) return false;
    const std::size_t bad = text.find_first_of("\"\r\n");
    if (bad == std::string_view::npos) return true;
    const std::string character = text[bad] == '"' ? std::string("\"") : TextOf(FileText::LineBreak);
    problem = FileProblem{FileError::UnwritableCharacter, 0, 0, where(bad + 1), character};
    return false;
}

void LineSink::refuse(std::string_view text, const std::string& where) {
    if (!problem) problem = FileProblem{FileError::UnholdableValue, 0, 0, where, std::string(text)};
}

}  // namespace zoriduvo

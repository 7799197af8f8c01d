#include "files/NativeWriter.h"

#include <algorithm>
#include <stdexcept>

#include "files/FieldForms.h"
#include "files/FileMessages.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

using zoriduvo::At;

PlaceOf At(FileText place) { return At(TextOf(place)); }

std::string VariablePlace(int v) { return TextOf(FileText::VariableNamePlace, {std::to_string(v)}); }

// Which part of case line c holds the offset: its name or one of its values.
std::string CasePlace(const FileImage& image, int c, std::size_t offset) {
    const std::string caseNumber = std::to_string(c);
    std::size_t end = image.caseName(c).size() + 2;  // the quotes
    if (offset < end) return TextOf(FileText::CaseNamePlace, {caseNumber});
    for (int v = 1; v <= image.variableCount; ++v) {
        end += 1 + image.writtenValue(c, v).size();
        if (offset < end) return TextOf(FileText::CaseValuePlace, {caseNumber, std::to_string(v)});
    }
    return TextOf(FileText::CasePlace, {caseNumber});
}

void PutHead(LineSink& sink, const FileImage& image, int version) {
    sink.put(Quoted(FormatTagOf(version)), At(FileText::FormatTagPlace));
    if (sink.checkQuoted(image.fileLabel, At(FileText::FileLabelPlace)))
        sink.put(Quoted(image.fileLabel), At(FileText::FileLabelPlace));
    sink.put(GroupLineOf(image), At(FileText::GroupLinePlace));
}

void PutVariables(LineSink& sink, const FileImage& image, int version) {
    const bool withRange = version >= 3;
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageVariable& variable = image.variable(v);
        if (!sink.checkQuoted(variable.name, At(VariablePlace(v)))) return;
        std::string line = Quoted(variable.name);
        AddField(line, PrintInteger(variable.category.count));
        if (withRange) {
            AddField(line, PrintInteger(variable.category.minimum));
            AddField(line, PrintInteger(variable.category.maximum));
            AddField(line, PrintInteger(0));
        }
        sink.put(line, At(VariablePlace(v)));
    }
}

// Room for the file with every number as long as its text can be: growing by doubling would
// copy a big file's bytes over and over and hold half as much again, while room never written costs
// no memory. Blanks take only their mark, so a big sparse sheet asks for no more than its file.
std::size_t RoomForCases(const FileImage& image) {
    constexpr std::size_t kLongestNumber = 23;  // "-1.23456789012345E-308" and its comma
    const std::size_t blank = image.blankText.size() + 1;
    std::size_t room = 4096 + image.fileLabel.size() + image.comment.size();
    // A variable line and its five statistics fields.
    for (int v = 1; v <= image.variableCount; ++v) room += image.variable(v).name.size() + 160;
    for (int c = 1; c <= image.caseCount; ++c) {
        Prefetch(image.caseValues(c + 1));
        const auto held = static_cast<std::size_t>(std::clamp(image.valuesHeldIn(c), 0, image.variableCount));
        room += image.caseName(c).size() + 4 + held * kLongestNumber + (image.variableCount - held) * blank;
        for (const Cell& value : image.caseValues(c).first(held))
            if (!value.isNumber()) room += value.textSize();
    }
    return room;
}

// Values are bare fields: a pasted text with a comma, quote or line break would shift the case.
const BareText kValueField(",");

void PutCases(LineSink& sink, const FileImage& image) {
    std::string line;
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        const auto where = [&image, c](std::size_t offset) { return CasePlace(image, c, offset); };
        if (!sink.checkQuoted(image.caseName(c), where)) return;
        line = Quoted(image.caseName(c));
        const std::span<const Cell> held = image.caseValues(c);
        Prefetch(image.caseValues(c + 1));
        for (int v = 1; v <= image.variableCount; ++v) {
            static const Cell blank;
            const Cell& cell = v <= static_cast<int>(held.size()) ? held[v - 1] : blank;
            CellString value = image.writtenText(cell);
            // A value of nothing but blanks would come back missing: it goes out as the number the
            // sheet counts it as. ("%M" stays the file's blank mark, whoever wrote it.)
            std::string number;
            if (!cell.empty() && !cell.isNumber() && Trim(value.view()).empty()) {
                number = GeneralText(cell.leadingNumber());
                value = CellString::Of(number);
            }
            if (!kValueField.holds(value))
                return sink.refuse(value, TextOf(FileText::CaseValuePlace, {std::to_string(c), std::to_string(v)}));
            AddField(line, value);
        }
        sink.put(line, where);
    }
}

void PutStatistics(LineSink& sink, const FileImage& image) {
    const int count = image.variableCount;
    std::string blanks;
    for (int v = 1; v <= count; ++v) blanks += ",%M";
    sink.put(Quoted("nn") + blanks, At(FileText::StatisticsPlace));
    if (sink.checkQuoted(image.statisticsCorner, At(FileText::StatisticsRangePlace)))
        sink.put(Quoted(image.statisticsCorner) + blanks, At(FileText::StatisticsRangePlace));

    const char* const labels[] = {"Max", "Min", "Average", "STD.Dev"};
    for (int row = 0; row < 4; ++row) {
        std::string line = Quoted(labels[row]);
        for (int v = 1; v <= count; ++v) {
            const ImageStatistics& s = image.statisticsOf(v);
            const float values[] = {s.maximum, s.minimum, s.mean, s.deviation};
            AddField(line, s.cases == 0 ? std::string("-") : PrintSingle(values[row]));
        }
        sink.put(line, At(FileText::StatisticsPlace));
    }
    std::string line = Quoted("# of Cases");
    for (int v = 1; v <= count; ++v) AddField(line, PrintSingle(image.statisticsOf(v).cases));
    sink.put(line, At(FileText::StatisticsPlace));
}

// The comment's own line breaks, whatever form they came in, go out as CR LF. A line that is one of
// the markers would end or restart the comment when the file is read back: it is refused by name.
void PutComment(LineSink& sink, const std::string& comment) {
    if (comment.empty()) return;
    sink.put(kCommentStart, At(FileText::CommentPlace));
    std::size_t start = 0;
    int number = 1;
    for (;;) {
        const std::size_t end = comment.find_first_of("\r\n", start);
        const std::string place = TextOf(FileText::CommentLinePlace, {std::to_string(number)});
        const std::string_view line = std::string_view(comment).substr(start, end - start);
        if (line == kCommentStart || line == kCommentEnd) return sink.refuse(line, place);
        sink.put(line, At(place));
        if (end == std::string::npos) break;
        start = end + (comment.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
    sink.put(kCommentEnd, At(FileText::CommentPlace));
}

}  // namespace

std::string FormatTagOf(int version) { return "vo-Data_" + std::to_string(version); }

std::optional<FileProblem> EncodeNativeFile(const FileImage& image, int version, std::string& bytes, TextCode code) {
    if (version < 1 || version > 4) throw std::invalid_argument("vo-Data versions are 1 to 4");
    std::string out;
    out.reserve(RoomForCases(image));
    LineSink sink(out, code);
    PutHead(sink, image, version);
    PutVariables(sink, image, version);
    PutCases(sink, image);
    if (version == 2 || version == 3) PutStatistics(sink, image);
    PutComment(sink, image.comment);
    if (sink.problem) return sink.problem;
    bytes = std::move(out);
    return std::nullopt;
}

}  // namespace zoriduvo

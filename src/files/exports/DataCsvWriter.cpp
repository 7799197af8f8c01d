#include "files/exports/ExportWriting.h"
#include "files/exports/SpreadsheetWriters.h"

namespace zoriduvo {

namespace {

const BareText kPlainField(",\"\r\n");

void AddCsvField(std::string& line, std::string_view field, bool first) {
    if (!first) line.push_back(',');
    if (kPlainField.holds(field)) {
        line.append(field);
        return;
    }
    line.push_back('"');
    for (char c : field) {
        if (c == '"') line.push_back('"');
        line.push_back(c);
    }
    line.push_back('"');
}

std::optional<FileProblem> Encode(const ExportInput& input, std::vector<OutputFile>& files, TextCode code) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes, code);
    std::string line;
    AddCsvField(line, "case", true);
    for (int v = 1; v <= image.variableCount; ++v) AddCsvField(line, image.variable(v).name, false);
    sink.put(line, [&image](std::size_t offset) {
        std::size_t end = 4;
        for (int v = 1; v <= image.variableCount; ++v) {
            end += 1 + image.variable(v).name.size();
            if (offset < end) return VariableNamePlace(v);
        }
        return VariableNamePlace(image.variableCount);
    });
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        line.clear();
        AddCsvField(line, image.caseName(c), true);
        for (int v = 1; v <= image.variableCount; ++v) AddCsvField(line, image.writtenValue(c, v).view(), false);
        sink.put(line, [&image, c](std::size_t offset) {
            return offset < image.caseName(c).size() ? CaseNamePlace(c)
                                                     : TextOf(FileText::CasePlace, {std::to_string(c)});
        });
    }
    files.clear();
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace

std::optional<FileProblem> EncodeDataCsv(const ExportInput& input, std::vector<OutputFile>& files) {
    return Encode(input, files, TextCode::Utf8);
}

std::optional<FileProblem> EncodeDataCsvCp932(const ExportInput& input, std::vector<OutputFile>& files) {
    return Encode(input, files, TextCode::Cp932);
}

}  // namespace zoriduvo

#include "files/exports/PlainValuesWriter.h"

#include "files/exports/ExportWriting.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

// The case lines; blankLater is what a blank after the first column becomes.
std::optional<FileProblem> PutValues(const ExportInput& input, std::string header, std::string_view blankLater,
                                     std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes);
    if (!header.empty()) sink.put(header, At(TextOf(FileText::CaseCountPlace)));
    std::string line;
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        line.clear();
        for (int v = 1; v <= image.variableCount; ++v) {
            const CellString value = image.writtenValue(c, v);
            if (!ImportReadsWhole(value)) {
                sink.refuse(value, ValuePlace(c, v));
                break;
            }
            if (v > 1) line.push_back(',');
            line.append(value.empty() && v > 1 ? blankLater : value);
        }
        sink.put(line, At(TextOf(FileText::CasePlace, {std::to_string(c)})));
    }
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace

std::optional<FileProblem> EncodeValuesOnly(const ExportInput& input, std::vector<OutputFile>& files) {
    return PutValues(input, {}, " ", files);
}

std::optional<FileProblem> EncodeValuesWithCounts(const ExportInput& input, std::vector<OutputFile>& files) {
    std::string header = PrintInteger(input.image.caseCount);
    AddField(header, PrintInteger(input.image.variableCount));
    return PutValues(input, header, "", files);
}

}  // namespace zoriduvo

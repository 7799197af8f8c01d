#include "files/exports/SDataWriter.h"

#include "files/exports/ExportWriting.h"
#include "sheet/CellValue.h"
#include "sheet/NumberText.h"
#include "sheet/SheetRecords.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kNa = "NA";

bool IsBlankMark(std::string_view value) { return value == kDefaultBlankCode; }

// A categorical value as its factor code counted from the lowest category.
std::string FactorCode(std::string_view value, int minimum) {
    const std::optional<double> number = StrictNumber(value);
    if (IsBlankMark(value) || !number) return std::string(kNa);
    return PrintDouble(*number - minimum + 1);
}

// The values of variable v and the ")" after them; false after refusing the first value the frame
// cannot hold.
bool AddValues(LineSink& sink, const FileImage& image, int v, std::string& line) {
    const VariableDefinition& variable = image.variable(v);
    const bool categorical = variable.category.count != 0;
    line.clear();
    for (int c = 1; c <= image.caseCount; ++c) {
        const std::string_view value = image.value(c, v);
        if (c > 1) line.push_back(',');
        if (categorical) {
            line.append(FactorCode(value, variable.category.minimum));
        } else if (IsBlankMark(value)) {
            line.append(kNa);
        } else if (value == kNa || StrictNumber(value)) {
            line.append(value);
        } else {
            sink.refuse(value, ValuePlace(c, v));
            return false;
        }
    }
    line.push_back(')');
    return true;
}

void PutLabels(LineSink& sink, const VariableDefinition& variable, bool last, int v) {
    std::string line;
    for (int k = variable.category.minimum; k <= variable.category.maximum; ++k) {
        if (k > variable.category.minimum) line.push_back(',');
        line.append(Quoted(std::to_string(k)));
    }
    line.append("), class = ").append(Quoted("factor")).append(last ? "))," : "),");
    sink.put(line, At(VariableNamePlace(v)));
}

}  // namespace

std::optional<FileProblem> EncodeSDataFrame(const ExportInput& input, std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes);
    std::string line = "structure(.Data = list(";
    for (int v = 1; v <= image.variableCount && !sink.problem; ++v) {
        const VariableDefinition& variable = image.variable(v);
        const bool last = v == image.variableCount;
        if (!sink.checkQuoted(variable.name, At(VariableNamePlace(v)))) break;
        line.append(Quoted(variable.name)).append(" = structure(.Data = c(");
        sink.put(line, At(VariableNamePlace(v)));
        if (!AddValues(sink, image, v, line)) break;
        if (variable.category.count == 0) {
            sink.put(line.append(last ? "))," : "),"), At(VariableNamePlace(v)));
        } else {
            sink.put(line.append(", .Label = c("), At(VariableNamePlace(v)));
            PutLabels(sink, variable, last, v);
        }
        line.clear();
    }
    line = "row.names = c(";
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        if (!sink.checkQuoted(image.caseName(c), At(CaseNamePlace(c)))) break;
        if (c > 1) line.push_back(',');
        line.append(Quoted(image.caseName(c)));
    }
    sink.put(line + "),", At(CaseNamePlace(1)));
    sink.put("class = " + Quoted("data.frame") + ")", At(FileTextOf(FileText::FormatTagPlace)));
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace zoriduvo

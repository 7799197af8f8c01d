#include "files/exports/SDataWriter.h"

#include "files/exports/ExportWriting.h"
#include "sheet/CellValue.h"
#include "sheet/NumberText.h"
#include "sheet/SheetRecords.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kNa = "NA";

bool IsBlankMark(std::string_view value) { return value == kDefaultBlankCode; }

// A number as S reads it: digits with a sign, a point and an exponent "e"; the system's own forms
// ("1.5D3", blanks around) are not.
bool IsSNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') digits = true;
        else if (c == '.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        i += i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '+') ? 2 : 1;
        if (i >= text.size()) return false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    }
    return i == text.size();
}

// A categorical value as its factor code counted from the lowest category.
std::string FactorCode(std::string_view value, int minimum) {
    if (IsBlankMark(value)) return std::string(kNa);
    const std::optional<double> number = IsSNumber(value) ? LeadingNumber(value) : StrictNumber(value);
    if (!number) return std::string(kNa);
    const double code = *number - minimum + 1;
    // Whole codes, the usual case, take the integer form, which is the same text.
    if (code == static_cast<long long>(code) && code > -1e15 && code < 1e15)
        return PrintInteger(static_cast<long long>(code));
    return PrintDouble(code);
}

// The values of every variable; nullopt after refusing the first value the frame cannot hold.
std::optional<std::vector<std::string>> ValueTexts(LineSink& sink, const FileImage& image) {
    return VariableTexts(image, [&](int c, int v, std::string_view value, std::string& text) {
        const CategoryRange& category = image.variable(v).category;
        if (c > 1) text.push_back(',');
        if (category.count != 0) {
            text.append(FactorCode(value, category.minimum));
        } else if (IsBlankMark(value)) {
            text.append(kNa);
        } else if (value == kNa || IsSNumber(value)) {
            text.append(value);
        } else if (const auto number = StrictNumber(value)) {
            text.append(GeneralText(*number));
        } else {
            sink.refuse(value, ValuePlace(c, v));
            return false;
        }
        return true;
    });
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
    for (int v = 1; v <= image.variableCount; ++v)
        if (!sink.checkQuoted(image.variable(v).name, At(VariableNamePlace(v)))) return sink.problem;
    auto values = ValueTexts(sink, image);
    if (!values) return sink.problem;
    std::string line = "structure(.Data = list(";
    for (int v = 1; v <= image.variableCount && !sink.problem; ++v) {
        const VariableDefinition& variable = image.variable(v);
        const bool last = v == image.variableCount;
        line.append(Quoted(variable.name)).append(" = structure(.Data = c(");
        sink.put(line, At(VariableNamePlace(v)));
        line = std::move((*values)[static_cast<std::size_t>(v - 1)]);
        line.push_back(')');
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

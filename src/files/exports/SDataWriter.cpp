#include "files/exports/SDataWriter.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "files/exports/ExportWriting.h"
#include "sheet/CellValue.h"
#include "sheet/SheetRecords.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kNa = "NA";

// A string literal as S reads it back: the backslash, the quote and control characters escaped, and
// "¥" and "‾", which code page 932 would turn into the backslash and "~", written by their code points.
std::string SQuoted(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\' || c == '"') {
            quoted.push_back('\\');
            quoted.push_back(static_cast<char>(c));
        } else if (c == '\n' || c == '\r' || c == '\t') {
            quoted.append(c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t");
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            quoted.append(escaped);
        } else if (text.substr(i).starts_with("\u00a5") || text.substr(i).starts_with("\u203e")) {
            quoted.append(text[i] == '\xC2' ? "\\u00a5" : "\\u203e");
            i += text[i] == '\xC2' ? 1 : 2;
        } else {
            quoted.push_back(static_cast<char>(c));
        }
    }
    quoted.push_back('"');
    return quoted;
}

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

std::optional<double> NumberOf(std::string_view value) {
    if (IsSNumber(value)) return LeadingNumber(value);
    return StrictNumber(value);
}

// A categorical variable's factor: its declared categories and every number among its values, in
// order, each with its code and label. Values outside the declared range get levels of their own,
// as a code past the labels is a factor S refuses to read.
using Levels = std::map<double, std::pair<std::string, std::string>>;

std::string LevelLabel(double number) {
    if (number == std::trunc(number) && std::abs(number) < 1e15) return std::to_string(static_cast<long long>(number));
    return GeneralText(number);
}

Levels LevelsOf(const FileImage& image, int v) {
    Levels levels;
    const CategoryRange& category = image.variable(v).category;
    for (int k = category.minimum; k <= category.maximum; ++k) levels[k];
    for (int c = 1; c <= image.caseCount; ++c)
        if (const auto number = NumberOf(image.value(c, v).view())) levels[*number];
    long long code = 0;
    for (auto& [number, level] : levels) level = {PrintInteger(++code), LevelLabel(number)};
    return levels;
}

// The values of every variable; nullopt after refusing the first value the frame cannot hold.
// Blanks (and the blank mark typed as text) are NA whatever the sheet's blank code: the code is for
// the forms read as text.
std::optional<std::vector<std::string>> ValueTexts(LineSink& sink, const FileImage& image,
                                                   const std::vector<Levels>& levels) {
    return VariableTexts(image, [&](int c, int v, std::string_view, std::string& text) {
        const CellString cell = image.value(c, v);
        const std::string_view value = cell.view();
        if (c > 1) text.push_back(',');
        const Levels& factor = levels[static_cast<std::size_t>(v - 1)];
        if (value.empty() || value == kDefaultBlankCode) {
            text.append(kNa);
        } else if (image.variable(v).category.count != 0) {
            const auto number = NumberOf(value);
            text.append(number ? factor.at(*number).first : std::string(kNa));
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

void PutLabels(LineSink& sink, const Levels& levels, bool last, int v) {
    std::string line;
    for (const auto& [number, level] : levels) {
        if (!line.empty()) line.push_back(',');
        line.append(Quoted(level.second));
    }
    line.append("), class = ").append(Quoted("factor")).append(last ? "))," : "),");
    sink.put(line, At(VariableNamePlace(v)));
}

}  // namespace

std::optional<FileProblem> EncodeSDataFrame(const ExportInput& input, std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes);
    std::vector<Levels> levels(static_cast<std::size_t>(image.variableCount));
    for (int v = 1; v <= image.variableCount; ++v)
        if (image.variable(v).category.count != 0) levels[static_cast<std::size_t>(v - 1)] = LevelsOf(image, v);
    auto values = ValueTexts(sink, image, levels);
    if (!values) return sink.problem;
    std::string line = "structure(.Data = list(";
    for (int v = 1; v <= image.variableCount && !sink.problem; ++v) {
        const VariableDefinition& variable = image.variable(v);
        const bool last = v == image.variableCount;
        line.append(SQuoted(variable.name)).append(" = structure(.Data = c(");
        sink.put(line, At(VariableNamePlace(v)));
        line = std::move((*values)[static_cast<std::size_t>(v - 1)]);
        line.push_back(')');
        if (variable.category.count == 0) {
            sink.put(line.append(last ? "))," : "),"), At(VariableNamePlace(v)));
        } else {
            sink.put(line.append(", .Label = c("), At(VariableNamePlace(v)));
            PutLabels(sink, levels[static_cast<std::size_t>(v - 1)], last, v);
        }
        line.clear();
    }
    line = "row.names = c(";
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        if (c > 1) line.push_back(',');
        line.append(SQuoted(image.caseName(c)));
    }
    sink.put(line + "),", At(CaseNamePlace(1)));
    sink.put("class = " + Quoted("data.frame") + ")", At(TextOf(FileText::FormatTagPlace)));
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace zoriduvo

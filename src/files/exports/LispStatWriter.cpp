#include "files/exports/LispStatWriter.h"

#include "files/exports/ExportWriting.h"
#include "text/PathText.h"
#include "sheet/CellValue.h"
#include "sheet/NumberText.h"
#include "sheet/SheetRecords.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

// What ends an item for the Lisp reader, or starts another one.
constexpr std::string_view kLispBreaks = " \t()';`,|\\#";

// A symbol the reader takes back as the name: one item, and not a number.
bool IsPlainSymbol(std::string_view name) {
    return !name.empty() && HoldsAsBare(name, kLispBreaks) && !StrictNumber(name);
}

void PutDef(LineSink& sink, std::string_view symbol, const std::string& items, const std::string& where) {
    std::string line = "(DEF ";
    line.append(symbol).append(" (QUOTE (").append(items).append(")))");
    sink.put(line, At(where));
}

void PutVariable(LineSink& sink, const FileImage& image, int v) {
    const std::string& name = image.variable(v).name;
    if (!IsPlainSymbol(name)) return sink.refuse(name, VariableNamePlace(v));
    std::string items;
    for (int c = 1; c <= image.caseCount; ++c) {
        const std::string_view value = image.value(c, v);
        const bool last = c == image.caseCount;
        if (value == kDefaultBlankCode) {
            items.append(last ? "0" : PrintInteger(0));
        } else if (value.empty() || !HoldsAsBare(value, kLispBreaks)) {
            return sink.refuse(value, ValuePlace(c, v));  // an empty item would shift the rest
        } else {
            items.append(value);
        }
        if (!last) items.push_back(' ');
    }
    PutDef(sink, name, items, VariableNamePlace(v));
}

}  // namespace

std::optional<ExportText> LispStatPath(const std::string& chosen, std::vector<std::string>& paths) {
    const std::string extension = FileExtensionOf(chosen);
    if (extension.empty()) {
        paths = {chosen + ".lsp"};
        return std::nullopt;
    }
    if (LowerCaseAscii(Trim(extension)) != ".lsp") return ExportText::WrongExtension;
    paths = {chosen};
    return std::nullopt;
}

std::optional<FileProblem> EncodeLispStat(const ExportInput& input, std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes);
    for (int v = 1; v <= image.variableCount && !sink.problem; ++v) PutVariable(sink, image, v);
    std::string names;
    for (int v = 1; v <= image.variableCount && !sink.problem; ++v) {
        if (!sink.checkQuoted(image.variable(v).name, At(VariableNamePlace(v)))) break;
        names.append(v > 1 ? " " : "").append(Quoted(image.variable(v).name));
    }
    PutDef(sink, "VNames", names, VariableNamePlace(1));
    names.clear();
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        if (!sink.checkQuoted(image.caseName(c), At(CaseNamePlace(c)))) break;
        names.append(c > 1 ? " " : "").append(Quoted(image.caseName(c)));
    }
    PutDef(sink, "CNames", names, CaseNamePlace(1));
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace zoriduvo

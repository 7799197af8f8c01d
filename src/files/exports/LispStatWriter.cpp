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
const BareText kLispItem(" \t()';`,|\\#");

// A symbol the reader takes back as the name: one item, and not a number.
bool IsPlainSymbol(std::string_view name) {
    return !name.empty() && kLispItem.holds(name) && !StrictNumber(name);
}

void PutDef(LineSink& sink, std::string_view symbol, const std::string& items, const std::string& where) {
    std::string line = "(DEF ";
    line.append(symbol).append(" (QUOTE (").append(items).append(")))");
    sink.put(line, At(where));
}

void PutVariables(LineSink& sink, const FileImage& image) {
    for (int v = 1; v <= image.variableCount; ++v)
        if (!IsPlainSymbol(image.variable(v).name)) return sink.refuse(image.variable(v).name, VariableNamePlace(v));
    const auto items = VariableTexts(image, [&](int c, int v, std::string_view value, std::string& text) {
        const bool last = c == image.caseCount;
        if (value == kDefaultBlankCode) {
            text.append(last ? "0" : PrintInteger(0));
        } else if (value.empty() || !kLispItem.holds(value)) {
            sink.refuse(value, ValuePlace(c, v));  // an empty item would shift the rest
            return false;
        } else {
            text.append(value);
        }
        if (!last) text.push_back(' ');
        return true;
    });
    for (int v = 1; items && v <= image.variableCount; ++v)
        PutDef(sink, image.variable(v).name, (*items)[static_cast<std::size_t>(v - 1)], VariableNamePlace(v));
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
    PutVariables(sink, image);
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

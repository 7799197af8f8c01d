#include "files/exports/LispStatWriter.h"

#include "files/exports/ExportWriting.h"
#include "files/exports/LispText.h"
#include "sheet/CellValue.h"
#include "sheet/SheetRecords.h"
#include "text/NumberText.h"
#include "text/PathText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

// A number text the reader takes as the same number: the system's forms ("1.5D3") included.
bool IsLispNumber(std::string_view text) {
    return text.find_first_not_of("0123456789+-.eEdD") == std::string_view::npos;
}

void PutDef(LineSink& sink, std::string_view symbol, std::string_view items) {
    std::string line = "(DEF ";
    line.append(symbol).append(" (QUOTE (").append(items).append(")))");
    sink.putEncoded(line);
}

// The blank code as an item: it must be one as it stands, since escaped it would be a new name.
std::optional<std::string> BlankItem(const std::string& code) {
    if (code == kDefaultBlankCode) return PrintInteger(0);
    const auto written = Utf8ToCp932(code);
    if (!written || written->empty()) return std::nullopt;
    if ((StrictNumber(code) && IsLispNumber(code)) || LispSymbol(*written) == *written) return written;
    return std::nullopt;
}

// A value as one item: a number as written, another text as a symbol, a blank as the blank item
// ("%M" as 0, directly followed by the list's end when last).
bool AddValue(LineSink& sink, const FileImage& image, const std::optional<std::string>& blank, int c, int v,
              std::string& text) {
    const CellString cell = image.value(c, v);
    const std::string_view value = cell.view();
    const bool last = c == image.caseCount;
    if (value.empty()) {
        if (!blank) {
            sink.refuse(image.blankText, ValuePlace(c, v));
            return false;
        }
        text.append(last && image.blankText == kDefaultBlankCode ? "0" : *blank);
    } else if (const auto number = StrictNumber(value)) {
        const std::string_view trimmed = Trim(value);
        text.append(IsLispNumber(trimmed) ? std::string(trimmed) : GeneralText(*number));
    } else {
        std::string bytes;
        if (!sink.encode(value, bytes, At(ValuePlace(c, v)))) return false;
        text.append(LispSymbol(bytes));
    }
    if (!last) text.push_back(' ');
    return true;
}

// The names as written: each variable's symbol, and its name as a string.
bool EncodeNames(LineSink& sink, const FileImage& image, std::vector<std::string>& symbols, std::string& strings) {
    for (int v = 1; v <= image.variableCount; ++v) {
        std::string bytes;
        if (!sink.encode(image.variable(v).name, bytes, At(VariableNamePlace(v)))) return false;
        symbols.push_back(LispSymbol(bytes));
        strings.append(v > 1 ? " " : "").append(LispString(bytes));
    }
    return true;
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
    std::vector<std::string> symbols;
    std::string names;
    if (!EncodeNames(sink, image, symbols, names)) return sink.problem;
    const std::optional<std::string> blank = BlankItem(image.blankText);
    const auto items = VariableTexts(image, [&](int c, int v, std::string_view, std::string& text) {
        return AddValue(sink, image, blank, c, v, text);
    });
    if (!items) return sink.problem;
    for (int v = 1; v <= image.variableCount; ++v)
        PutDef(sink, symbols[static_cast<std::size_t>(v - 1)], (*items)[static_cast<std::size_t>(v - 1)]);
    PutDef(sink, "VNames", names);
    names.clear();
    for (int c = 1; c <= image.caseCount; ++c) {
        std::string name;
        if (!sink.encode(image.caseName(c), name, At(CaseNamePlace(c)))) return sink.problem;
        names.append(c > 1 ? " " : "").append(LispString(name));
    }
    PutDef(sink, "CNames", names);
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace zoriduvo

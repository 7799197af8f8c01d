#include "files/CsvQuickReader.h"

#include <algorithm>
#include <vector>

#include "files/Cp932.h"
#include "files/FieldReader.h"
#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "files/ReadingNotes.h"
#include "sheet/CellValue.h"
#include "sheet/SheetRecords.h"
#include "text/Lines.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

// The lines of the text; empty lines at the end are no cases.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines = TextLines(text);
    while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
    return lines;
}

struct CsvField {
    std::string_view text;  // trimmed
    bool quoted = false;
};

std::vector<CsvField> Fields(std::string_view line) {
    std::vector<CsvField> fields;
    FieldReader in(line);
    while (auto f = in.next()) fields.push_back({Trim(*f), in.quoted()});
    return fields;
}

int FieldCount(std::string_view line) { return std::max<int>(1, static_cast<int>(Fields(line).size())); }

std::string_view FieldAt(const std::vector<CsvField>& fields, std::size_t k) {
    return k < fields.size() ? fields[k].text : std::string_view();
}

CsvField FirstField(std::string_view line) {
    FieldReader in(line);
    const auto f = in.next();
    return {f ? Trim(*f) : std::string_view(), in.quoted()};
}

// Whether the first fields of the lines after the first are a variable's values rather than case
// names. Line 2 decides when it begins with a number, as it always has; a missing value there (R
// writes "NA", other programs leave it empty) or a text decides nothing alone: then the column is
// a variable when its numbers outnumber its texts, missing values aside.
bool FirstColumnHoldsNumbers(const std::vector<std::string_view>& lines) {
    if (BeginsWithNumber(FirstField(lines[1]).text)) return true;
    int numbers = 0, texts = 0;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const CsvField first = FirstField(lines[k]);
        if (IsMissingCode(first.text, first.quoted)) continue;
        ++(StrictNumber(first.text) ? numbers : texts);
    }
    return numbers > texts;
}

}  // namespace

CsvLayout DecideCsvLayout(const std::vector<std::string_view>& lines) {
    CsvLayout layout;
    const int n = static_cast<int>(lines.size());
    if (n == 0) return layout;
    const int f1 = FieldCount(lines[0]);
    if (n == 1) {
        layout.variables = f1;
    } else if (FieldCount(lines[1]) == f1 + 1) {
        layout.header = layout.caseNames = true;
        layout.variables = f1;
    } else if (f1 == 1) {
        // A name above a number is the variable's name, not a case of value 0.
        const std::string_view a = FieldAt(Fields(lines[0]), 0);
        layout.header = !a.empty() && !BeginsWithNumber(a) && FirstColumnHoldsNumbers(lines);
        layout.variables = 1;
    } else {
        const auto first = Fields(lines[0]);
        const std::string_view a = FieldAt(first, 0);
        const bool b = BeginsWithNumber(FieldAt(first, 1));
        const bool c = !a.empty() && FirstColumnHoldsNumbers(lines);
        if (a.empty() || (!b && !c)) {
            layout.header = layout.caseNames = layout.skipFirstField = true;
            layout.variables = f1 - 1;
        } else if (b) {
            layout.caseNames = !c;
            layout.variables = c ? f1 : f1 - 1;
        } else {
            layout.header = true;
            layout.variables = f1;
        }
    }
    layout.cases = layout.header ? n - 1 : n;
    return layout;
}

std::optional<FileProblem> ReadCsvBytes(std::string_view bytes, FileImage& image) {
    if (LooksLikeUtf16(bytes)) return FileProblem{FileError::Utf16Text};
    std::size_t bad = 0;
    const auto text = DecodeForeignText(bytes, &bad);
    if (!text) return FileProblem{FileError::UnreadableText, LineOfOffset(bytes, bad)};
    const auto lines = SplitLines(*text);
    if (lines.empty()) return FileProblem{FileError::FileMissing};
    const CsvLayout layout = DecideCsvLayout(lines);
    if (layout.cases > kMaxCount)
        return FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)};
    if (layout.variables > kMaxCount)
        return FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::VariableCountPlace)};

    FileImage read;
    read.formatTag = "CSV";
    read.fileLabel = kUndefined;
    read.date = kNotSaved;
    read.variableCount = layout.variables;
    read.caseCount = layout.cases;
    read.groupSizes = {static_cast<std::int16_t>(layout.cases)};

    std::size_t line = 0;
    std::vector<CsvField> names;
    if (layout.header) names = Fields(lines[line++]);
    const std::size_t skip = layout.skipFirstField ? 1 : 0;
    for (int v = 1; v <= layout.variables; ++v) {
        std::string name(layout.header ? FieldAt(names, skip + v - 1) : std::string_view());
        read.variables.push_back({layout.header ? name : DefaultVariableName(v), {}});
    }
    // Line by line, so that a short or long line does not shift the cases after it.
    ReserveValuesOfText(read, text->size());
    for (int c = 1; c <= layout.cases; ++c) {
        const auto fields = Fields(lines[line++]);
        std::size_t k = 0;
        if (layout.caseNames) {
            read.caseNames.emplace_back(FieldAt(fields, k++));
        } else {
            read.caseNames.push_back(DefaultCaseName(c));
        }
        // The fields the line has: a short line under many names costs no more than its text.
        read.beginCase();
        const std::size_t present =
            std::min(fields.size() - std::min(k, fields.size()), static_cast<std::size_t>(layout.variables));
        for (std::size_t v = 1; v <= present; ++v, ++k)
            AppendForeignValue(read, fields[k].text, fields[k].quoted, c, static_cast<int>(v));
        if (std::any_of(fields.begin() + std::min(k, fields.size()), fields.end(),
                        [](const CsvField& f) { return !f.text.empty(); })) {
            if (read.notes.linesCut++ == 0) read.notes.firstLineCut = static_cast<int>(line);
        }
    }
    image = std::move(read);
    return std::nullopt;
}

std::optional<FileProblem> ReadCsvForOpen(const std::string& path, FileImage& image) {
    std::string bytes;
    if (auto problem = ReadFileToOpen(path, bytes)) return problem;
    if (auto problem = ReadCsvBytes(bytes, image)) return problem;
    image.path = path;
    image.fileName = FileNameOf(path);
    return std::nullopt;
}

}  // namespace zoriduvo

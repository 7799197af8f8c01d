#include "files/imports/TextImport.h"

#include "files/Cp932.h"
#include "files/FilePaths.h"
#include "files/ReadingNotes.h"
#include "sheet/CellValue.h"
#include "sheet/DefaultNames.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kNoName = "nn";

std::string NameOf(std::string_view field) { return field == kNoName ? std::string() : std::string(field); }

std::optional<FileProblem> ReadVariables(ImportTokenizer& in, const TableBody& body, FileImage& image) {
    for (ImageVariable& variable : image.variables) {
        if (body.names) {
            const auto name = in.nextField();
            if (!name) return std::nullopt;
            variable.name = NameOf(*name);
        }
        if (body.types) {
            const auto field = in.nextField();
            if (!field) return std::nullopt;
            const auto stored = RoundToInt16(LeadingNumber(*field));
            if (!stored || *stored < 0)
                return FileProblem{FileError::CountOutOfRange, in.line(), in.field(),
                                   TextOf(FileText::CategoryCountPlace), std::string(*field)};
            variable.category = CategoriesOfStoredCount(*stored);
        }
    }
    return std::nullopt;
}

void ReadCases(ImportTokenizer& in, const TableBody& body, FileImage& image) {
    for (int c = 1; c <= image.caseCount; ++c) {
        if (body.caseNames) {
            const auto name = in.nextField();
            if (!name) return;
            image.caseNames.push_back(NameOf(*name));
        }
        for (int v = 1; v <= image.variableCount; ++v) {
            const auto field = in.nextField();
            if (!field) return;
            AppendForeignValue(image, *field, in.quoted(), c, v);
        }
    }
}

// Values after the last case are left out, as CSV open leaves out fields beyond the variables, and
// counted so that the import can say so.
void NoteExtraValues(ImportTokenizer& in, FileImage& image) {
    while (const auto field = in.nextField())
        if (!Trim(*field).empty() && image.notes.extraValues++ == 0) image.notes.firstExtraLine = in.line();
}

void NameUnnamed(FileImage& image, const TextLayoutOptions& options) {
    if (options.names == NameSource::Generated)
        for (int v = 1; v <= image.variableCount; ++v) image.variables[v - 1].name = DefaultVariableName(v);
    if (options.caseNames == NameSource::Generated) {
        image.caseNames.clear();
        for (int c = 1; c <= image.caseCount; ++c) image.caseNames.push_back(DefaultCaseName(c));
    }
}

}  // namespace

std::optional<FileProblem> ReadGroups(ImportTokenizer& in, FileImage& image, int fieldsAfterEachSize) {
    int groups = 0;
    if (auto problem = ReadCount(in, FileText::GroupCountPlace, kMaxCount, groups)) return problem;
    for (int k = 1; k <= groups; ++k) {
        int size = 0;
        if (auto problem = ReadCount(in, FileText::GroupSizePlace, kMaxCount, size)) return problem;
        // Each size may be right and their sum still too many cases: the sum is what is refused.
        if (image.caseCount + size > kMaxCount) return FileProblem{FileError::TooLarge, in.line(), in.field(),
                                                                   TextOf(FileText::GroupSizeSumPlace)};
        // A group without cases holds nothing, as in a vo-Data file.
        if (size > 0) image.groupSizes.push_back(static_cast<std::int16_t>(size));
        image.caseCount += size;
        for (int skipped = 0; skipped < fieldsAfterEachSize; ++skipped) in.nextField();
    }
    return std::nullopt;
}

namespace {

std::optional<FileProblem> ReadCounts(ImportTokenizer& in, const TextLayoutOptions& options, FileImage& image) {
    if (!options.countsInFile) {
        image.caseCount = options.cases;
        image.variableCount = options.variables;
    } else if (options.groups) {
        if (auto problem = ReadGroups(in, image)) return problem;
    } else if (auto problem = ReadCount(in, FileText::CaseCountPlace, kMaxCount, image.caseCount)) {
        return problem;
    }
    if (options.countsInFile)
        if (auto problem = ReadCount(in, FileText::VariableCountPlace, kMaxCount, image.variableCount)) return problem;
    if (!options.groups || !options.countsInFile) image.groupSizes = {static_cast<std::int16_t>(image.caseCount)};
    return std::nullopt;
}

}  // namespace

CategoryRange CategoriesOfStoredCount(std::int16_t stored) {
    if (stored == 0) return {};
    if (stored == 1) return {2, 1, 0};
    return {stored, stored, 1};
}

std::optional<FileProblem> ReadCount(ImportTokenizer& in, FileText what, int high, int& count) {
    const auto field = in.nextField();
    if (!field) {
        count = 0;
        return std::nullopt;
    }
    const auto number = StrictNumber(*field);
    const auto value = number ? RoundToInt32(*number) : std::nullopt;
    if (!value || *value < 0 || *value > high)
        return FileProblem{FileError::CountOutOfRange, in.line(), in.field(), TextOf(what), std::string(*field)};
    count = *value;
    return std::nullopt;
}

std::optional<FileProblem> ReadTableBody(ImportTokenizer& in, const TableBody& body, FileImage& image) {
    image.variables.resize(static_cast<std::size_t>(image.variableCount));
    if (auto problem = ReadVariables(in, body, image)) return problem;
    ReadCases(in, body, image);
    return std::nullopt;
}

std::optional<FileProblem> ReadTextTable(std::string_view text, const TextLayoutOptions& options, FileImage& image) {
    ImportTokenizer in(SkipLines(text, options.skipLines), true, options.skipLines + 1);
    FileImage read;
    if (auto problem = ReadCounts(in, options, read)) return problem;
    ReserveValuesOfText(read, text.size());
    const TableBody body{options.names == NameSource::File, options.types, options.caseNames == NameSource::File};
    if (auto problem = ReadTableBody(in, body, read)) return problem;
    NoteExtraValues(in, read);
    NameUnnamed(read, options);
    image = std::move(read);
    return std::nullopt;
}

std::optional<FileProblem> DecodeImportText(std::string_view bytes, std::string& text) {
    if (LooksLikeUtf16(bytes)) return FileProblem{FileError::Utf16Text};
    std::size_t bad = 0;
    auto decoded = DecodeForeignText(bytes, &bad);
    if (!decoded) return FileProblem{FileError::UnreadableText, LineOfOffset(bytes, bad)};
    text = std::move(*decoded);
    return std::nullopt;
}

std::optional<FileProblem> ReadImportText(const std::string& path, std::string& text) {
    std::string bytes;
    if (auto problem = ReadFileToOpen(path, bytes)) return problem;
    auto problem = DecodeImportText(bytes, text);
    if (problem && problem->code == FileError::Utf16Text) problem->where = path;
    return problem;
}

}  // namespace zoriduvo

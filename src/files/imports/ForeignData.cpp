#include "files/imports/ForeignData.h"

#include <unordered_set>

#include "sheet/DefaultNames.h"
#include "sheet/SheetRecords.h"

namespace zoriduvo {

namespace {

bool OldStataHeader(std::string_view bytes) {
    if (bytes.size() < 4) return false;
    const auto version = static_cast<unsigned char>(bytes[0]);
    const auto order = static_cast<unsigned char>(bytes[1]);
    return version >= 104 && version <= 115 && (order == 1 || order == 2) && bytes[2] == 1 && bytes[3] == 0;
}

// The image without variable v, whose values become the case names.
void TakeCaseNames(FileImage& image, int v) {
    FileImage taken;
    taken.fileLabel = image.fileLabel;
    taken.formatTag = image.formatTag;
    taken.date = image.date;
    taken.comment = image.comment;
    taken.notes = image.notes;
    taken.caseCount = image.caseCount;
    taken.groupSizes = image.groupSizes;
    taken.variableCount = image.variableCount - 1;
    for (int k = 1; k <= image.variableCount; ++k)
        if (k != v) taken.variables.push_back(image.variable(k));
    taken.reserveValues(image.valuesHeld());
    for (int c = 1; c <= image.caseCount; ++c) {
        taken.caseNames.emplace_back(image.value(c, v).view());
        taken.beginCase();
        const auto values = image.caseValues(c);
        for (std::size_t k = 0; k < values.size(); ++k)
            if (static_cast<int>(k) + 1 != v) taken.appendCell(values[k]);
    }
    image = std::move(taken);
}

}  // namespace

ForeignKind ForeignKindOf(std::string_view bytes) {
    if (bytes.starts_with("$FL2") || bytes.starts_with("$FL3")) return ForeignKind::Spss;
    if (bytes.starts_with("<stata_dta>") || OldStataHeader(bytes)) return ForeignKind::Stata;
    if (bytes.starts_with("HEADER RECORD*******LIB")) return ForeignKind::Transport;
    if (bytes.starts_with(std::string_view("PK\x03\x04", 4))) return ForeignKind::Xlsx;
    return ForeignKind::None;
}

int CaseNameCandidate(const ForeignRead& read) {
    const FileImage& image = read.image;
    for (int v = 1; v <= image.variableCount; ++v) {
        if (!read.textVariables[static_cast<std::size_t>(v - 1)]) continue;
        std::unordered_set<std::string> seen;
        bool unique = image.caseCount > 0;
        for (int c = 1; c <= image.caseCount && unique; ++c) {
            const Cell& cell = image.cell(c, v);
            // Numbers never name the cases here, only texts.
            unique = !cell.empty() && !cell.isNumber() && seen.insert(std::string(cell.text().view())).second;
        }
        if (unique) return v;
    }
    return 0;
}

std::optional<FileProblem> ReadForeignBytes(std::string_view bytes, ForeignKind kind, const ForeignQuestions& questions,
                                            FileImage& image, bool& cancelled) {
    ForeignRead read;
    read.image.fileLabel = kUndefined;
    read.image.date = kNotSaved;
    auto problem = kind == ForeignKind::Xlsx ? ReadXlsxBytes(bytes, questions, read)
                                             : ReadDataSetBytes(bytes, kind, read);
    cancelled = read.cancelled;
    if (problem || cancelled) return problem;
    FileImage& result = read.image;
    result.groupSizes = {static_cast<std::int16_t>(result.caseCount)};
    for (int v = 1; v <= result.variableCount; ++v) {
        std::string& name = result.variables[static_cast<std::size_t>(v - 1)].name;
        if (name.empty()) name = DefaultVariableName(v);
    }
    const int candidate = CaseNameCandidate(read);
    if (candidate != 0 && questions.takeCaseNames && questions.takeCaseNames(result.variable(candidate).name)) {
        TakeCaseNames(result, candidate);
    } else {
        result.caseNames.clear();
        for (int c = 1; c <= result.caseCount; ++c) result.caseNames.push_back(DefaultCaseName(c));
    }
    image = std::move(result);
    return std::nullopt;
}

}  // namespace zoriduvo

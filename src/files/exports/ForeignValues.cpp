#include "files/exports/ForeignValues.h"

#include "files/exports/ExportWriting.h"
#include "sheet/CellValue.h"

namespace zoriduvo {

std::optional<FileProblem> CellNumber(const Cell& cell, int c, int v, std::optional<double>& number) {
    number.reset();
    if (cell.empty()) return std::nullopt;
    if (cell.isNumber()) {
        number = cell.number();
        return std::nullopt;
    }
    const CellString text = cell.text();
    number = StrictNumber(text.view());
    if (number) return std::nullopt;
    return FileProblem{FileError::UnholdableValue, 0, 0, ValuePlace(c, v), std::string(text.view())};
}

std::optional<FileProblem> CheckNumbers(const FileImage& image) {
    std::optional<double> number;
    for (int c = 1; c <= image.caseCount; ++c) {
        const auto values = image.caseValues(c);
        for (std::size_t k = 0; k < values.size(); ++k)
            if (auto problem = CellNumber(values[k], c, static_cast<int>(k) + 1, number)) return problem;
    }
    return std::nullopt;
}

std::optional<FileProblem> CaseNameWidth(const FileImage& image, std::size_t maxBytes, std::size_t& width) {
    width = 1;
    for (int c = 1; c <= image.caseCount; ++c) {
        const std::size_t size = image.caseName(c).size();
        if (size > maxBytes)
            return FileProblem{FileError::UnholdableValue, 0, 0, CaseNamePlace(c), std::string(image.caseName(c))};
        width = std::max(width, size);
    }
    return std::nullopt;
}

}  // namespace zoriduvo

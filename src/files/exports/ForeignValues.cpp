#include "files/exports/ForeignValues.h"

#include "files/exports/ExportMessages.h"
#include "files/exports/ExportWriting.h"
#include "sheet/CellValue.h"

namespace zoriduvo {

std::optional<double> CellNumber(const Cell& cell) {
    if (cell.empty()) return std::nullopt;
    if (cell.isNumber()) return cell.number();
    return StrictNumber(cell.text().view());
}

std::optional<FileProblem> StringVariables(const FileImage& image, std::size_t maxBytes, std::vector<std::size_t>& widths,
                                           std::vector<std::string>& notices) {
    widths.assign(static_cast<std::size_t>(image.variableCount), 0);
    bool any = false;
    for (int c = 1; c <= image.caseCount; ++c) {
        const auto values = image.caseValues(c);
        for (std::size_t k = 0; k < values.size(); ++k) {
            const Cell& cell = values[k];
            if (widths[k] > 0 || cell.empty() || CellNumber(cell)) continue;
            widths[k] = 1;
            any = true;
            const int v = static_cast<int>(k) + 1;
            notices.push_back(TextOf(ExportText::StringVariable,
                                           {image.variable(v).name, std::to_string(c), cell.text().view()}));
        }
    }
    if (!any) return std::nullopt;
    for (int c = 1; c <= image.caseCount; ++c) {
        const auto values = image.caseValues(c);
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (widths[k] == 0) continue;
            const std::size_t size = values[k].textSize();
            if (size > maxBytes)
                return FileProblem{FileError::UnholdableValue, 0, 0, ValuePlace(c, static_cast<int>(k) + 1),
                                   std::string(values[k].text().view())};
            widths[k] = std::max(widths[k], size);
        }
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

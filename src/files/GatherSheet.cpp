#include "files/GatherSheet.h"

#include <algorithm>
#include <utility>

#include "files/Cp932.h"
#include "files/FileDates.h"
#include "files/FilePaths.h"
#include "platform/Clock.h"
#include "sheet/App.h"
#include "sheet/NumberText.h"
#include "sheet/CaseGroups.h"

namespace zoriduvo {

namespace {

// A cell's text; nothing outside the grid.
std::string_view Cell(const Grid& grid, int row, int col) {
    if (row < 0 || col < 0 || row >= grid.rows() || col >= grid.cols()) return {};
    return grid.text(row, col);
}

std::int16_t Integer(std::string_view text) { return RoundToInt16(LeadingNumber(text)).value_or(0); }

// The sheet's group sizes; one group of all cases when it has no groups.
std::vector<std::int16_t> GroupSizes(const Sheet& sheet, int cases) {
    const std::vector<int> sizes = CaseGroupSizes(sheet);
    if (sizes.size() < 2) return {static_cast<std::int16_t>(cases)};
    return std::vector<std::int16_t>(sizes.begin(), sizes.end());
}

void GatherVariables(const Sheet& sheet, FileImage& image) {
    for (int v = 1; v <= image.variableCount; ++v) {
        ImageVariable& variable = image.variables.emplace_back();
        variable.name = std::string(Cell(sheet.grdVoLabel, 0, v));
        if (variable.name.empty()) variable.name = std::string(Cell(sheet.grdVo, 1, v + 1));
        if (variable.name.empty()) variable.name = DefaultVariableName(v);
        variable.category.count = Integer(Cell(sheet.grdVoLabel, 1, v));
        if (variable.category.count != 0) {
            variable.category.maximum = Integer(Cell(sheet.grdVoLabel, 2, v));
            variable.category.minimum = Integer(Cell(sheet.grdVoLabel, 3, v));
        }
    }
}

// The variables of case c up to the last the grid stores a cell for: the rest are blank.
int StoredValues(const Sheet& sheet, const FileImage& image, int c) {
    return std::clamp(sheet.grdVo.storedCols(c + 1) - 2, 0, image.variableCount);
}

// The values the sheet holds and their bytes: a full sheet's image takes exactly its room instead
// of a guessed length per value (a third too much), and blanks take none.
std::pair<std::size_t, std::size_t> GatheredValues(const Sheet& sheet, const FileImage& image) {
    std::size_t count = 0, chars = 0;
    for (int c = 1; c <= image.caseCount; ++c)
        for (int v = 1; v <= StoredValues(sheet, image, c); ++v) {
            const std::size_t length = Cell(sheet.grdVo, c + 1, v + 1).size();
            count += length > 0;
            chars += length;
        }
    return {count, chars};
}

std::string_view BlankText(const Sheet& sheet, GatheredBlanks blanks) {
    switch (blanks) {
    case GatheredBlanks::SheetCode: return sheet.information().blankCode;
    case GatheredBlanks::NativeMark: return kDefaultBlankCode;
    case GatheredBlanks::Empty: break;
    }
    return {};
}

void GatherCases(const Sheet& sheet, FileImage& image, std::string_view blankCode) {
    image.blankText = std::string(blankCode);
    image.caseNames.reserve(image.caseCount);
    const auto [count, chars] = GatheredValues(sheet, image);
    image.reserveValues(count, chars);
    for (int c = 1; c <= image.caseCount; ++c) {
        std::string name(Cell(sheet.grdVo, c + 1, 1));
        image.caseNames.push_back(name.empty() ? DefaultCaseName(c) : std::move(name));
        image.beginCase();
        for (int v = 1; v <= StoredValues(sheet, image, c); ++v) image.appendValue(Cell(sheet.grdVo, c + 1, v + 1));
    }
}

// grdVoStat rows 1..5 of column v: maximum, minimum, mean, deviation, number of cases.
void GatherStatistics(const Sheet& sheet, FileImage& image) {
    const Grid& stat = sheet.grdVoStat;
    image.statisticsPresent = true;
    image.statisticsCorner = std::string(Cell(stat, 0, 0));
    image.statistics.resize(image.variableCount);
    for (int v = 1; v <= image.variableCount; ++v) {
        ImageStatistics& s = image.statistics[v - 1];
        s.cases = ToSingle(LeadingNumber(Cell(stat, 5, v)));
        if (s.cases == 0) continue;  // the grid shows "-" for the others
        s.maximum = ToSingle(LeadingNumber(Cell(stat, 1, v)));
        s.minimum = ToSingle(LeadingNumber(Cell(stat, 2, v)));
        s.mean = ToSingle(LeadingNumber(Cell(stat, 3, v)));
        s.deviation = ToSingle(LeadingNumber(Cell(stat, 4, v)));
    }
}

}  // namespace

void GatherSheet(App& app, const Sheet& sheet, const std::string& path, bool withStatistics, FileImage& image,
                 GatheredBlanks blanks) {
    image = FileImage{};
    image.variableCount = std::clamp(sheet.variableCount(), 0, kMaxCount);
    image.caseCount = std::clamp(sheet.caseCount(), 0, kMaxCount);
    image.path = path;
    image.fileName = FileNameOf(path);
    image.date = WriterDate(app.clock.now());
    const std::string& label = sheet.information().fileLabel;
    // A label made up from the file's name must not refuse the save for a name the user chose freely.
    image.fileLabel =
        label.empty() || label == kUndefined ? WritableInFile(image.fileName + " : " + image.date) : label;
    image.formatTag = "vo-Data_3";
    image.groupSizes = GroupSizes(sheet, image.caseCount);
    GatherVariables(sheet, image);
    GatherCases(sheet, image, BlankText(sheet, blanks));
    if (withStatistics) GatherStatistics(sheet, image);
    image.comment = sheet.comment();
}

}  // namespace zoriduvo

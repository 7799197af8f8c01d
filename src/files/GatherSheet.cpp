#include "files/GatherSheet.h"

#include <algorithm>
#include <utility>

#include "files/Cp932.h"
#include "files/FilePaths.h"
#include "platform/Clock.h"
#include "platform/FileDates.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

// A cell's text; nothing outside the grid.
const Cell& CellAt(const Grid& grid, int row, int col) {
    static const Cell blank;
    if (row < 0 || col < 0 || row >= grid.rows() || col >= grid.cols()) return blank;
    return grid.cell(row, col);
}

std::string TextAt(const Grid& grid, int row, int col) { return std::string(CellAt(grid, row, col).text().view()); }

std::int16_t Integer(std::string_view text) { return RoundToInt16(LeadingNumber(text)).value_or(0); }

// The sheet's group sizes; one group of all cases when it has no groups.
std::vector<std::int16_t> GroupSizes(const Sheet& sheet, int cases) {
    const std::vector<int> sizes = CaseGroupSizes(sheet);
    if (sizes.size() < 2) return {static_cast<std::int16_t>(cases)};
    return std::vector<std::int16_t>(sizes.begin(), sizes.end());
}

void GatherVariables(const Sheet& sheet, FileImage& image, GatheredNames names) {
    for (int v = 1; v <= image.variableCount; ++v) {
        ImageVariable& variable = image.variables.emplace_back();
        variable.name = TextAt(sheet.grdVoLabel, 0, v);
        if (variable.name.empty()) variable.name = TextAt(sheet.grdVo, 1, v + 1);
        if (variable.name.empty() && names == GatheredNames::Defaults) variable.name = DefaultVariableName(v);
        variable.category.count = Integer(TextAt(sheet.grdVoLabel, 1, v));
        if (variable.category.count != 0) {
            variable.category.maximum = Integer(TextAt(sheet.grdVoLabel, 2, v));
            variable.category.minimum = Integer(TextAt(sheet.grdVoLabel, 3, v));
        }
    }
}

// The variables of case c up to the last the grid stores a cell for: the rest are blank.
int StoredValues(const Sheet& sheet, const FileImage& image, int c) {
    return std::clamp(sheet.grdVo.storedCols(c + 1) - 2, 0, image.variableCount);
}

// The values the sheet stores: a full sheet's image takes exactly its room.
std::size_t HeldValues(const Sheet& sheet, const FileImage& image) {
    std::size_t count = 0;
    for (int c = 1; c <= image.caseCount; ++c) count += static_cast<std::size_t>(StoredValues(sheet, image, c));
    return count;
}

std::string_view BlankText(const Sheet& sheet, GatheredBlanks blanks) {
    switch (blanks) {
    case GatheredBlanks::SheetCode: return sheet.information().blankCode;
    case GatheredBlanks::NativeMark: return kDefaultBlankCode;
    case GatheredBlanks::Empty: break;
    }
    return {};
}

void GatherCases(const Sheet& sheet, FileImage& image, std::string_view blankCode, GatheredValues values,
                 GatheredNames names) {
    image.blankText = std::string(blankCode);
    image.caseNames.reserve(image.caseCount);
    if (values == GatheredValues::Borrowed) image.borrowValues(sheet.grdVo);
    else image.reserveValues(HeldValues(sheet, image));
    for (int c = 1; c <= image.caseCount; ++c) {
        // After a sort the rows lie anywhere: the names a few cases ahead are asked for early.
        const std::span<const Cell> ahead = sheet.grdVo.storedRow(c + 9);
        Prefetch(ahead.first(std::min<std::size_t>(ahead.size(), 2)));
        std::string name = TextAt(sheet.grdVo, c + 1, 1);
        image.caseNames.push_back(name.empty() && names == GatheredNames::Defaults ? DefaultCaseName(c) : std::move(name));
        if (values == GatheredValues::Borrowed) continue;
        const int stored = StoredValues(sheet, image, c);
        image.appendCase(stored > 0 ? sheet.grdVo.storedRow(c + 1).subspan(2, stored) : std::span<const Cell>());
    }
}

// grdVoStat rows 1..5 of column v: maximum, minimum, mean, deviation, number of cases.
void GatherStatistics(const Sheet& sheet, FileImage& image) {
    const Grid& stat = sheet.grdVoStat;
    image.statisticsPresent = true;
    image.statisticsCorner = TextAt(stat, 0, 0);
    image.statistics.resize(image.variableCount);
    for (int v = 1; v <= image.variableCount; ++v) {
        ImageStatistics& s = image.statistics[v - 1];
        s.cases = StatisticOfText(TextAt(stat, 5, v));
        if (s.cases == 0) continue;  // the grid shows "-" for the others
        s.maximum = StatisticOfText(TextAt(stat, 1, v));
        s.minimum = StatisticOfText(TextAt(stat, 2, v));
        s.mean = StatisticOfText(TextAt(stat, 3, v));
        s.deviation = StatisticOfText(TextAt(stat, 4, v));
    }
}

}  // namespace

void GatherSheet(App& app, const Sheet& sheet, const std::string& path, bool withStatistics, FileImage& image,
                 GatheredBlanks blanks, GatheredValues values, GatheredNames names) {
    image = FileImage{};
    image.variableCount = std::clamp(sheet.variableCount(), 0, kMaxCount);
    image.caseCount = std::clamp(sheet.caseCount(), 0, kMaxCount);
    image.path = path;
    image.fileName = FileNameOf(path);
    image.writtenAt = app.clock.now();
    image.date = WriterDate(image.writtenAt);
    const std::string& label = sheet.information().fileLabel;
    // A label made up from the file's name must not refuse the save for a name the user chose freely.
    image.fileLabel =
        label.empty() || label == kUndefined ? WritableInFile(image.fileName + " : " + image.date) : label;
    image.formatTag = "vo-Data_3";
    image.groupSizes = GroupSizes(sheet, image.caseCount);
    GatherVariables(sheet, image, names);
    GatherCases(sheet, image, BlankText(sheet, blanks), values, names);
    if (withStatistics) GatherStatistics(sheet, image);
    image.comment = sheet.comment();
}

}  // namespace zoriduvo

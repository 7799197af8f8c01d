#include "files/SheetLoader.h"

#include <algorithm>
#include <string>

#include "files/FilePaths.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"
#include "sheet/StatisticsLayout.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

int GroupCount(const FileImage& image) { return std::max(image.groupCount(), 1); }

// A blank sheet of the frame takes the file; otherwise a new sheet does.
int TargetSheet(App& app, int wanted) {
    const int n = wanted != 0 ? wanted : app.activeSheet();
    const auto& open = app.openSheets();
    if (n != 0 && std::find(open.begin(), open.end(), n) != open.end() && app.sheet(n).variableCount() < 1) {
        app.sheet(n).loadWindow();
        return n;
    }
    return NewSheet(app);
}

void SetGroups(Sheet& sheet, const FileImage& image) {
    const int groups = GroupCount(image);
    sheet.state().caseGroups = static_cast<std::int16_t>(groups);
    if (groups == 1) {
        sheet.grdSInfo.setCols(2);
        return;
    }
    sheet.grdSInfo.setCols(groups);
    for (int k = 1; k <= groups; ++k) sheet.grdSInfo.setText(0, k - 1, std::to_string(image.groupSizes[k - 1]));
}

void GrowGrids(Sheet& sheet, int variables, int cases) {
    Grid& grid = sheet.grdVo;
    // New columns come 1200 twips wide with left-aligned names, new rows 280 twips high.
    EnsureGridSize(sheet, variables + 7, grid.rows() < cases + 20 ? cases + 22 : 0);
    grid.setTopRow(grid.topRow() < 7 ? 2 : grid.topRow() - 5);
    grid.setLeftCol(grid.leftCol() < 5 ? 2 : grid.leftCol() - 3);
}

void WriteNamesAndValues(Sheet& sheet, const FileImage& image, bool exactValues) {
    Grid& grid = sheet.grdVo;
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageVariable& variable = image.variable(v);
        grid.setText(0, v + 1, std::to_string(v));
        grid.setText(1, v + 1, variable.name);
        sheet.grdVoLabel.setText(0, v, variable.name);
        if (variable.category.count > 0) WriteCategoryRange(sheet, v, variable.category);
    }
    for (int c = 1; c <= image.caseCount; ++c) {
        grid.setText(c + 1, 0, std::to_string(c));
        grid.setText(c + 1, 1, image.caseName(c));
        // Only the values the file held: the empty rest costs nothing, however many variables.
        const std::span<const Cell> values = image.caseValues(c).first(std::min(image.valuesHeldIn(c), image.variableCount));
        grid.setCells(c + 1, 2, values);
        if (exactValues) continue;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (!values[i].isNumber() && !values[i].empty())
                grid.setCell(c + 1, static_cast<int>(i) + 2, LoadedCell(values[i]));
    }
}

// The statistics block below the data and grdVoStat, as the statistics command shows them.
void WriteStatistics(Sheet& sheet, const FileImage& image) {
    Grid& grid = sheet.grdVo;
    Grid& stat = sheet.grdVoStat;
    const int top = StatisticsBlockRow(image.caseCount, 0);
    grid.setText(top, 1, image.statisticsCorner);
    stat.setText(0, 0, image.statisticsCorner);
    for (int row = 1; row <= 5; ++row) grid.setCell(top + row, 1, stat.cell(row, 0));
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageStatistics& s = image.statisticsOf(v);
        const float values[] = {s.maximum, s.minimum, s.mean, s.deviation, s.cases};
        for (int row = 1; row <= 5; ++row) {
            const std::string text = row < 5 && s.cases == 0 ? "-" : FormatNumber(values[row - 1]);
            stat.setText(row, v, text);
            grid.setText(top + row, v + 1, text);
        }
    }
}

void ShadeGroups(Sheet& sheet, const FileImage& image) {
    if (GroupCount(image) < 2) return;
    Grid& grid = sheet.grdVo;
    const std::vector<int> ends = image.groupEnds();
    for (int k = 2; k <= image.groupCount(); k += 2)
        for (int c = ends[k - 1] + 1; c <= ends[k]; ++c) grid.setBackColour(c + 1, 2, grid.cols() - 1, kCaseGroupShade);
}

}  // namespace

void FillSheetFromImage(Sheet& sheet, const FileImage& image, bool exactValues) {
    Grid::BulkChange bulk(sheet.grdVo);
    SetGroups(sheet, image);
    GrowGrids(sheet, image.variableCount, image.caseCount);
    WriteNamesAndValues(sheet, image, exactValues);
    SetVariableCount(sheet, image.variableCount);
    SetCaseCount(sheet, image.caseCount);
    if (image.statisticsPresent) WriteStatistics(sheet, image);
    ShadeGroups(sheet, image);
    sheet.setComment(image.comment);
    SelectCell(sheet.grdVo, 2, 2);
}

int LoadImageIntoSheet(App& app, const FileImage& image, const LoadOptions& options) {
    const int n = TargetSheet(app, options.into);
    if (n == 0) return 0;
    Sheet& sheet = app.sheet(n);
    SheetState& state = sheet.state();
    state.free = false;
    state.rangeSelection = false;
    state.statisticsBlocks = image.statisticsPresent ? 1 : 0;
    sheet.setModified(false);
    sheet.setBlank(true);  // writing the end cells unlocks the sheet's menus again
    // A file without a statistics block must not pass for one whose statistics are in grdVoStat.
    sheet.setStatisticsValid(image.statisticsPresent);
    sheet.statisticsAndFile().hasFile = options.hasFile;
    sheet.information().blankCode = kDefaultBlankCode;
    TakeFileRecord(sheet.information(), image);
    sheet.setCaption(LowerCaseAscii(image.fileName));
    FillSheetFromImage(sheet, image, options.exactValues);
    return n;
}

}  // namespace zoriduvo

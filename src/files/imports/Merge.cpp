#include "files/imports/Merge.h"

#include <algorithm>

#include "files/FilePaths.h"
#include "files/NativeReader.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetShape.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

namespace {

// An image value as the loader writes it; a blank leaves the cell as it is.
void PutValue(Grid& grid, int row, int col, const Cell& value) {
    if (!value.empty()) grid.setCell(row, col, LoadedCell(value));
}

// A merge is one step of the sheet's history, with the blocks of every range gone before it.
class Merging {
public:
    Merging(Sheet& sheet, const char* step)
        : sheet_(sheet),
          change_(sheet, step, DataChange::Statistics::EveryBlockRemoved, DataChange::Notify::OneReset) {}

    void done() {
        sheet_.state().rangeSelection = false;
        ClearCaseGroups(sheet_);
        SelectCell(sheet_.grdVo, 2, 2);
        change_.done();
    }

private:
    Sheet& sheet_;
    DataChange change_;
};

std::optional<Message> Refusal(int variables, int cases) {
    if (!WithinCountLimit(cases)) return MessageOf(MergeText::TooManyCases, {std::to_string(cases)});
    if (!WithinCountLimit(variables)) return MessageOf(MergeText::TooManyVariables, {std::to_string(variables)});
    return std::nullopt;
}

// Variables first + 1 .. first + count take the image's variables 1 .. count.
void TakeDefinitions(Sheet& sheet, const FileImage& image, int first, int from) {
    for (int v = from; v <= image.variableCount; ++v) WriteDefinition(sheet, first + v, image.variable(v));
}

MergeOutcome MergeCommand(App& app, Sheet& sheet, MergeDirection direction) {
    FileDialogRequest request;
    request.title = MessageOf(MergeText::Title).text;
    request.filter = MessageOf(MergeText::Filter).text;
    request.defaultExtension = "vo";
    const auto chosen = app.ui.openFileName(request);
    if (!chosen) return MergeOutcome::Cancelled;
    return MergeFile(app, sheet, *chosen, direction);
}

}  // namespace

std::optional<Message> AppendImageCases(Sheet& sheet, const FileImage& image) {
    const int v0 = sheet.variableCount();
    const int c0 = sheet.caseCount();
    const int variables = std::max(v0, image.variableCount);
    if (auto refusal = Refusal(variables, c0 + image.caseCount)) return refusal;
    Merging merging(sheet, "ケースの結合");
    ExtendVariables(sheet, variables);
    TakeDefinitions(sheet, image, 0, v0 + 1);
    ExtendCases(sheet, c0 + image.caseCount);
    Grid& grid = sheet.grdVo;
    for (int c = 1; c <= image.caseCount; ++c) {
        grid.setText(c0 + c + 1, 1, image.caseName(c));
        for (int v = 1; v <= image.variableCount; ++v) PutValue(grid, c0 + c + 1, v + 1, image.cell(c, v));
    }
    merging.done();
    return std::nullopt;
}

std::optional<Message> AppendImageVariables(Sheet& sheet, const FileImage& image) {
    const int v0 = sheet.variableCount();
    const int c0 = sheet.caseCount();
    if (auto refusal = Refusal(v0 + image.variableCount, std::max(c0, image.caseCount))) return refusal;
    Merging merging(sheet, "変数の結合");
    ExtendVariables(sheet, v0 + image.variableCount);
    TakeDefinitions(sheet, image, v0, 1);
    ExtendCases(sheet, image.caseCount);
    Grid& grid = sheet.grdVo;
    for (int c = 1; c <= image.caseCount; ++c) {
        if (c > c0) grid.setText(c + 1, 1, image.caseName(c));
        for (int v = 1; v <= image.variableCount; ++v) PutValue(grid, c + 1, v0 + v + 1, image.cell(c, v));
    }
    merging.done();
    return std::nullopt;
}

MergeOutcome MergeFile(App& app, Sheet& sheet, const std::string& path, MergeDirection direction) {
    FileImage image;
    if (auto problem = ReadNativeFile(path, image)) {
        ShowFileProblem(app.ui, *problem);
        return MergeOutcome::Unreadable;
    }
    std::optional<Message> refusal;
    {
        BusyPointer busy(app.ui);
        const bool cases = direction == MergeDirection::Cases;
        UndoStep step(sheet.history(), cases ? "ケースの結合" : "変数の結合");
        step.record({"merge", {AbsolutePath(path)}, {cases ? "--cases" : "--variables"}, {}});
        refusal = direction == MergeDirection::Cases ? AppendImageCases(sheet, image) : AppendImageVariables(sheet, image);
    }
    if (!refusal) return MergeOutcome::Merged;
    app.ui.show(*refusal);
    return MergeOutcome::Refused;
}

MergeOutcome MergeCasesCommand(App& app, Sheet& sheet) { return MergeCommand(app, sheet, MergeDirection::Cases); }

MergeOutcome MergeVariablesCommand(App& app, Sheet& sheet) {
    return MergeCommand(app, sheet, MergeDirection::Variables);
}

}  // namespace zoriduvo

#include "files/SaveCommands.h"

#include <string>

#include "files/FilePaths.h"
#include "files/NativeFileSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

namespace {

constexpr const char* kSaveFilter = "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|すべてのﾌｧｲﾙ(*.*)|*.*|";

bool SaveTo(App& app, Sheet& sheet, const std::string& path) {
    if (!sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
    return WriteSheetVersion3(app, sheet, path);
}

SaveOutcome SaveAs(App& app, Sheet& sheet) {
    FileDialogRequest request;
    request.title = "ファイルの保存";
    request.filter = kSaveFilter;
    request.defaultExtension = "vo";
    request.askBeforeOverwrite = true;
    const auto chosen = app.ui.saveFileName(request);
    if (!chosen) return SaveOutcome::Cancelled;
    const std::string path = AbsolutePath(*chosen);
    if (!SaveTo(app, sheet, path)) return SaveOutcome::Failed;
    sheet.setCaption(FileNameOf(path));
    return SaveOutcome::Saved;
}

SaveOutcome SaveToFileOrAs(App& app, Sheet& sheet) {
    if (sheet.statisticsAndFile().hasFile)
        return SaveTo(app, sheet, sheet.information().path) ? SaveOutcome::Saved : SaveOutcome::Failed;
    return SaveAs(app, sheet);
}

}  // namespace

SaveOutcome SaveCommand(App& app, Sheet& sheet) {
    if (!sheet.modified()) return SaveOutcome::Saved;
    return SaveToFileOrAs(app, sheet);
}

bool SaveAsCommand(App& app, Sheet& sheet) { return SaveAs(app, sheet) != SaveOutcome::Saved; }

bool SaveSheetForClose(App& app, Sheet& sheet) { return SaveToFileOrAs(app, sheet) == SaveOutcome::Saved; }

void InstallFileCommands(App& app) {
    app.saveSheet = [&app](Sheet& sheet) { return SaveSheetForClose(app, sheet); };
}

}  // namespace zoriduvo

#include "files/SaveCommands.h"

#include <string>

#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "files/NativeFileSave.h"
#include "files/OpenCommand.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

namespace {

bool SaveTo(App& app, Sheet& sheet, const std::string& path) {
    if (!sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
    return WriteSheetVersion3(app, sheet, path);
}

}  // namespace

SaveOutcome SaveCommand(App& app, Sheet& sheet) {
    if (!sheet.modified()) return SaveOutcome::Saved;
    if (sheet.statisticsAndFile().hasFile)
        return SaveTo(app, sheet, sheet.information().path) ? SaveOutcome::Saved : SaveOutcome::Failed;
    return SaveAsCommand(app, sheet);
}

SaveOutcome SaveAsCommand(App& app, Sheet& sheet) {
    FileDialogRequest request;
    request.title = TextOf(FileText::SaveTitle);
    request.filter = TextOf(FileText::SaveFilter);
    request.defaultExtension = "vo";
    request.askBeforeOverwrite = true;
    const auto chosen = app.ui.saveFileName(request);
    if (!chosen) return SaveOutcome::Cancelled;
    const std::string path = AbsolutePath(*chosen);
    // Two sheets bound to one file would overwrite each other's saves.
    const int holder = SheetHoldingFile(app, path);
    if (holder != 0 && holder != sheet.number()) {
        ShowFileProblem(app.ui, {FileError::AlreadyOpen});
        return SaveOutcome::Failed;
    }
    if (!SaveTo(app, sheet, path)) return SaveOutcome::Failed;
    sheet.setCaption(FileNameOf(path));
    return SaveOutcome::Saved;
}

}  // namespace zoriduvo

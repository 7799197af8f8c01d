#include "files/ui/FileCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "files/OpenCommand.h"
#include "files/SaveCommands.h"
#include "files/imports/Merge.h"
#include "files/ui/ExportDialog.h"
#include "files/ui/HistoryWindow.h"
#include "files/ui/ImportDialog.h"
#include "files/ui/PrintCommands.h"
#include "platform/qt/FrameContext.h"
#include "sheet/App.h"
#include "sheet/Commands.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

void RegisterFileCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
    QMdiArea& windows = context.windows;
    auto newSheet = [&app] { NewSheet(app); };
    auto save = [&app](Sheet& sheet) { SaveCommand(app, sheet); };
    commands.add("mnuFNew", newSheet);
    commands.add(ToolCommand("fileNew"), newSheet);
    commands.add("mnuFOpen", [&app] { OpenFileCommand(app); });
    commands.add(CommandId(CommandScope::FrameMenus, "mnuFOpen"), [&app] {
        NewSheet(app);
        OpenFileCommand(app);
    });
    // The toolbar's Open: a blank sheet first when none is open.
    commands.add(ToolCommand("fileOpen"), [&app] {
        if (!AnySheetOpen(app)) NewSheet(app);
        OpenFileCommand(app);
    });
    commands.add("mnuFImport", [&app, &frame, &commands] {
        ImportDialog dialog(app, &frame);
        if (dialog.exec() == QDialog::Accepted && dialog.labelsWanted()) commands.run("mnuVLabelMake");
    });
    commands.addOnSheet("mnuFSave", save);
    commands.addOnSheet(ToolCommand("fileSave"), save);
    commands.addOnSheet("mnuFSaveAs", [&app](Sheet& sheet) { SaveAsCommand(app, sheet); });
    commands.addOnSheet("mnuFExport", [&app, &frame](Sheet& sheet) {
        ExportDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
    auto print = [&app, &frame](Sheet& sheet) { PrintCommand(app, sheet, &frame); };
    commands.addOnSheet("mnuFPrint", print);
    commands.addOnSheet(ToolCommand("filePrint"), print);
    commands.addOnSheet("mnuFPrintPreview", [&app, &frame](Sheet& sheet) { PrintPreviewCommand(app, sheet, &frame); });
    commands.addOnSheet("mnuFPrintPdf", [&app, &frame](Sheet& sheet) { SavePdfCommand(app, sheet, &frame); });
    // The steps of the sheet and the script that replays them.
    commands.addOnSheet("mnuEHistory", [&app, &frame](Sheet& sheet) { HistoryWindow::Run(app, sheet, &frame); });
    commands.addOnSheet("mnuFMergeCases", [&app](Sheet& sheet) { MergeCasesCommand(app, sheet); });
    commands.addOnSheet("mnuFMergeVariables", [&app](Sheet& sheet) { MergeVariablesCommand(app, sheet); });
    commands.add("mnuFClose", [&app, &windows] {
        app.closeCancelled = false;
        if (auto* window = windows.activeSubWindow()) window->close();
    });
    commands.add("mnuFExit", [&app, &frame] {
        app.closeCancelled = false;
        frame.close();
    });
    commands.add(CommandId(CommandScope::FrameMenus, "mnuFExit"), [&app, &frame] {
        if (!AnySheetOpen(app)) frame.close();
    });
}

}  // namespace zoriduvo

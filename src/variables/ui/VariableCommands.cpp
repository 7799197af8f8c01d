#include "variables/ui/VariableCommands.h"

#include <QMdiArea>
#include <utility>

#include "platform/qt/ChildWindow.h"
#include "platform/qt/FrameContext.h"
#include "sheet/App.h"
#include "sheet/Commands.h"
#include "sheet/StatisticsLayout.h"
#include "variables/StatisticsBlock.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/CaseNameDialog.h"
#include "variables/ui/CommentDialog.h"
#include "variables/ui/FileLabelDialog.h"
#include "variables/ui/InformationDialogs.h"
#include "variables/ui/LabelDialog.h"
#include "variables/ui/VariableDefinitionDialog.h"

namespace zoriduvo {

void RegisterVariableCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
    QMdiArea& windows = context.windows;
    commands.addOnSheet("mnuVStat", [&app, &windows](Sheet& sheet) {
        ShowStatisticsBlock(app, sheet);
        // The new block may lie far below the rows in sight.
        const int blocks = sheet.state().statisticsBlocks;
        ChildWindow* window = ChildIn(windows.activeSubWindow());
        if (blocks > 0 && window)
            window->showRows(StatisticsBlockRow(sheet.caseCount(), blocks - 1), LastStatisticsRow(sheet.caseCount(), blocks));
    });
    commands.addOnSheet("mnuDDefine",
                        [&app, &frame](Sheet& sheet) { VariableDefinitionDialog::Open(app, sheet, &frame); });
    commands.addOnSheet("mnuDTypes", [&app, &frame](Sheet& sheet) { BulkTypeDialog::Open(app, sheet, &frame); });
    commands.addOnSheet("mnuVFileInfo", [&frame](Sheet& sheet) { NewFileInfoDialog(sheet, &frame)->open(); });
    commands.addOnSheet("mnuVVarInfo", [&frame](Sheet& sheet) { NewVariableInfoDialog(sheet, &frame)->open(); });
    for (const auto& [entry, mode] : {std::pair{"mnuVLabelMake", LabelDialog::Mode::Generate},
                                      std::pair{"mnuVLabelDelete", LabelDialog::Mode::Erase}}) {
        commands.addOnSheet(entry, [&frame, mode = mode](Sheet& sheet) {
            LabelDialog dialog(sheet, mode, &frame);
            dialog.exec();
        });
    }
    commands.addOnSheet("mnuDCaseNames", [&app, &frame](Sheet& sheet) { CaseNameDialog::Open(app, sheet, &frame); });
    commands.addOnSheet("mnuDFileLabel", [&app, &frame](Sheet& sheet) {
        FileLabelDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
    commands.addOnSheet("mnuDComment", [&frame](Sheet& sheet) {
        CommentDialog dialog(sheet, &frame);
        dialog.exec();
    });
}

}  // namespace zoriduvo

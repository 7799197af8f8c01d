#include <QMdiArea>

#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "platform/qt/ChildWindow.h"
#include "sheet/App.h"
#include "sheet/StatisticsLayout.h"
#include "variables/StatisticsBlock.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/VariableDefinitionDialog.h"

namespace zoriduvo {

void RegisterVariableCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.addOnSheet("mnuVStat", [&app, &commands](Sheet& sheet) {
        ShowStatisticsBlock(app, sheet);
        // The new block may lie far below the rows in sight.
        const int blocks = sheet.state().statisticsBlocks;
        ChildWindow* window = ChildIn(commands.windows().activeSubWindow());
        if (blocks > 0 && window)
            window->showRows(StatisticsBlockRow(sheet.caseCount(), blocks - 1), LastStatisticsRow(sheet.caseCount(), blocks));
    });
    commands.addOnSheet("mnuDDefine",
                        [&app, &frame](Sheet& sheet) { VariableDefinitionDialog::Open(app, sheet, &frame); });
    commands.addOnSheet("mnuDTypes", [&app, &frame](Sheet& sheet) { BulkTypeDialog::Open(app, sheet, &frame); });
}

}  // namespace zoriduvo

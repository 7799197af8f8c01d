#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "sheet/App.h"
#include "variables/StatisticsBlock.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/VariableDefinitionDialog.h"

namespace zoriduvo {

void RegisterVariableCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.addOnSheet("mnuVStat", [&app](Sheet& sheet) { ShowStatisticsBlock(app, sheet); });
    commands.addOnSheet("mnuDDefine",
                        [&app, &frame](Sheet& sheet) { VariableDefinitionDialog::Open(app, sheet, &frame); });
    commands.addOnSheet("mnuDTypes", [&app, &frame](Sheet& sheet) { BulkTypeDialog::Open(app, sheet, &frame); });
}

}  // namespace zoriduvo

#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "categories/ui/CaseGroupDialog.h"

namespace zoriduvo {

void RegisterCategoryCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.addOnSheet("mnuDCGroup", [&app, &frame](Sheet& sheet) { CaseGroupDialog::Run(app, sheet, &frame); });
}

}  // namespace zoriduvo

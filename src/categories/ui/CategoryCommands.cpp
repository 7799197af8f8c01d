#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "categories/ui/CaseGroupDialog.h"
#include "categories/ui/CategoryToolDialogs.h"

namespace zoriduvo {

void RegisterCategoryCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.addOnSheet("mnuDCGroup", [&app, &frame](Sheet& sheet) { CaseGroupDialog::Run(app, sheet, &frame); });
    commands.addOnSheet("mnuDCombine", [&app, &frame](Sheet& sheet) {
        CategoryCombinationDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
    commands.addOnSheet("mnuDBind", [&app, &frame](Sheet& sheet) {
        VariableBindingDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
}

}  // namespace zoriduvo

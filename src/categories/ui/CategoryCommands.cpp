#include "categories/ui/CategoryCommands.h"

#include "categories/ui/CaseGroupDialog.h"
#include "categories/ui/CategoryToolDialogs.h"
#include "platform/qt/FrameContext.h"
#include "sheet/Commands.h"

namespace zoriduvo {

void RegisterCategoryCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
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

#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "transform/ui/TransformDialog.h"

namespace zoriduvo {

void RegisterTransformCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.addOnSheet("mnuDTrans", [&app, &frame](Sheet& sheet) {
        TransformDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
}

}  // namespace zoriduvo

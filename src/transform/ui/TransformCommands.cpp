#include "transform/ui/TransformCommands.h"

#include "platform/qt/FrameContext.h"
#include "sheet/Commands.h"
#include "transform/ui/TransformDialog.h"

namespace zoriduvo {

void RegisterTransformCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
    commands.addOnSheet("mnuDTrans", [&app, &frame](Sheet& sheet) {
        TransformDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
}

}  // namespace zoriduvo

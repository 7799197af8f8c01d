#include "files/CloseSheet.h"

#include "files/FileMessages.h"
#include "files/SaveCommands.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

CloseOutcome CloseSheetQuery(App& app, Sheet& sheet) {
    if (!app.closeCancelled && sheet.modified()) {
        const Message question = FileMessageOf(FileText::CloseQuestion, {sheet.caption()});
        switch (app.ui.show(question, MessageButtons::YesNoCancel)) {
        case Answer::Yes:
            if (SaveCommand(app, sheet) != SaveOutcome::Saved) {
                app.closeCancelled = true;
                return CloseOutcome::KeptOpen;
            }
            break;
        case Answer::No:
            break;
        default:
            app.closeCancelled = true;
            return CloseOutcome::KeptOpen;
        }
    }
    app.closeCancelled = false;
    ForgetClosedSheet(app, sheet.number());
    return CloseOutcome::Closed;
}

}  // namespace zoriduvo

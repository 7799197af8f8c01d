#include "files/CloseSheet.h"

#include "files/FileMessages.h"
#include "files/SaveCommands.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

CloseOutcome CloseSheetQuery(App& app, Sheet& sheet) {
    // The cancel flag speaks to the exit under way only, which stops at once when it is set: a
    // flag left from an earlier Cancel must not let a later close drop changes unasked.
    if (sheet.modified()) {
        const Message question = MessageOf(FileText::CloseQuestion, {sheet.caption()});
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

#include "files/CloseSheet.h"

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

namespace {
constexpr const char* kCloseTitle = "ファイルを閉じる";

// Yes to the save question: saves through the installed saver, true when the sheet was saved.
bool SaveBeforeClose(App& app, Sheet& sheet) {
    if (app.saveSheet) return app.saveSheet(sheet);
    app.ui.message("この版ではシートを保存できません。シートは閉じずに残します。", kCloseTitle, MessageIcon::Exclamation);
    return false;
}
}  // namespace

bool CloseSheetQuery(App& app, Sheet& sheet) {
    if (!app.closeCancelled && sheet.modified()) {
        const std::string question = "'" + sheet.caption() + "'" + "は保存されていません。" + "\n\r" + "保存しますか？";
        switch (app.ui.message(question, kCloseTitle, MessageIcon::Question, MessageButtons::YesNoCancel)) {
        case Answer::Yes:
            if (!SaveBeforeClose(app, sheet)) {
                app.closeCancelled = true;
                return true;
            }
            break;
        case Answer::No:
            break;
        default:
            app.closeCancelled = true;
            return true;
        }
    }
    app.closeCancelled = false;
    ForgetClosedSheet(app, sheet.number());
    return false;
}

}  // namespace zoriduvo

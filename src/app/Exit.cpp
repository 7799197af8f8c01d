#include "app/Exit.h"

#include "files/CloseSheet.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

bool ExitProgram(App& app) {
    app.closeCancelled = false;
    while (AnySheetOpen(app)) {
        const int last = app.openSheets().back();
        app.setActiveSheet(last);
        CloseSheetQuery(app, app.sheet(last));
        if (app.closeCancelled) return false;
    }
    return true;
}

}  // namespace zoriduvo

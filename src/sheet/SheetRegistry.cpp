#include "sheet/SheetRegistry.h"

#include <algorithm>
#include <string>

#include "sheet/App.h"

namespace zoriduvo {

int FindFreeSheetNumber(App& app) {
    auto& sheets = app.sheets_;
    if (app.openSheets_.empty()) {
        sheets.resize(2);
        if (!sheets[1]) sheets[1] = std::make_unique<Sheet>(app, 1);
        sheets[1]->state().free = false;
        return 1;
    }
    for (int n = 1; n < static_cast<int>(sheets.size()); ++n) {
        if (!sheets[n]) sheets[n] = std::make_unique<Sheet>(app, n);
        if (sheets[n]->state().free) {
            sheets[n]->state().free = false;
            return n;
        }
    }
    const int n = static_cast<int>(sheets.size());
    if (n > kMaxSheets) return 0;
    sheets.push_back(std::make_unique<Sheet>(app, n));
    return n;
}

int NewSheet(App& app) {
    const int n = FindFreeSheetNumber(app);
    if (n == 0) return 0;
    Sheet& sheet = app.sheet(n);
    sheet.loadWindow();
    sheet.resetRecords();
    sheet.setCaption("名称未設定:" + std::to_string(n));
    app.openSheets_.push_back(n);
    sheet.grdSInfo.setCols(2);
    app.bus.publish({ChangeKind::SheetOpened, n});
    return n;
}

bool AnySheetOpen(const App& app) { return app.openCount() > 0; }

int ActiveSheetNumber(App& app) {
    return app.activeSheet();
}

void ForgetClosedSheet(App& app, int number) {
    auto& open = app.openSheets_;
    auto it = std::find(open.begin(), open.end(), number);
    if (it == open.end()) return;
    open.erase(it);
    app.sheet(number).state().free = true;
    if (app.activeSheet_ == number) app.activeSheet_ = 0;
    if (open.empty()) {
        app.toolbar.setDataButtonsEnabled(false);
        app.tellToolbar();
    }
    app.bus.publish({ChangeKind::SheetClosed, number});
}

}  // namespace zoriduvo

#include "app/StartUp.h"

#include "files/OpenCommand.h"
#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "transform/FormulaHistory.h"

namespace zoriduvo {

void StartUp(App& app) {
    app.state<FormulaRing>().position = 1;
    NewSheet(app);
    app.random.seedFromTimer();
    app.toolbar.setDataButtonsEnabled(false);
    app.tellToolbar();
}

void OpenFileAtStart(App& app, const std::string& path) { OpenPath(app, path, 1); }

}  // namespace zoriduvo

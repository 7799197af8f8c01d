#include "app/StartUp.h"

#include <fstream>

#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

void StartUp(App& app) {
    app.formulaHistoryPosition = 1;
    NewSheet(app);
    app.random.seedFromTimer();
    app.toolbar.setDataButtonsEnabled(false);
    app.tellToolbar();
}

void OpenFileAtStart(App& app, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file || file.peek() == std::ifstream::traits_type::eof()) {
        app.ui.message("ファイルが存在しません", "ファイルを開く", MessageIcon::Exclamation);
        return;
    }
    // The vo-Data reader is not part of this build yet: say so rather than show a blank sheet.
    app.ui.message("この版では vo-Data ファイルを読み込めません。\n" + path, "ファイルを開く",
                   MessageIcon::Exclamation);
}

}  // namespace zoriduvo

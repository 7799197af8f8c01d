#include <QCoreApplication>
#include <utility>

#include "app/ui/AboutBox.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "app/ui/HelpViewer.h"
#include "sheet/App.h"

namespace zoriduvo {

void RegisterHelpCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    for (const auto& [name, anchor] : {std::pair{"mnuHContents", "contents"}, std::pair{"mnuHIndex", "index"}})
        commands.add(name, [&app, &frame, anchor] {
            ShowHelp(app.ui, frame, QCoreApplication::applicationDirPath(), anchor);
        });
    commands.add("mnuHAbout", [&app, &frame] {
        AboutBox box(app.ui, &frame);
        box.exec();
    });
}

}  // namespace zoriduvo

#include "app/ui/FrameCommands.h"

#include <QCoreApplication>
#include <utility>

#include "app/ui/AboutBox.h"
#include "app/ui/HelpViewer.h"
#include "platform/qt/FrameContext.h"
#include "sheet/App.h"
#include "sheet/Commands.h"

namespace zoriduvo {

void RegisterHelpCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
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

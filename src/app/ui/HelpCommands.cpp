#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <optional>

#include "app/AppMessages.h"
#include "app/ui/AboutBox.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
void ShowHelp(Ui& ui) {
    const QString path = QCoreApplication::applicationDirPath() + "/Vuror32.odi";
    std::optional<AppMessageCode> failure;
    if (!QFileInfo::exists(path)) failure = AppMessageCode::HelpFileMissing;
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) failure = AppMessageCode::HelpFileUnopenable;
    if (!failure) return;
    Message message = MessageOf(*failure);
    message.text += ToUtf8(path);
    ui.show(message);
}
}  // namespace

void RegisterHelpCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    commands.add("mnuHContents", [&app] { ShowHelp(app.ui); });
    commands.add("mnuHIndex", [&app] { ShowHelp(app.ui); });
    commands.add("mnuHAbout", [&app, &frame] {
        AboutBox box(app.ui, &frame);
        box.exec();
    });
}

}  // namespace zoriduvo

// zoriduvo-print IN OUT.pdf: the pages of "印刷(&P)..." as a PDF, with no display. `zoriduvo-cli print`
// runs it, so that the command line itself links no Qt.
#include <QApplication>
#include <iostream>

#include "app/StartUp.h"
#include "files/OpenCommand.h"
#include "files/ui/PrintCommands.h"
#include "platform/Clock.h"
#include "platform/ConsoleUi.h"
#include "platform/Random.h"
#include "sheet/App.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: zoriduvo-print IN OUT.pdf\n";
        return 2;
    }
    // Fonts and a printer device need an application, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a runtime folder not set, a font not found) are in English and tell the user
    // nothing about the file: standard error carries only the program's messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
    });
    QApplication application(argc, argv);
    zoriduvo::ConsoleUi ui(std::cerr);
    zoriduvo::ConsoleClipboard clipboard;
    zoriduvo::SystemClock clock;
    zoriduvo::SeededRandom random(clock);
    zoriduvo::App app(ui, clipboard, clock, random);
    zoriduvo::StartUp(app);
    constexpr int kSheet = 1;
    app.setActiveSheet(kSheet);
    if (zoriduvo::OpenPath(app, argv[1], kSheet) != zoriduvo::OpenOutcome::Opened) return 1;
    return zoriduvo::PrintToPdf(app, app.sheet(kSheet), argv[2]) ? 0 : 1;
}

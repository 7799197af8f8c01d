#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "app/StartUp.h"
#include "app/ui/FileDrop.h"
#include "app/ui/MainFrame.h"
#include "app/ui/RecoveryKeeper.h"
#include "app/ui/ProgramIcons.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtUi.h"
#include "sheet/App.h"
#include "platform/qt/QtText.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zoriduvo::UseJapaneseLocale();
    const auto qtTexts = zoriduvo::QtJapaneseTexts();
    if (qtTexts) QApplication::installTranslator(qtTexts.get());
    QApplication::setWindowIcon(zoriduvo::ProgramIcon("program"));
    // A Japanese face with half-width digits, so that numbers fit the grid's columns.
    if (QFontDatabase::families().contains("IPAGothic")) {
        QFont font("IPAGothic");
        font.setPointSize(QApplication::font().pointSize());
        QApplication::setFont(font);
    }
    zoriduvo::QtUi ui;
    zoriduvo::QtClipboard clipboard;
    zoriduvo::SystemClock clock;
    zoriduvo::SeededRandom random(clock);
    zoriduvo::App app(ui, clipboard, clock, random);
    zoriduvo::MainFrame frame(app, ui);
    new zoriduvo::FileDrop(app, frame);
    zoriduvo::RecoveryKeeper keeper(app, frame.commands());
    keeper.tellFailuresIn(frame.statusBar());
    frame.placeOnScreen();
    frame.show();
    // A relative path on the command line means the caller's directory, not the program's.
    const QStringList arguments = QCoreApplication::arguments();
    const QString path = arguments.size() > 1 ? QDir::current().absoluteFilePath(arguments.mid(1).join(' ')) : QString();
    // The file dialogs start where the user works, not in the program's own folder.
    const QString start = QDir::currentPath();
    ui.setFolder(start == QCoreApplication::applicationDirPath() ? QDir::homePath() : start);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    zoriduvo::StartUp(app);
    if (!path.isEmpty()) zoriduvo::OpenFileAtStart(app, zoriduvo::ToUtf8(path));
    keeper.offerLeftSheets();
    const int status = application.exec();
    keeper.finish();
    return status;
}

// Printing as a user meets it on a machine without a printer: the question, the PDF offered instead
// and written; the preview opens on the sheet's pages.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "support/SheetFill.h"

using namespace zoriduvo;

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAPrinterThePdfIsOffered() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
        struct Case {
            const char* name;
            std::deque<Answer> answers;
            std::size_t messages;
            bool written;
        } cases[] = {
            {"cancelled", {Answer::Cancel}, 1, false},
            {"PDF declined", {Answer::Ok, Answer::No}, 2, false},
            {"PDF taken", {Answer::Ok, Answer::Yes}, 2, true},
        };
        for (const Case& c : cases) {
            test::Frame f;
            test::FillSheet(f.t.app.sheet(1), {{"1", "身長"}, {"3", "4"}});
            QVERIFY(f.frame.toolbarAction("filePrint")->isEnabled());
            QTemporaryDir folder;
            f.t.ui.answers = c.answers;
            f.t.ui.fileNames = {folder.filePath("sheet.pdf").toStdString()};
            f.frame.sheetAction("mnuFPrint")->trigger();
            QCOMPARE(f.t.ui.messages.size(), c.messages);
            QCOMPARE(f.t.ui.messages[0].text, std::string("印刷を開始します。よろしいですか？"));
            QFile pdf(folder.filePath("sheet.pdf"));
            QVERIFY2(pdf.exists() == c.written, c.name);
            QCOMPARE(f.t.ui.busyDepth, 0);
            if (!c.written) continue;
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
        }
    }

    void previewShowsTheSheet() {
        test::Frame f;
        test::FillSheet(f.t.app.sheet(1), {{"1"}});
        QVERIFY(f.frame.sheetAction("mnuFPrintPreview")->isEnabled());
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            shown = dialog->objectName();
            dialog->close();
        });
        f.frame.sheetAction("mnuFPrintPreview")->trigger();
        QCOMPARE(shown, QString("frmPrintPreview"));
        QVERIFY(f.t.ui.messages.empty());
    }
};

REGISTER_GUI_TEST(PrintTest);
#include "PrintTest.moc"

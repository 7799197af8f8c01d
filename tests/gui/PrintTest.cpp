// Printing as a user meets it on a machine without a printer: the question, the PDF offered instead
// and written; the preview opens on the sheet's pages.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "files/ui/PrintPreview.h"
#include "sheet/Sheet.h"
#include "support/SheetFill.h"

#include <algorithm>

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

    // A sheet of many pages: the preview draws what it shows, keeps a few, and reaches the last.
    void previewDrawsOnlyThePagesInView() {
        test::Frame f;
        Sheet& sheet = f.t.app.sheet(1);
        test::FillSheet(sheet, std::vector<std::vector<std::string>>(3000, std::vector<std::string>(8, "12345")));
        PrintPreview preview(f.t.app, sheet);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        PrintPagesView* pages = preview.pages();
        QVERIFY(pages->pageCount() > 40);
        pages->viewport()->repaint();
        QVERIFY(pages->pagesDrawn() >= 1 && pages->pagesDrawn() <= 3);
        const QLabel* label = preview.findChild<QLabel*>("lblPage");
        QCOMPARE(label->text(), QString("ページ 1 / %1").arg(pages->pageCount()));
        pages->showPage(pages->pageCount() - 1);
        pages->viewport()->repaint();
        QCOMPARE(pages->currentPage(), pages->pageCount() - 1);
        QCOMPARE(label->text(), QString("ページ %1 / %1").arg(pages->pageCount()));
        QVERIFY(pages->pagesDrawn() <= 6);
        for (int page = 0; page < pages->pageCount(); page += 5) {
            pages->showPage(page);
            pages->viewport()->repaint();
        }
        QVERIFY(pages->pagesKept().size() <= 8u);
        const std::vector<int> kept = pages->pagesKept();
        QVERIFY(std::find(kept.begin(), kept.end(), pages->currentPage()) != kept.end());
    }

    // The window lives while the pages are written: the progress bar's button stops them, and a
    // stopped PDF is no file and no message.
    void aPdfBeingWrittenCanBeStopped() {
        test::Frame f;
        test::FillSheet(f.t.app.sheet(1),
                        std::vector<std::vector<std::string>>(3000, std::vector<std::string>(8, "12345")));
        QTemporaryDir folder;
        f.t.ui.fileNames = {folder.filePath("sheet.pdf").toStdString()};
        int seenAt = -1;
        QTimer::singleShot(0, [&f, &seenAt] {
            if (auto* progress = f.frame.findChild<QProgressDialog*>("frmPdfProgress")) {
                seenAt = progress->value();
                progress->cancel();
            }
        });
        f.frame.sheetAction("mnuFPrintPdf")->trigger();
        QVERIFY(seenAt >= 1);  // the events ran between pages
        QVERIFY(f.t.ui.messages.empty());
        QVERIFY(!QFile::exists(folder.filePath("sheet.pdf")));
    }

    // Saving a PDF of more than a thousand pages asks first and names the count; no is no file.
    void aPdfOfManyPagesIsAskedAboutWithItsCount() {
        test::Frame f;
        Sheet& sheet = f.t.app.sheet(1);
        // Columns more than half the page wide print one to a block: 100 blocks of 600 rows.
        test::FillSheet(
            sheet, std::vector<std::vector<std::string>>(600, std::vector<std::string>(100, std::string(30, '9'))));
        QTemporaryDir folder;
        f.t.ui.answers = {Answer::Cancel};
        f.t.ui.fileNames = {folder.filePath("sheet.pdf").toStdString()};
        f.frame.sheetAction("mnuFPrintPdf")->trigger();
        QCOMPARE(f.t.ui.messages.size(), std::size_t{1});
        const std::string& text = f.t.ui.messages[0].text;
        QVERIFY2(text.starts_with("PDF に保存します。") && text.find(" ページになります。") != std::string::npos,
                 text.c_str());
        QVERIFY(std::stoi(text.substr(std::string("PDF に保存します。").size())) > 1000);
        QVERIFY(f.t.ui.fileDialogs.empty());
        QVERIFY(!QFile::exists(folder.filePath("sheet.pdf")));
    }
};

REGISTER_GUI_TEST(PrintTest);
#include "PrintTest.moc"

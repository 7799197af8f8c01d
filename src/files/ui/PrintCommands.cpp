#include "files/ui/PrintCommands.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/print/PrintCommand.h"
#include "files/print/PrintMessages.h"
#include "files/ui/PrintPreview.h"
#include "platform/Ui.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {

// frmPrinting: shown without blocking while the pages go out, sized to its text.
class PrintingWindow {
public:
    PrintingWindow(const Sheet& sheet, QWidget* parent) : window_(parent, Qt::Dialog | Qt::WindowTitleHint) {
        window_.setObjectName("frmPrinting");
        window_.setWindowTitle("印刷");
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(new QLabel(ToQString(PrintingText(sheet)), &window_));
        window_.adjustSize();
        window_.show();
        QApplication::processEvents();  // painted before the first page holds the loop
    }
    ~PrintingWindow() { window_.close(); }
    PrintingWindow(const PrintingWindow&) = delete;
    PrintingWindow& operator=(const PrintingWindow&) = delete;

private:
    QWidget window_;
};

void TellFailure(Ui& ui, PrintOutcome outcome) {
    if (outcome == PrintOutcome::Failed) ui.show(MessageOf(PrintMessage::Failed));
}

int PagesOn(const Sheet& sheet, const QtPrinter& printer) {
    const PageGeometry page = printer.geometry();
    return PageCount(sheet, printer.metrics(), {page.printable.width, page.printable.height});
}

// Asks for the path and writes the pages there under a progress bar whose button stops the job;
// the window stays live between pages.
void SavePdf(App& app, const Sheet& sheet, QWidget* parent) {
    const auto path = app.ui.saveFileName(PdfFileRequest(sheet.caption()));
    if (!path) return;
    QProgressDialog progress(ToQString(MessageOf(PrintMessage::PdfProgress).text),
                             ToQString(MessageOf(PrintMessage::Cancel).text), 0, 1, parent);
    progress.setObjectName("frmPdfProgress");
    progress.setWindowTitle(ToQString(MessageOf(PrintMessage::PdfTitle).text));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(500);
    PrintToPdf(app, sheet, *path, [&progress](int done, int count) {
        progress.setMaximum(count);
        progress.setValue(done);  // a modal progress dialog lets the events through here
        return !progress.wasCanceled();
    });
}

}  // namespace

void PrintCommand(App& app, Sheet& sheet, QWidget* parent) {
    QPrinter device(QPrinter::HighResolution);
    int pages = 0;
    {
        BusyPointer busy(app.ui);
        pages = PagesOn(sheet, QtPrinter(device));
    }
    if (!ConfirmPrinting(app.ui, pages)) return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // The question has told the count already.
        if (app.ui.show(MessageOf(PrintMessage::NoPrinter), MessageButtons::YesNo) == Answer::Yes)
            SavePdf(app, sheet, parent);
        return;
    }
    PrintOutcome outcome = PrintOutcome::Ok;
    {
        PrintingWindow window(sheet, parent);
        BusyPointer busy(app.ui);
        QtPrinter printer(device);
        outcome = PrintSheet(sheet, printer.metrics(), printer);
    }
    TellFailure(app.ui, outcome);
}

void PrintPreviewCommand(App& app, Sheet& sheet, QWidget* parent) {
    PrintPreview preview(app, sheet, parent);
    preview.exec();
}

void SavePdfCommand(App& app, Sheet& sheet, QWidget* parent) {
    int pages = 0;
    {
        BusyPointer busy(app.ui);
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        pages = PagesOn(sheet, QtPrinter(device));
    }
    if (ConfirmSavingPdf(app.ui, pages)) SavePdf(app, sheet, parent);
}

bool PrintToPdf(App& app, const Sheet& sheet, const std::string& path, const PrintProgress& progress) {
    // The PDF is made aside and then saved as every file is, so a failure leaves the old one whole.
    QTemporaryDir aside;
    const QString made = aside.filePath("pages.pdf");
    PrintOutcome outcome = PrintOutcome::Failed;
    if (aside.isValid()) {
        QtPrinter printer(made);
        outcome = PrintSheet(sheet, printer.metrics(), printer, progress);
    }
    if (outcome == PrintOutcome::Cancelled) return false;
    QFile file(made);
    if (outcome != PrintOutcome::Ok || !file.open(QIODevice::ReadOnly)) {
        TellFailure(app.ui, PrintOutcome::Failed);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (const auto problem = SaveFileSafely(path, std::string_view(bytes.constData(), bytes.size()))) {
        ShowFileProblem(app.ui, *problem);
        return false;
    }
    return true;
}

}  // namespace zoriduvo

#include "files/ui/PrintCommands.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/print/PrintCommand.h"
#include "files/print/PrintMessages.h"
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
    if (outcome == PrintOutcome::Failed) ui.show(PrintMessageOf(PrintMessage::Failed));
}

}  // namespace

void PrintCommand(App& app, Sheet& sheet, QWidget* parent) {
    if (!ConfirmPrinting(app.ui)) return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (app.ui.show(PrintMessageOf(PrintMessage::NoPrinter), MessageButtons::YesNo) == Answer::Yes)
            SavePdfCommand(app, sheet);
        return;
    }
    PrintOutcome outcome = PrintOutcome::Ok;
    {
        PrintingWindow window(sheet, parent);
        BusyPointer busy(app.ui);
        QPrinter device(QPrinter::HighResolution);
        QtPrinter printer(device);
        outcome = PrintSheet(sheet, printer.metrics(), printer);
    }
    TellFailure(app.ui, outcome);
}

void PrintPreviewCommand(App& app, Sheet& sheet, QWidget* parent) {
    QPrinter device(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&device, parent);
    dialog.setObjectName("frmPrintPreview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&app, &sheet](QPrinter* target) {
        BusyPointer busy(app.ui);
        QtPrinter printer(*target);
        TellFailure(app.ui, PrintSheet(sheet, printer.metrics(), printer));
    });
    dialog.exec();
}

void SavePdfCommand(App& app, Sheet& sheet) {
    const auto path = app.ui.saveFileName(PdfFileRequest(sheet.caption()));
    if (!path) return;
    BusyPointer busy(app.ui);
    PrintToPdf(app, sheet, *path);
}

bool PrintToPdf(App& app, const Sheet& sheet, const std::string& path) {
    // The PDF is made aside and then saved as every file is, so a failure leaves the old one whole.
    QTemporaryDir aside;
    const QString made = aside.filePath("pages.pdf");
    PrintOutcome outcome = PrintOutcome::Failed;
    if (aside.isValid()) {
        QtPrinter printer(made);
        outcome = PrintSheet(sheet, printer.metrics(), printer);
    }
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

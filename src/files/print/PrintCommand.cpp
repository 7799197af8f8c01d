#include "files/print/PrintCommand.h"

#include "files/print/PrintLayout.h"
#include "files/print/PrintMessages.h"
#include "platform/Ui.h"
#include "sheet/Sheet.h"
#include "text/PathText.h"

namespace zoriduvo {

bool ConfirmPrinting(Ui& ui) {
    return ui.show(PrintMessageOf(PrintMessage::Start), MessageButtons::OkCancel) == Answer::Ok;
}

FileDialogRequest PdfFileRequest(const std::string& caption) {
    FileDialogRequest request;
    request.title = PrintMessageOf(PrintMessage::PdfTitle).text;
    request.filter = PrintMessageOf(PrintMessage::PdfFilter).text;
    request.defaultExtension = "pdf";
    request.askBeforeOverwrite = true;
    request.initialName = std::string(FileStemOf(caption)) + ".pdf";
    return request;
}

std::string PrintingText(const Sheet& sheet) { return "印刷中 (Zo rid Uvo) : [ " + sheet.caption() + " ]"; }

PrintOutcome PrintSheet(const Sheet& sheet, const TextMetrics& metrics, Printer& printer) {
    const PrintStart start = printer.begin(sheet.caption());
    if (start.outcome != PrintOutcome::Ok) return start.outcome;
    PrintLayout layout(sheet, metrics, {start.page.printable.width, start.page.printable.height});
    PrintOutcome outcome = PrintOutcome::Ok;
    while (outcome == PrintOutcome::Ok && !layout.done()) outcome = printer.printPage(layout.nextPage());
    const PrintOutcome ended = printer.end();
    return outcome != PrintOutcome::Ok ? outcome : ended;
}

}  // namespace zoriduvo

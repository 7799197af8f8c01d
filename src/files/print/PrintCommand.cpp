#include "files/print/PrintCommand.h"

#include "files/print/PrintLayout.h"
#include "files/print/PrintMessages.h"
#include "platform/Ui.h"
#include "sheet/Sheet.h"
#include "text/PathText.h"

namespace zoriduvo {

namespace {

// The question with the page count in it.
Message WithPages(PrintMessage code, int pages) {
    Message message = MessageOf(code);
    message.text.replace(message.text.find("%1"), 2, std::to_string(pages));
    return message;
}

}  // namespace

bool ConfirmPrinting(Ui& ui, int pages) {
    const Message question =
        pages > kPagesToCount ? WithPages(PrintMessage::StartPages, pages) : MessageOf(PrintMessage::Start);
    return ui.show(question, MessageButtons::OkCancel) == Answer::Ok;
}

bool ConfirmSavingPdf(Ui& ui, int pages) {
    return pages <= kPagesToCount ||
           ui.show(WithPages(PrintMessage::SavePdfPages, pages), MessageButtons::OkCancel) == Answer::Ok;
}

int PageCount(const Sheet& sheet, const TextMetrics& metrics, TwipSize printable) {
    return PrintLayout(sheet, metrics, printable).pageCount();
}

FileDialogRequest PdfFileRequest(const std::string& caption) {
    FileDialogRequest request;
    request.title = MessageOf(PrintMessage::PdfTitle).text;
    request.filter = MessageOf(PrintMessage::PdfFilter).text;
    request.defaultExtension = "pdf";
    request.askBeforeOverwrite = true;
    request.initialName = std::string(FileStemOf(caption)) + ".pdf";
    return request;
}

std::string PrintingText(const Sheet& sheet) { return "印刷中 (Zo rid Uvo) : [ " + sheet.caption() + " ]"; }

PrintOutcome PrintSheet(const Sheet& sheet, const TextMetrics& metrics, Printer& printer,
                        const PrintProgress& progress) {
    const PrintStart start = printer.begin(sheet.caption());
    if (start.outcome != PrintOutcome::Ok) return start.outcome;
    PrintLayout layout(sheet, metrics, {start.page.printable.width, start.page.printable.height});
    PrintOutcome outcome = PrintOutcome::Ok;
    for (int done = 1; outcome == PrintOutcome::Ok && !layout.done(); ++done) {
        outcome = printer.printPage(layout.nextPage());
        if (outcome == PrintOutcome::Ok && progress && !progress(done, layout.pageCount()))
            outcome = PrintOutcome::Cancelled;
    }
    const PrintOutcome ended = printer.end();
    return outcome != PrintOutcome::Ok ? outcome : ended;
}

}  // namespace zoriduvo

#pragma once
#include <functional>
#include <string>

#include "platform/Printer.h"
#include "platform/TextMetrics.h"

namespace zoriduvo {

class Sheet;
class Ui;
struct FileDialogRequest;

// Printing or saving more pages than this says how many in its question.
inline constexpr int kPagesToCount = 1000;

// The question before printing the pages; true when the user answers OK.
bool ConfirmPrinting(Ui& ui, int pages);
// The question before saving a PDF of so many pages, asked only beyond kPagesToCount; true to go on.
bool ConfirmSavingPdf(Ui& ui, int pages);

// The pages the sheet prints on this printable area.
int PageCount(const Sheet& sheet, const TextMetrics& metrics, TwipSize printable);

// Told after each page with the pages done and their count; false stops the job as cancelled.
using PrintProgress = std::function<bool(int done, int count)>;

// The save dialog of "PDF に保存" for a document of this caption: its stem names the file.
FileDialogRequest PdfFileRequest(const std::string& caption);

// The text of the progress window frmPrinting while the sheet prints.
std::string PrintingText(const Sheet& sheet);

// Prints the sheet's pages as PrintLayout makes them, one at a time, as one job named by the sheet's
// caption. Stops at the first page the printer refuses or the progress stops; the job is ended on
// every way out of it.
PrintOutcome PrintSheet(const Sheet& sheet, const TextMetrics& metrics, Printer& printer,
                        const PrintProgress& progress = {});

}  // namespace zoriduvo

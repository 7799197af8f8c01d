#pragma once
#include <string>

#include "platform/Printer.h"
#include "platform/TextMetrics.h"

namespace zoriduvo {

class Sheet;
class Ui;
struct FileDialogRequest;

// The question before printing; true when the user answers OK.
bool ConfirmPrinting(Ui& ui);

// The save dialog of "PDF に保存" for a document of this caption: its stem names the file.
FileDialogRequest PdfFileRequest(const std::string& caption);

// The text of the progress window frmPrinting while the sheet prints.
std::string PrintingText(const Sheet& sheet);

// Prints the sheet's pages as PrintLayout makes them, one at a time, as one job named by the sheet's
// caption. Stops at the first page the printer refuses; the job is ended on every way out of it.
PrintOutcome PrintSheet(const Sheet& sheet, const TextMetrics& metrics, Printer& printer);

}  // namespace zoriduvo

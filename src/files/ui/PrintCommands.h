#pragma once
#include <string>

#include "files/print/PrintCommand.h"

class QWidget;

namespace zoriduvo {

class App;
class Sheet;

// "印刷(&P)...": the question, then the pages on the default printer under the progress window
// frmPrinting. A machine without a printer offers the PDF instead, so printing always leads somewhere.
void PrintCommand(App& app, Sheet& sheet, QWidget* parent);
// "印刷プレビュー": the pages as they will print, from where they can be printed too.
void PrintPreviewCommand(App& app, Sheet& sheet, QWidget* parent);
// "PDF に保存": the page count asked about beyond kPagesToCount, then the path, then the pages
// under a progress bar that can stop them.
void SavePdfCommand(App& app, Sheet& sheet, QWidget* parent);
// The pages as a PDF file at path, written whole or not at all; a failure is told through the Ui,
// a job the progress stopped writes nothing and says nothing.
bool PrintToPdf(App& app, const Sheet& sheet, const std::string& path, const PrintProgress& progress = {});

}  // namespace zoriduvo

#pragma once
#include <string>

class QWidget;

namespace zoriduvo {

class App;
class Sheet;

// "印刷(&P)...": the question, then the pages on the default printer under the progress window
// frmPrinting. A machine without a printer offers the PDF instead, so printing always leads somewhere.
void PrintCommand(App& app, Sheet& sheet, QWidget* parent);
// "印刷プレビュー": the pages as they will print, from where they can be printed too.
void PrintPreviewCommand(App& app, Sheet& sheet, QWidget* parent);
// "PDF に保存": asks for the path and writes the pages there.
void SavePdfCommand(App& app, Sheet& sheet);
// The pages as a PDF file at path, written whole or not at all; a failure is told through the Ui.
bool PrintToPdf(App& app, const Sheet& sheet, const std::string& path);

}  // namespace zoriduvo

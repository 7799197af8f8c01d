#pragma once
#include <QDialog>

namespace zoriduvo {

class Sheet;

// The two read-only views of a sheet, each closed by its OK button: frmFileInfo (file and sheet
// information with the case groups and the range) and frmVarInfo (the variables' types).
QDialog* NewFileInfoDialog(const Sheet& sheet, QWidget* parent);
QDialog* NewVariableInfoDialog(const Sheet& sheet, QWidget* parent);

}  // namespace zoriduvo

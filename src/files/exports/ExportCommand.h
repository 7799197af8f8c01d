#pragma once
#include <string>

#include "platform/Ui.h"

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

class App;
class Sheet;

enum class ExportOutcome {
    Written,
    NoPath,       // an empty path: nothing happens
    PathRefused,  // the form takes no such path (told); nothing written
    Refused,      // a text the form cannot hold was refused with its message; nothing written
    Failed,   // the write failed (told); the old files are as they were
};

// "実行" of frmExport: the path as chosen (letter case and length as they are), checked by the
// form and refused when it is the file of any open sheet, then its writer. The vo-Data forms make the sheet's file the written one, as Save does.
// The browse dialog of "参照": titled "Export", asking before overwriting, the form's filter chosen.
FileDialogRequest ExportBrowseRequest(const ExportForm& form);

// What the dialog says under its options for the chosen form: a Mirv/B pair whose blank code its
// import would read as a value, not as a blank. Empty when there is nothing to say.
std::string ExportNote(const ExportForm& form, const Sheet& sheet);

ExportOutcome ExportCommand(App& app, Sheet& sheet, const ExportForm& form, const std::string& path);

}  // namespace zoriduvo

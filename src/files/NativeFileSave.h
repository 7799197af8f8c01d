#pragma once
#include <optional>
#include <string>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

class App;
class Sheet;

// After a successful write of a vo-Data version: the image takes the version's format tag, the
// sheet's record takes path, label, format tag, date and counts from the image, the sheet is no
// longer modified and has a file, and after versions 2 and 3 its statistics are valid (versions 1
// and 4 carry none, so the flag keeps its value).
void TakeWrittenFile(Sheet& sheet, FileImage& image, int version);

// Gather with statistics and write version 3 to path: the write of Save, Save As and the close
// question, once the statistics in grdVoStat are up to date. Shows the hourglass meanwhile and
// the problem's message on failure; true when the file was written. A sheet holding characters
// code page 932 cannot hold asks whether to write the file in UTF-8; No writes nothing and says
// nothing more (false).
bool WriteSheetVersion3(App& app, Sheet& sheet, const std::string& path);

}  // namespace zoriduvo

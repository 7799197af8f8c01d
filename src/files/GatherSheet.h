#pragma once
#include <string>

#include "files/FileImage.h"

namespace zoriduvo {

class App;
class Sheet;

// Fills image from a sheet for writing to path: counts from the end cells, the file label (made
// from the file name and the writer's date when the sheet has none), the case groups, the variable
// definitions, case names ("V" / "C" + number where empty), the values with the sheet's blank
// output code in place of blanks, the comment, and with withStatistics the statistics as
// grdVoStat holds them (the caller brings them up to date first).
void GatherSheet(App& app, const Sheet& sheet, const std::string& path, bool withStatistics, FileImage& image);

}  // namespace zoriduvo

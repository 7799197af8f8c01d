#pragma once
#include <string>

#include "files/FileImage.h"

namespace zoriduvo {

class App;
class Sheet;

// What a blank cell becomes in the image. The native file keeps "%M", the one text its reader takes
// for a blank, whatever the sheet's code: any other code would come back as a value.
enum class GatheredBlanks {
    SheetCode,   // the sheet's blank output code
    NativeMark,  // "%M"
    Empty,       // nothing, for the forms that write blanks their own way
};

// Fills image from a sheet for writing to path: counts from the end cells, the file label (made
// from the file name and the writer's date when the sheet has none), the case groups, the variable
// definitions, case names ("V" / "C" + number where empty), the values with the sheet's blank
// output code (or what blanks asks for) in place of blanks, the comment, and with withStatistics the statistics as
// grdVoStat holds them (the caller brings them up to date first).
// Whether the image copies the values or reads them where the sheet holds them: a writer that is
// done before the sheet can change again (a save on the spot) needs no second copy of a big sheet.
enum class GatheredValues { Copied, Borrowed };
// Empty names as defaults, or kept empty (the files between a script's steps, which must give back
// the sheet as it was).
enum class GatheredNames { Defaults, AsHeld };

void GatherSheet(App& app, const Sheet& sheet, const std::string& path, bool withStatistics, FileImage& image,
                 GatheredBlanks blanks = GatheredBlanks::SheetCode, GatheredValues values = GatheredValues::Copied,
                 GatheredNames names = GatheredNames::Defaults);

}  // namespace zoriduvo

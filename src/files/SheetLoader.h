#pragma once
#include <cstdint>

#include "files/FileImage.h"

namespace zoriduvo {

class App;
class Sheet;

// Background of the rows of every second case group (light grey, EEEEEE).

struct LoadOptions {
    // The sheet may be saved back to the image's path without asking (a vo-Data file).
    bool hasFile = true;
    // The sheet to fill when it has no variables; 0 means the active sheet. Otherwise, or when
    // that sheet holds variables, a new sheet is made.
    int into = 0;
    // The values stay the texts the image holds (a recovery copy), instead of becoming the general
    // text of their leading number as a file's do.
    bool exactValues = false;
};

// LoadImageIntoSheet: the image becomes a sheet, with its records, grids, statistics block,
// case groups and comment. Returns the sheet's number; 0 when no sheet number is left.
int LoadImageIntoSheet(App& app, const FileImage& image, const LoadOptions& options = {});

// The grid part of loading, shared with the imports: case groups in grdSInfo, grids grown, names,
// numbers and definitions, the values as the shortest text of their leading number, the end cells,
// the statistics block when the image holds one, the group shading, the comment and the cursor.
// One model reset however large the image.
void FillSheetFromImage(Sheet& sheet, const FileImage& image, bool exactValues = false);

}  // namespace zoriduvo

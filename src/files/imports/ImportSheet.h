#pragma once
#include <string>

#include "files/FileImage.h"

namespace zoriduvo {

class App;

// The caption of a sheet imported from path: the file name up to its first "." and ".Vo".
std::string ImportedCaption(const std::string& path);

// An imported image becomes a sheet as an opened file does (the active sheet when it has no
// variables, else a new one), but with no file to save to and marked modified, so that Save asks
// for a name. Returns the sheet's number; 0 when no sheet number is left.
int LoadImportedImage(App& app, const FileImage& image, const std::string& caption);

}  // namespace zoriduvo

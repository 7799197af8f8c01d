#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// Fills image from the bytes of a vo-Data file (code page 932): fields before the format tag are
// skipped, versions 1 and 2 have their category counts converted, "%M" reads as a blank, the
// statistics block of versions 2 and 3 and the comment block are taken. A file that ends early is
// read as far as it goes. Every count is checked before it is used. On a problem image is left
// as it was. Path, file name and date are the path overload's business.
std::optional<FileProblem> ReadNativeBytes(std::string_view bytes, FileImage& image);
// The same, taking the bytes over: a big file is then not held twice while it is read.
std::optional<FileProblem> ReadNativeOwnedBytes(std::string bytes, FileImage& image);
// The same from a file; the image gets the path, its file name and the file's modification time.
std::optional<FileProblem> ReadNativeFile(const std::string& path, FileImage& image);
// Fills path, file name and modification date of an image read from path.
void SetImageSource(FileImage& image, const std::string& path);

// True when some field of the text begins with "vo-Data_" (how Open recognises a native file
// whatever its name).
bool HasVoDataTag(std::string_view bytes);

}  // namespace zoriduvo

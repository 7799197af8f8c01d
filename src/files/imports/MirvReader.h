#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// The data file of a Mirv/B pair: beside the header, the header's stem and ".DAT" in the letter
// case of the header's extension ("x.hdr" -> "x.dat", "X.HDR" -> "X.DAT").
std::string MirvDataPath(const std::string& headerPath);

// Fills image from the decoded texts of a header and its data file: the case groups, the variables
// with their stored category counts, then the values case by case (no case names). Counts are
// checked before anything is sized by them; a data file that is not one line of the header's
// variables per case of the header is refused under dataName. On a problem the image is left as
// it was.
std::optional<FileProblem> ReadMirvTexts(std::string_view header, std::string_view data, FileImage& image,
                                         const std::string& dataName);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <vector>

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// "S_Data": a data frame as the S language writes one out: per variable its values (a categorical
// one as factor codes with its categories, and any other number among its values, as labels), then
// the case names as row names; names are string literals with S's escapes. A blank, whatever the
// blank code, and a categorical text that is no number are NA; a number in a form S does not read
// ("1.5D3") goes in its general text; a continuous value that is no number (other than NA) cannot
// stand in the frame and is refused.
std::optional<FileProblem> EncodeSDataFrame(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <vector>

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// "CSV": the group line, the definitions, the cases with their names (a blank "%M" as one blank)
// and the statistics block, for a spreadsheet. The second line is the file name and the date.
std::optional<FileProblem> EncodeCsvTable(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// The pair for a header path (its file name's extension "hdr" in any letter case): the header
// itself, and the data file beside it whose extension is "dat" in the letters' case of the header's
// ("x.hdr" -> "x.dat", "X.HDR" -> "X.DAT"). A folder's "." never counts. Other paths are refused.
std::optional<ExportText> MirvPairPaths(const std::string& chosen, std::vector<std::string>& paths);

// The header (stem, dates, groups, variables) and the data lines (values as bare texts, blanks as
// the gathered blank code, no case names).
std::optional<FileProblem> EncodeMirvPair(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <vector>

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// "データのみ": one line per case, the values as bare texts between commas; a blank is one blank,
// or nothing in the first column. The image holds blanks as empty texts.
std::optional<FileProblem> EncodeValuesOnly(const ExportInput& input, std::vector<OutputFile>& files);

// "ケース数、変量数付きデータ": the line "C, V", then the values as above with blanks as nothing.
std::optional<FileProblem> EncodeValuesWithCounts(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// A LispStat path: without an extension ".lsp" is appended; another extension than "lsp" (any
// letter case) is refused.
std::optional<ExportText> LispStatPath(const std::string& chosen, std::vector<std::string>& paths);

// "LispStat_Data": one DEF per variable with its values (a blank "%M" as 0), then the variable
// and case names. A variable name that is no plain symbol, and a value the reader would not take
// as one item, are refused.
std::optional<FileProblem> EncodeLispStat(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

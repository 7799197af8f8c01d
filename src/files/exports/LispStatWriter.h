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
// and case names. Names and values that are no numbers are escaped on the written bytes as a
// byte-reading Lisp reader needs them (see LispText.h); a blank code that is no item as it stands
// ("", ".") is refused at the first blank.
std::optional<FileProblem> EncodeLispStat(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

#pragma once
#include <optional>
#include <vector>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// The data sets of the programs users analyse in, through ReadStat: the case names as a string
// variable first, each variable as a numeric one (a categorical one nominal in SPSS, with its codes
// min..max as value labels; a continuous one scale), blanks as system-missing, the file label and
// the comment as the form keeps them (SPSS documents, Stata notes). Names the form cannot hold are
// changed by ForeignNames and told through the input's notices, the old name kept as the
// variable's label. A variable with a value that is no number (a text) is written as a string
// variable and told in the notices; a text or case name longer than the form's strings is refused,
// naming its cell; nothing is written then. The file's time is the
// time the image was gathered, so a fixed clock writes the same bytes.
std::optional<FileProblem> EncodeSpssFile(const ExportInput& input, std::vector<OutputFile>& files);
std::optional<FileProblem> EncodeStataFile(const ExportInput& input, std::vector<OutputFile>& files);
std::optional<FileProblem> EncodeTransportFile(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo

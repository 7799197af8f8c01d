// What the data sets of other programs take from a sheet's cells.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// The number a cell holds as a whole; nullopt for a blank or a text that is no number.
std::optional<double> CellNumber(const Cell& cell);

// The variables written as string variables: those with a value that is no number (a text read
// from another program's string variable, or pasted). widths gets, per variable, 0 for a numeric
// one and the longest value in bytes (at least 1) for a string one; notices a line for each string
// one naming its first text. A value longer than maxBytes is refused, naming its cell.
std::optional<FileProblem> StringVariables(const FileImage& image, std::size_t maxBytes, std::vector<std::size_t>& widths,
                                           std::vector<std::string>& notices);

// The longest case name in bytes (at least 1); a name beyond maxBytes is refused, naming its case.
std::optional<FileProblem> CaseNameWidth(const FileImage& image, std::size_t maxBytes, std::size_t& width);

}  // namespace zoriduvo

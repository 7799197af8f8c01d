// What the data sets of other programs take from a sheet's cells.
#pragma once
#include <optional>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// The number a cell holds as a whole; nullopt for a blank. A text that is no number is refused,
// naming case c, variable v.
std::optional<FileProblem> CellNumber(const Cell& cell, int c, int v, std::optional<double>& number);

// Every numeric value of the image, checked before a byte is written: the first text that is no
// number is refused.
std::optional<FileProblem> CheckNumbers(const FileImage& image);

// The longest case name in bytes (at least 1); a name beyond maxBytes is refused, naming its case.
std::optional<FileProblem> CaseNameWidth(const FileImage& image, std::size_t maxBytes, std::size_t& width);

}  // namespace zoriduvo

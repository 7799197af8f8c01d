#pragma once
#include <string>
#include <utility>
#include <vector>

namespace zoriduvo {

class Sheet;

// The file and sheet information view as caption and value pairs, in the view's order: file
// name, date, format tag, case count, variable count, file label, case groups (one line per
// group when the sheet is grouped) and the range selection.
std::vector<std::pair<std::string, std::string>> FileInformation(const Sheet& sheet);

}  // namespace zoriduvo

// The two doors through which variable definitions change, each one step that records the
// command line "define" doing the same to a file.
#pragma once
#include <vector>

#include "sheet/VariableRecord.h"

namespace zoriduvo {

class Sheet;

// Variable v gets the name and categories as the definition dialog stores them; the variable count
// grows to v when extend is true or the name is not empty. The name is the caller's to check.
void DefineVariable(Sheet& sheet, int variable, const VariableDefinition& definition, bool extend);

// Each variable gets the categories (count 0: continuous), its name kept, as the bulk type dialog
// types them.
void TypeVariables(Sheet& sheet, const std::vector<int>& variables, CategoryRange categories);

}  // namespace zoriduvo

// Variable binding: two categorical variables crossed into a new one after the last variable,
// coded 1 .. n1 x n2 with the second variable varying fastest.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "sheet/CaseRange.h"

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kVariableBindingTitle = "カテゴリー変数の結合";

// The name offered once both variables are chosen: the first name followed by the second.
std::string ProposedBindingName(std::string_view first, std::string_view second);

// The code of a case, or nullopt for a blank in either cell.
std::optional<double> BoundCode(std::string_view first, std::string_view second, int count2, int minimum1,
                                int minimum2);

// Appends the new variable, coded over the cases, as one undo step. Refused with a message and the
// sheet untouched when the name cannot be saved, the variables are full, n1 x n2 or a code passes
// 16 bits. Returns false when refused.
bool BindVariables(App& app, Sheet& sheet, int first, int second, const std::string& name, CaseRange cases);

}  // namespace zoriduvo

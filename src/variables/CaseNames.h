// Case names (column 1 of grdVo) as the case-name dialog stores them; a name beyond the last case
// extends the case count.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kCaseNameTitle = "ケース名";

// A case name is refused when it holds a double quote, a comma or a line break: the file could not
// hold it in its field. Anything else, the empty name included, is a name.
bool IsCaseName(std::string_view name);

// Stores the name of case c (1 ..) as one undo step and marks the sheet modified. A non-empty name
// beyond the case count extends the sheet to c cases, the cases between left unnamed. A refused
// name shows its message and changes nothing: false.
bool StoreCaseName(App& app, Sheet& sheet, int caseNumber, const std::string& name);

// The number typed into the case-number field: a positive integer written plainly ("12", not
// "012" or "1.0"), blanks around it aside; nullopt otherwise.
std::optional<int> CaseNumberField(std::string_view text);

}  // namespace zoriduvo

// Missing values (blank cells) of a sheet: a given value to blanks, blanks to a given value, the
// blank output code writers put in place of a blank; and the seeding of the random generator.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zoriduvo {

inline constexpr const char* kToBlankStep = "空白へ";
inline constexpr const char* kFromBlankStep = "空白から";

class App;
class Sheet;

enum class MissingConversion { ValueToBlank, BlankToValue };

// The variables a conversion works on: the selected ones when the selection runs from case 1 to
// at least the last case, else every variable.
std::vector<int> MissingTargetVariables(const Sheet& sheet);

// Every case of the variables: cells whose text equals the value are emptied, or empty cells get
// it. The value (blanks around it aside) must be a decimal number: otherwise a beep and the
// message, nothing changed, false. Texts are compared and written, never numbers.
bool ConvertMissing(App& app, Sheet& sheet, MissingConversion conversion, std::string_view value,
                    const std::vector<int>& variables);

// The sheet's blank output code as typed; a comma, a double quote or a line break would break
// every file written with it, so such a code is refused with its message (false).
bool SetBlankCode(App& app, Sheet& sheet, const std::string& code);

// "乱数の初期化": the text read as a number; 0 (or no number) seeds from the clock.
void SeedRandom(App& app, std::string_view seedText);

}  // namespace zoriduvo

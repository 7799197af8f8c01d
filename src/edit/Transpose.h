// Transposed data: a new untitled, modified sheet whose variables are the cases of a sheet and
// whose cases are its variables. The old sheet is read once and left as it was.
#pragma once

namespace zoriduvo {

class App;
class Sheet;

// The most variables and cases a sheet may have to be transposed: the new grid keeps 7 spare
// columns and 22 spare rows within 16 bits.
inline constexpr int kMaxTransposedVariables = 32745;
inline constexpr int kMaxTransposedCases = 32760;

// Builds the transposed sheet and returns its number; 0 when refused with a message (too large,
// or no sheet number left), nothing changed.
int TransposeSheet(App& app, const Sheet& sheet);

}  // namespace zoriduvo

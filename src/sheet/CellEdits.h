// Cells written as texts, as the command line's "set" writes them: the door that replays what
// typing, paste, cut, erase and replace did to a sheet's cells.
#pragma once
#include <string>
#include <vector>

#include "sheet/StepCommand.h"

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kCellsStep = "セルの設定";

// Writes each text into its cell, in order, as one step (case 0 is the row of variable names,
// variable 0 the column of case names, as a paste there writes them); the used range grows to every cell named,
// as a paste grows it. A cell beyond 32767 cases or variables is refused with the paste's message
// and nothing changes: false.
bool SetCells(App& app, Sheet& sheet, const std::vector<CellEdit>& edits);

// A variable name written into the row of names is the name the definitions hold too, which is
// the one a file keeps.
void NameInLabels(Sheet& sheet, int variable, const std::string& name);

// The cells of grid rows top .. bottom and columns left .. right within the used range, names
// included, with the texts they hold now: what a command that wrote them did.
std::vector<CellEdit> CellsOfBlock(const Sheet& sheet, int top, int left, int bottom, int right);

}  // namespace zoriduvo

#pragma once

namespace zoriduvo {

class App;
class Grid;
class Sheet;

// Fills the working name and category-count lists from the sheet; an empty variable name
// becomes "V" + its number and is written back into the sheet.
void LoadVariableList(App& app, Sheet& sheet);
bool CellHasValue(const Sheet& sheet, int variable, int caseNumber);
// Makes the cell current and the selection that one cell.
void SelectCell(Grid& grid, int col, int row);
// Removes every statistics block shown below the data, over all cases or a part of them, and
// leaves the statistics invalid. A data change takes the blocks over all cases with it; a growth
// of the used range takes every block, since the new cases or variables would stand in them.
void RemoveStatisticsBlocks(Sheet& sheet);

}  // namespace zoriduvo

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
// Removes the statistics blocks below the data when they cover all cases, before data change.
void RemoveStatisticsBlocks(Sheet& sheet);

}  // namespace zoriduvo

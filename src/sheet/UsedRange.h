#pragma once

namespace zoriduvo {

class Sheet;

// Grow the used range of grdVo to a last column or row as typing does: numbers and default names
// for the new variables (with continuous definitions) or cases, spare columns (6) and rows (22)
// kept beyond it, and the end-cell item written. Never shrinks anything.
void ExtendUsedColumns(Sheet& sheet, int lastColumn);
void ExtendUsedRows(Sheet& sheet, int lastRow);

// grdVoLabel and grdVoStat brought to one column fewer than grdVo where they fall short.
void MatchDefinitionGrids(Sheet& sheet);

}  // namespace zoriduvo

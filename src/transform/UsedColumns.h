#pragma once

namespace zoriduvo {

class Sheet;

// Grows the used range of grdVo to the given last column the way typing does: numbers in row 0,
// default names "V" + number in row 1 and continuous definitions for the new variables, six
// spare columns kept at the right (grdVoLabel and grdVoStat one column fewer than grdVo), and
// end-cell item 0 set. Never shrinks anything.
void ExtendUsedColumns(Sheet& sheet, int lastColumn);

// grdVoLabel and grdVoStat brought to one column fewer than grdVo where they fall short.
void MatchDefinitionGrids(Sheet& sheet);

}  // namespace zoriduvo

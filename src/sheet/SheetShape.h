// The one door for the shape of a sheet. grdVo, grdVoLabel and grdVoStat change together: the
// definition grids keep one column fewer than grdVo, variable and case numbers follow their
// places, and the end-cell items follow the used range. Each operation tells the views once
// per structural change of grdVo.
#pragma once

namespace zoriduvo {

class Sheet;

// grdVo holds at least columns columns and rows rows, the definition grids matching; never shrinks.
void EnsureGridSize(Sheet& sheet, int columns, int rows);

// The used range, as the end-cell items keep it: the one writer of it (undo puts back the items
// it kept). Nothing else about the sheet changes.
void SetVariableCount(Sheet& sheet, int variableCount);
void SetCaseCount(Sheet& sheet, int caseCount);

// The used range grows to variableCount variables or caseCount cases as typing grows it: numbers
// and default names for the new ones (variables with continuous definitions), spare columns (6)
// and rows (22) kept beyond it, and the end-cell item written. Never shrinks anything.
void ExtendVariables(Sheet& sheet, int variableCount);
void ExtendCases(Sheet& sheet, int caseCount);
// The used range grows to variableCount variables for a definition being stored: the new ones
// numbered, no names or definitions given, no spare columns added. False when it held as many.
bool ExtendDefinedVariables(Sheet& sheet, int variableCount);

// count empty variables before variable at (1 .. variable count + 1, the end), in all three grids;
// later variables move right with their definitions, widths and alignments, and are numbered anew.
void InsertVariables(Sheet& sheet, int at, int count);
// Variables at .. at + count - 1 go from all three grids; later ones move left.
void RemoveVariables(Sheet& sheet, int at, int count);
// count empty cases before case at (1 .. case count + 1); later cases move down with their
// heights and colours, and are numbered anew. Case names are the caller's.
void InsertCases(Sheet& sheet, int at, int count);
// Cases at .. at + count - 1 go; later ones move up.
void RemoveCases(Sheet& sheet, int at, int count);

}  // namespace zoriduvo

#pragma once
#include "sheet/StepCommand.h"

namespace zoriduvo {

inline constexpr const char* kTransformStep = "変数変換";

class Sheet;
class WorkingCopy;

// Puts a finished run into the sheet in one bulk change: statistics blocks removed, columns
// inserted and added, names, numbers and definitions of new and changed variables, and the
// display texts of every column the run wrote, over the case range.
// command: what does the same to the sheet's file, for the history.
void WriteBack(Sheet& sheet, WorkingCopy& copy, StepCommand command);

}  // namespace zoriduvo

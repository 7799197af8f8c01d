// Variable and case names generated ("V1", "C1", ...) or erased in bulk, as frmLabelG and
// frmLabelE do.
#pragma once

namespace zoriduvo {

class Sheet;

// The options of optLabel, in their order.
enum class LabelTarget { Both, Variables, Cases };

// Each is one undo step and marks the sheet modified: closing must not lose the names silently.
void GenerateLabels(Sheet& sheet, LabelTarget target);
void EraseLabels(Sheet& sheet, LabelTarget target);

}  // namespace zoriduvo

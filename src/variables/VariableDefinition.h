#pragma once
#include <string_view>

#include "sheet/VariableRecord.h"

namespace zoriduvo {

class Sheet;

// Makes variable v part of the sheet when it lies beyond the variable count: numbers in row 0 of
// grdVo, end-cell item 0, and the statistics blocks below the data given up. True when it grew.
bool ExtendVariableCount(Sheet& sheet, int variable);

// The category range of two typed texts: each the leading number rounded halves to even.
enum class CategoryRangeError { None, ValueBeyond16Bit, CountBeyond16Bit };
CategoryRangeError CategoryRangeOf(std::string_view minimumText, std::string_view maximumText, CategoryRange& range);

}  // namespace zoriduvo

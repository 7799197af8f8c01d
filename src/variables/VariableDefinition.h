#pragma once
#include <string_view>

#include "sheet/VariableRecord.h"

namespace zoriduvo {

class Sheet;

// The category range of two typed texts: each the leading number rounded halves to even.
enum class CategoryRangeError { None, ValueBeyond16Bit, CountBeyond16Bit };
CategoryRangeError CategoryRangeOf(std::string_view minimumText, std::string_view maximumText, CategoryRange& range);

}  // namespace zoriduvo

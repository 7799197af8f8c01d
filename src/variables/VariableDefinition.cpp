#include "variables/VariableDefinition.h"

#include <string>

#include "sheet/NumberText.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"
#include "sheet/Limits.h"

namespace zoriduvo {

bool ExtendVariableCount(Sheet& sheet, int variable) {
    const int n = sheet.variableCount();
    if (variable <= n) return false;
    // Blocks below the data were laid out for the old variables; they go before the count grows.
    RemoveStatisticsBlocks(sheet);
    for (int v = n + 1; v <= variable; ++v) sheet.grdVo.setText(0, v + 1, std::to_string(v));
    sheet.setEndCell(0, std::to_string(variable + 1));
    return true;
}

CategoryRangeError CategoryRangeOf(std::string_view minimumText, std::string_view maximumText, CategoryRange& range) {
    const auto minimum = RoundToInt16(LeadingNumber(minimumText));
    const auto maximum = RoundToInt16(LeadingNumber(maximumText));
    if (!minimum || !maximum) return CategoryRangeError::ValueBeyond16Bit;
    const int count = *maximum - *minimum + 1;
    if (count < kInt16Min || count > kInt16Max) return CategoryRangeError::CountBeyond16Bit;
    range = {static_cast<std::int16_t>(count), *maximum, *minimum};
    return CategoryRangeError::None;
}

}  // namespace zoriduvo

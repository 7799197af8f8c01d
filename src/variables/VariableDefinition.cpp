#include "variables/VariableDefinition.h"

#include <string>

#include "sheet/Limits.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"
#include "text/NumberText.h"

namespace zoriduvo {

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

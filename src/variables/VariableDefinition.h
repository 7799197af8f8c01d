#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zoriduvo {

class Sheet;

inline constexpr const char* kContinuousType = "連続型";
inline constexpr const char* kCategoricalType = "カテゴリー型";

// The definition record of variable v: column v of grdVoLabel, rows 0 to 3.
struct VariableDefinition {
    std::string name;
    std::int16_t count = 0;  // 0: continuous; otherwise maximum - minimum + 1
    std::int16_t maximum = 0;
    std::int16_t minimum = 0;

    bool categorical() const { return count != 0; }
    bool operator==(const VariableDefinition&) const = default;
};

// A name is refused when it holds a double quote or a comma, which would break the file's fields.
// Anything else, the empty name included, is a name.
bool IsVariableName(std::string_view name);

// The one test every reader applies: categorical when row 1 reads as a number other than 0.
bool IsCategorical(const Sheet& sheet, int variable);

// Reads the record; cells outside the grid or not holding a 16-bit number read as 0.
VariableDefinition ReadDefinition(const Sheet& sheet, int variable);
// Writes the record and the name in row 1 of grdVo; the label grid grows to hold the column.
void WriteDefinition(Sheet& sheet, int variable, const VariableDefinition& definition);

// Makes variable v part of the sheet when it lies beyond the variable count: numbers in row 0 of
// grdVo, end-cell item 0, and the statistics blocks below the data given up. True when it grew.
bool ExtendVariableCount(Sheet& sheet, int variable);

// The category range of two typed texts: each the leading number rounded halves to even.
enum class CategoryRangeError { None, ValueBeyond16Bit, CountBeyond16Bit };
struct CategoryRange {
    std::int16_t minimum = 0;
    std::int16_t maximum = 0;
    std::int16_t count = 1;
    CategoryRangeError error = CategoryRangeError::None;
};
CategoryRange CategoryRangeOf(std::string_view minimumText, std::string_view maximumText);
// The text telling the user why a range was refused.
const char* CategoryRangeMessage(CategoryRangeError error);

}  // namespace zoriduvo

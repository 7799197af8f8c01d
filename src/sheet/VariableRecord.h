// The one record of a variable's definition, as grdVoLabel keeps it (column v, rows 0 to 3), a
// file image holds it and the transformation reads it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zoriduvo {

class Sheet;

inline constexpr const char* kContinuousType = "連続型";
inline constexpr const char* kCategoricalType = "カテゴリー型";

// The categories of a variable: count 0 for a continuous one, else maximum - minimum + 1.
struct CategoryRange {
    std::int16_t count = 0;
    std::int16_t maximum = 0;
    std::int16_t minimum = 0;

    bool categorical() const { return count != 0; }
    bool operator==(const CategoryRange&) const = default;
};

struct VariableDefinition {
    std::string name;
    CategoryRange category;

    bool categorical() const { return category.categorical(); }
    bool operator==(const VariableDefinition&) const = default;
};

// A name is refused when it holds a double quote or a comma, which would break the file's fields.
// Anything else, the empty name included, is a name.
bool IsVariableName(std::string_view name);

// The one test every reader applies: categorical when row 1 reads as a number other than 0.
bool IsCategorical(const Sheet& sheet, int variable);

// Reads the categories of variable v; cells outside the grid or not holding a 16-bit number read 0.
CategoryRange ReadCategoryRange(const Sheet& sheet, int variable);
// Reads the record; the name is row 0 of grdVoLabel.
VariableDefinition ReadDefinition(const Sheet& sheet, int variable);
// Writes rows 1 to 3 of grdVoLabel; the label grid grows to hold the column.
void WriteCategoryRange(Sheet& sheet, int variable, const CategoryRange& range);
// Writes the record and the name in row 1 of grdVo.
void WriteDefinition(Sheet& sheet, int variable, const VariableDefinition& definition);

}  // namespace zoriduvo

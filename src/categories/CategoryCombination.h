// Category combination: codes lo .. hi of categorical variables merge into lo and every higher
// code moves down by hi - lo, over a case range; over all cases the definitions shrink alike.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "categories/CategoryMessages.h"
#include "sheet/CaseRange.h"

namespace zoriduvo {

class Sheet;

inline constexpr const char* kCategoryCombinationTitle = "カテゴリの結合";

// The two ends of the code range, lo <= hi whatever order they were typed in.
struct CodeRange {
    int low = 0;
    int high = 0;
};

// The code fields as the dialog reads them: integers of 16 bits; nullopt when either is not.
std::optional<CodeRange> ReadCodeRange(std::string_view first, std::string_view second);

// The new text of a cell, or nullopt when it stays as it is (blank, at or below lo, or a value
// no integer can hold).
std::optional<std::string> CombinedCell(std::string_view text, CodeRange codes);

// The categorical variables of the sheet (category count at least 1), in variable order.
std::vector<int> CategoricalVariables(const Sheet& sheet);

// Recodes the variables over the cases as one undo step; over all cases 1 .. n each definition
// loses the declared codes inside lo .. hi but one, its ends moved as their cells are. Refused,
// before anything changes, when lo .. hi is wider than a 16-bit count, holds no declared code of a
// variable or would leave it no category; returns the refusal.
std::optional<CategoryMessage> CombineCategories(Sheet& sheet, CodeRange codes, const std::vector<int>& variables,
                                                 CaseRange cases);

}  // namespace zoriduvo

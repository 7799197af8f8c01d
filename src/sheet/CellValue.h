// What a cell of grdVo holds as a value: the one blank test and the one conversion of its text.
#pragma once
#include <optional>
#include <string_view>

#include "sheet/Cell.h"

namespace zoriduvo {

// A cell without text is blank, a missing value; any other text is a value.
constexpr bool IsBlankCell(std::string_view text) { return text.empty(); }

// The value of a cell as analyses use it: the leading number narrowed to a single.
float CellSingle(std::string_view text);
float CellSingle(const Cell& cell);

// True when the text (blanks and tabs around it aside) begins with a number: "0", "0.0" and
// "-.5" as well as "12" and "12abc".
bool BeginsWithNumber(std::string_view text);

// The number a text is wholly made of (blanks and tabs around it aside), in the forms the leading
// number reads ("1.5", "-.5", "1.5D3"); nullopt for "12abc", "abc" or an empty text.
std::optional<double> StrictNumber(std::string_view text);
// StrictNumber(text) has a value, without reading it.
bool WhollyNumber(std::string_view text);

}  // namespace zoriduvo

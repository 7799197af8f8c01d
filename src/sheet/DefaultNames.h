#pragma once
#include <string>

namespace zoriduvo {

// The names a variable or case gets when it has none: "V" or "C" and its number.
inline std::string DefaultVariableName(int v) { return std::string(1, 'V').append(std::to_string(v)); }
inline std::string DefaultCaseName(int c) { return std::string(1, 'C').append(std::to_string(c)); }

}  // namespace zoriduvo

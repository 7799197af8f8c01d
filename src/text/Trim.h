// Blanks cut from both ends of a text; the blanks are the caller's to name.
#pragma once
#include <string_view>

namespace zoriduvo {

constexpr std::string_view Trim(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace zoriduvo

// A text cut into its lines.
#pragma once
#include <string_view>
#include <vector>

namespace zoriduvo {

// The lines without their ends: CR LF, LF and CR each end one; a line end at the very end starts
// no further line.
inline std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace zoriduvo

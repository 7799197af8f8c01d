// Characters of the program's UTF-8 text are code points, never bytes.
#pragma once
#include <cstddef>
#include <string_view>

namespace zoriduvo {

// Code points in well-formed UTF-8 text: every byte that is not a continuation byte starts one.
constexpr std::size_t CodePointCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace zoriduvo

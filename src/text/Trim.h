// Blanks: what counts as one, and blanks cut from both ends of a text.
#pragma once
#include <string_view>

namespace zoriduvo {

// The blanks between the words of a statement and the fields of a line.
constexpr bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }
// Those and the line ends, which a number's text may carry around it.
constexpr bool IsWhiteSpace(char c) { return IsSpaceOrTab(c) || c == '\r' || c == '\n'; }

// Every field of a file passes through here, so the blanks are looked at by hand, without a call
// into the library per character.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = " \t") {
    const auto blank = [blanks](char c) {
        for (const char b : blanks)
            if (b == c) return true;
        return false;
    };
    std::size_t first = 0, last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace zoriduvo

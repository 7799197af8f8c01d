// A word as POSIX sh reads it back unchanged: inside single quotes every byte stands for itself,
// so only the single quote needs its own way out ('\'').
#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

inline bool IsPlainShellWord(std::string_view word) {
    if (word.empty()) return false;
    for (const char c : word) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_' || c == '.' || c == '/' || c == ',' || c == '+' || c == ':' ||
                           c == '@' || c == '%';
        if (!plain) return false;
    }
    return true;
}

inline std::string QuoteForShell(std::string_view word) {
    if (IsPlainShellWord(word)) return std::string(word);
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted += '\'';
}

}  // namespace zoriduvo

// UTF-8 as text is held in memory: validity and length in code points ("characters").
#pragma once
#include <cstddef>
#include <string_view>

namespace zoriduvo {

// True when every byte is ASCII: the text reads the same in every code this program knows.
constexpr bool IsAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Length of the UTF-8 sequence that starts with lead, 0 when lead cannot start one.
constexpr std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The offset of the first byte that is not part of a well-formed UTF-8 sequence, npos when none.
constexpr std::size_t FirstInvalidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = Utf8SequenceLength(lead);
        if (length == 0 || i + length > bytes.size()) return i;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return i;
        if (length >= 3) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90)) return i;  // overlong
            if (lead == 0xED && second >= 0xA0) return i;                                     // surrogate
            if (lead == 0xF4 && second >= 0x90) return i;                                     // beyond U+10FFFF
        }
        i += length;
    }
    return std::string_view::npos;
}

constexpr bool IsValidUtf8(std::string_view bytes) { return FirstInvalidUtf8(bytes) == std::string_view::npos; }

// Code points of valid UTF-8: every byte that does not continue a sequence starts one.
constexpr std::size_t CodePointCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace zoriduvo

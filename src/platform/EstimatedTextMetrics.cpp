#include "platform/EstimatedTextMetrics.h"

#include <cmath>

namespace zoriduvo {

namespace {

// Half-width: ASCII and Latin letters, and the half-width katakana U+FF61..U+FF9F.
bool HalfWidth(char32_t c) { return c < 0x1100 || (c >= 0xFF61 && c <= 0xFF9F); }

}  // namespace

TextExtent EstimatedTextMetrics::measure(std::string_view utf8, double points, bool /*bold*/) const {
    const double em = points * kTwipsPerPoint;
    double halves = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        halves += HalfWidth(c) ? 1 : 2;
        i += length;
    }
    return {static_cast<int>(std::lround(halves * em / 2)), static_cast<int>(std::lround(em * 0.8)),
            static_cast<int>(std::lround(em * 0.2))};
}

}  // namespace zoriduvo

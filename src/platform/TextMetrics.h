#pragma once
#include <string_view>

#include "platform/DisplayList.h"

namespace zoriduvo {

// The size of a text in twips: its advance width, and its height above and below the baseline.
struct TextExtent {
    int width = 0;
    int ascent = 0;
    int descent = 0;
    int height() const { return ascent + descent; }
    bool operator==(const TextExtent&) const = default;
};

// Measures text as the device it will be painted on shows it, so the core can lay out pages and plots.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual TextExtent measure(std::string_view utf8, double points, bool bold) const = 0;
};

// The box a text item covers once placed by its anchor and alignments.
TwipRect TextBounds(const DrawText& text, const TextMetrics& metrics);

}  // namespace zoriduvo

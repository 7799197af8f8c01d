#include "platform/TextMetrics.h"

#include <cmath>

namespace zoriduvo {

TwipRect TextBounds(const DrawText& text, const TextMetrics& metrics) {
    const TextExtent extent = metrics.measure(text.text, text.style.points, text.style.bold);
    const TextOffset offset = BaselineOffset(text.style, extent.width, extent.ascent, extent.descent);
    const int left = text.at.x + static_cast<int>(std::lround(offset.dx));
    const int baseline = text.at.y + static_cast<int>(std::lround(offset.dy));
    return {left, baseline - extent.ascent, extent.width, extent.height()};
}

}  // namespace zoriduvo

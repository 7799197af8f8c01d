#pragma once
#include "platform/TextMetrics.h"

namespace zoriduvo {

// Text measured without a font, for pictures written where no display is (the command line's
// SVG): a half-width character takes half an em, any other a whole one; the ascent is 0.8 em and
// the descent 0.2 em, an em being the point size in twips (20 a point).
class EstimatedTextMetrics : public TextMetrics {
public:
    TextExtent measure(std::string_view utf8, double points, bool bold) const override;
};

}  // namespace zoriduvo

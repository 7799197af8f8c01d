// The plotting area of a picture and its data units: the one mapping between values and twips,
// used by the drawing and by the mouse selection.
#pragma once
#include "graphs/PointLabels.h"
#include "platform/DisplayList.h"

namespace zoriduvo {

struct PlotFrame {
    TwipRect area;  // the plotting area in the picture, y downward
    double xMinimum = 0, xMaximum = 1, yMinimum = 0, yMaximum = 1;

    // Factors from data units to twips; 0 when a range or the area has no extent, so that no
    // NaN or infinity reaches the painter.
    double scaleX() const;
    double scaleY() const;
    int toX(double value) const;
    int toY(double value) const;  // y grows upward from the bottom of the area
    DataRect toData(TwipRect rect) const;
};

// The window's picture for a frame client area: height 4/5 of it, width 4/3 of that, in twips
// at 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;
TwipSize GraphWindowPixels(int clientWidth, int clientHeight);

}  // namespace zoriduvo

#include "graphs/PlotFrame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zoriduvo {

namespace {

double Scale(int length, double low, double high) {
    const double factor = length / (high - low);
    return std::isfinite(factor) && factor > 0 ? factor : 0;
}

int Twips(double value) {
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

}  // namespace

double PlotFrame::scaleX() const { return Scale(area.width, xMinimum, xMaximum); }
double PlotFrame::scaleY() const { return Scale(area.height, yMinimum, yMaximum); }
int PlotFrame::toX(double value) const { return Twips(area.left + scaleX() * (value - xMinimum)); }
int PlotFrame::toY(double value) const { return Twips(area.top + area.height - scaleY() * (value - yMinimum)); }

DataRect PlotFrame::toData(TwipRect rect) const {
    const double sx = scaleX(), sy = scaleY();
    if (sx == 0 || sy == 0) return {1, 0, 1, 0};  // holds nothing
    const int bottom = area.top + area.height;
    return {xMinimum + (rect.left - area.left) / sx, xMinimum + (rect.left + rect.width - area.left) / sx,
            yMinimum + (bottom - (rect.top + rect.height)) / sy, yMinimum + (bottom - rect.top) / sy};
}

TwipSize GraphWindowPixels(int /*clientWidth*/, int clientHeight) {
    const int height = clientHeight * 4 / 5;
    return {height * 4 / 3, height};
}

}  // namespace zoriduvo

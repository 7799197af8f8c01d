#include "graphs/BoxPlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphs/AxisScaling.h"

namespace zoriduvo {

namespace {

constexpr int kBandUnits = 640;

void DrawOneBox(DisplayList& list, const PlotFrame& frame, const BoxColumn& box, double bandTop, double unit) {
    const auto y = [&](double units) { return static_cast<int>(std::lround(bandTop + units * unit)); };
    const int low = frame.toX(box.low), high = frame.toX(box.high), min = frame.toX(box.minimum),
              max = frame.toX(box.maximum), centre = frame.toX(box.centre);
    list.addLine({min, y(100)}, {min, y(300)});
    // A mean-and-SD box may reach past an extreme: its whisker is then left out, not drawn backwards.
    if (min <= low) list.addLine({min, y(200)}, {low, y(200)});
    list.addBox({low, y(0), high - low, y(400) - y(0)}, Fill::Outline);
    list.addLine({centre, y(0)}, {centre, y(400)});
    if (high <= max) list.addLine({high, y(200)}, {max, y(200)});
    list.addLine({max, y(100)}, {max, y(300)});
}

}  // namespace

PlotPicture DrawBoxPlot(const Graph& graph, TwipSize size, const TextMetrics& metrics) {
    PlotPicture picture;
    DisplayList& list = picture.list;
    list.size = size;
    const std::vector<BoxColumn> boxes = ReadBoxes(graph.data);
    double low = 0, high = 0;
    bool any = false;
    for (const BoxColumn& box : boxes) {
        if (box.empty) continue;
        // The axis covers the boxes as well as the whiskers: mean ± SD may pass an extreme.
        const double boxLow = std::min({box.minimum, box.low, box.centre});
        const double boxHigh = std::max({box.maximum, box.high, box.centre});
        low = any ? std::min(low, boxLow) : boxLow;
        high = any ? std::max(high, boxHigh) : boxHigh;
        any = true;
    }
    const AxisA axis = ScaleAxisA(low, high);
    std::vector<std::string> labels;
    int halfWidest = 0;
    for (double tick : axis.ticks()) {
        labels.push_back(TickLabel(tick, axis.step));
        halfWidest = std::max(halfWidest, metrics.measure(labels.back(), TextStyle().points, false).width / 2);
    }
    PlotFrame& frame = picture.frame;
    // The labels are centred on their ticks: the ends leave room for half the widest.
    const int left = std::max(700, halfWidest + 120), right = std::max(400, halfWidest + 120);
    frame.area = {left, 300, std::max(size.width - left - right, 0), std::max(size.height - 1100, 0)};
    frame.xMinimum = axis.minimum;
    frame.xMaximum = axis.maximum;
    // The name stands 240 units above its box; the bands fill the plotting height.
    const double unit = frame.area.height / (kBandUnits * std::max<double>(static_cast<double>(boxes.size()), 1));
    TextStyle nameStyle;
    nameStyle.down = VAlign::Top;
    for (std::size_t j = 0; j < boxes.size(); ++j) {
        const double bandTop = frame.area.top + (static_cast<double>(j) * kBandUnits + 240) * unit;
        list.addText({frame.area.left, static_cast<int>(std::lround(bandTop - 240 * unit))}, boxes[j].name, nameStyle);
        if (!boxes[j].empty) DrawOneBox(list, frame, boxes[j], bandTop, unit);
    }
    const int axisY = frame.area.top + frame.area.height;
    list.addLine({frame.area.left, axisY}, {frame.area.left + frame.area.width, axisY});
    TextStyle tickStyle;
    tickStyle.across = HAlign::Centre;
    tickStyle.down = VAlign::Top;
    const std::vector<double> ticks = axis.ticks();
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int x = frame.toX(ticks[i]);
        list.addLine({x, axisY}, {x, axisY + 150});
        list.addText({x, axisY + 180}, labels[i], tickStyle);
    }
    return picture;
}

}  // namespace zoriduvo

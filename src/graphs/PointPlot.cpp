#include "graphs/PointPlot.h"

#include <algorithm>

#include "graphs/AxisScaling.h"

namespace zoriduvo {

namespace {

constexpr double kTickPoints = 9;
constexpr int kAxisGap = 120;
constexpr int kTickLength = 100;

TextStyle Style(double points, HAlign across, VAlign down = VAlign::Top) {
    TextStyle style;
    style.points = points;
    style.across = across;
    style.down = down;
    return style;
}

struct Range {
    double low = 0, high = 0;
};

Range RangeOf(const std::vector<PlotPoint>& points, double PlotPoint::*value) {
    if (points.empty()) return {};
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [value](const PlotPoint& a, const PlotPoint& b) { return a.*value < b.*value; });
    return {(*low).*value, (*high).*value};
}

// Titles and margins (twips) around the plotting area; returns the area.
TwipRect PlaceTitles(DisplayList& list, const GraphTitles& titles, const TickFormat& yFormat) {
    const TwipSize size = list.size;
    list.addBox({10, 10, size.width - 20, size.height - 20}, Fill::Outline);
    int top = 120, xReserve = 120, yReserve = 120;
    if (!titles.title.empty()) {
        list.addText({size.width / 2, 120}, titles.title, Style(14, HAlign::Centre));
        top = 14 * 20 + 120;
    }
    if (!titles.xTitle.empty()) {
        list.addText({size.width - 120, size.height - (12 * 20 + 120)}, titles.xTitle, Style(12, HAlign::Right));
        xReserve = 12 * 20 + 120;
    }
    if (!titles.yTitle.empty()) {
        list.addText({120, 120}, titles.yTitle, Style(12, HAlign::Left));
        yReserve = 12 * 20 + 120;
    }
    const int left = 9 * (static_cast<int>(yFormat.pattern.size()) + 1) * 10 + yReserve + 100;
    const int bottom = 9 * 20 + xReserve + 100;
    return {left, top, std::max(size.width - 120 - left, 0), std::max(size.height - bottom - top, 0)};
}

void DrawYAxis(DisplayList& list, const PlotFrame& frame, const AxisB& axis, const TickFormat& format) {
    const int x = frame.area.left - kAxisGap;
    list.addLine({x, frame.area.top + frame.area.height}, {x, frame.area.top});
    for (double tick : axis.ticks) {
        const int y = frame.toY(tick);
        list.addLine({x, y}, {x - kTickLength, y});
        list.addText({x - kTickLength - 30, y - 90}, TickText(tick, format.decimals), Style(kTickPoints, HAlign::Right));
    }
}

void DrawXTick(DisplayList& list, int x, int axisY, int length, const std::string& label) {
    list.addLine({x, axisY}, {x, axisY + length});
    if (!label.empty()) list.addText({x - 100, axisY + kTickLength}, label, Style(kTickPoints, HAlign::Left));
}

void DrawScatterXAxis(DisplayList& list, const PlotFrame& frame, const AxisB& axis) {
    const int y = frame.area.top + frame.area.height + kAxisGap;
    list.addLine({frame.area.left, y}, {frame.area.left + frame.area.width, y});
    const TickFormat format = TickFormatOf(axis);
    for (double tick : axis.ticks) DrawXTick(list, frame.toX(tick), y, kTickLength, TickText(tick, format.decimals));
}

void DrawIndexXAxis(DisplayList& list, const PlotFrame& frame, int caseCount) {
    const int y = frame.area.top + frame.area.height + kAxisGap;
    list.addLine({frame.area.left, y}, {frame.area.left + frame.area.width, y});
    const IndexTicks ticks = IndexTicksFor(caseCount);
    for (int j = 1; j * ticks.step <= caseCount; ++j) {
        const bool labelled = j % ticks.labelEvery == 0;
        const int position = j * ticks.step;
        DrawXTick(list, frame.toX(position), y, labelled ? kTickLength : 50,
                  labelled ? std::to_string(position) : std::string());
    }
}

// 50 right of and 200 above the point; nearer when the point is in the top or right tenth.
TwipPoint LabelPlace(const PlotFrame& frame, const PlotPoint& p) {
    const int x = frame.toX(p.x), y = frame.toY(p.y);
    TwipPoint at{x + 50, y - 200};
    if (p.y > frame.yMinimum + 0.9 * (frame.yMaximum - frame.yMinimum)) at = {x + 100, y - 50};
    if (p.x > frame.xMinimum + 0.9 * (frame.xMaximum - frame.xMinimum)) at = {x - 200, y - 200};
    return at;
}

}  // namespace

IndexTicks IndexTicksFor(int n) {
    if (n <= 9) return {1, 1};
    if (n <= 14) return {1, 2};
    if (n <= 54) return {5, 2};
    if (n <= 119) return {10, 5};
    if (n <= 419) return {20, 5};
    if (n <= 699) return {50, 2};
    if (n <= 1249) return {100, 5};
    if (n <= 4199) return {200, 5};
    return {500, 2};
}

PlotPicture DrawPointPlot(const Graph& graph, const std::vector<PlotPoint>& points,
                          const std::vector<PointLabel>& flags, TwipSize size, const TextMetrics& /*metrics*/) {
    const PlotKind kind = KindOf(graph.data).value_or(PlotKind::Scatter);
    const bool index = kind == PlotKind::Index;
    PlotPicture picture;
    picture.list.size = size;
    const Range ys = RangeOf(points, &PlotPoint::y);
    const AxisB yAxis = ScaleAxisB(ys.low, ys.high, index ? 0.03 : 0.05);
    const TickFormat yFormat = TickFormatOf(yAxis);
    PlotFrame& frame = picture.frame;
    frame.area = PlaceTitles(picture.list, graph.titles, yFormat);
    frame.yMinimum = yAxis.minimum;
    frame.yMaximum = yAxis.maximum;
    AxisB xAxis;
    if (index) {
        // One case has no extent: its position stands in the middle of the axis.
        frame.xMinimum = graph.caseCount > 1 ? 1 : 0;
        frame.xMaximum = graph.caseCount > 1 ? graph.caseCount : 2;
    } else {
        const Range xs = RangeOf(points, &PlotPoint::x);
        xAxis = ScaleAxisB(xs.low, xs.high, 0.05);
        frame.xMinimum = xAxis.minimum;
        frame.xMaximum = xAxis.maximum;
    }
    DisplayList& list = picture.list;
    if (index) DrawIndexXAxis(list, frame, graph.caseCount);
    else DrawScatterXAxis(list, frame, xAxis);
    DrawYAxis(list, frame, yAxis, yFormat);
    const int radius = size.width >= 6000 ? 30 : 20;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PlotPoint& p = points[i];
        list.addCircle({frame.toX(p.x), frame.toY(p.y)}, radius, p.inRange ? Fill::Solid : Fill::Outline);
        const PointLabel flag = i < flags.size() ? flags[i] : PointLabel::None;
        if (flag != PointLabel::None)
            list.addText(LabelPlace(frame, p), LabelText(kind, graph.data, p, flag), Style(kTickPoints, HAlign::Left));
    }
    return picture;
}

}  // namespace zoriduvo

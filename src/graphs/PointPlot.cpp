#include "graphs/PointPlot.h"

#include <algorithm>
#include <cmath>
#include <string>

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

// Tick labels of an axis of algorithm B.
std::vector<std::string> TickLabels(const AxisB& axis) {
    std::vector<std::string> labels;
    for (double tick : axis.ticks) labels.push_back(TickLabel(tick, StepOf(axis)));
    return labels;
}

int WidestText(const std::vector<std::string>& texts, const TextMetrics& metrics) {
    int widest = 0;
    for (const std::string& text : texts) widest = std::max(widest, metrics.measure(text, kTickPoints, false).width);
    return widest;
}

// Titles and margins (twips) around the plotting area; returns the area. The left margin holds the
// widest Y label, the right one the part of the widest X label right of its tick; the X title
// stands below the X labels, clear of them.
TwipRect PlaceTitles(DisplayList& list, const GraphTitles& titles, int yLabelWidth, int xLabelWidth) {
    const TwipSize size = list.size;
    list.addBox({10, 10, size.width - 20, size.height - 20}, Fill::Outline);
    int top = 120, xReserve = 0, yReserve = 120;
    if (!titles.title.empty()) {
        list.addText({size.width / 2, 120}, titles.title, Style(14, HAlign::Centre));
        top = 14 * kTwipsPerPoint + 120;
    }
    if (!titles.xTitle.empty()) {
        list.addText({size.width - 120, size.height - (12 * kTwipsPerPoint + 120)}, titles.xTitle, Style(12, HAlign::Right));
        xReserve = 12 * kTwipsPerPoint + 60;
    }
    if (!titles.yTitle.empty()) {
        list.addText({120, 120}, titles.yTitle, Style(12, HAlign::Left));
        yReserve = 12 * kTwipsPerPoint + 120;
    }
    const int left = yReserve + yLabelWidth + 30 + kTickLength + kAxisGap;
    const int bottom = kAxisGap + kTickLength + static_cast<int>(kTickPoints * kTwipsPerPoint) + xReserve + 120;
    const int right = std::max(120, xLabelWidth - 100 + 60);
    return {left, top, std::max(size.width - right - left, 0), std::max(size.height - bottom - top, 0)};
}

void DrawYAxis(DisplayList& list, const PlotFrame& frame, const AxisB& axis, const std::vector<std::string>& labels) {
    const int x = frame.area.left - kAxisGap;
    list.addLine({x, frame.area.top + frame.area.height}, {x, frame.area.top});
    for (std::size_t i = 0; i < axis.ticks.size(); ++i) {
        const int y = frame.toY(axis.ticks[i]);
        list.addLine({x, y}, {x - kTickLength, y});
        list.addText({x - kTickLength - 30, y - 90}, labels[i], Style(kTickPoints, HAlign::Right));
    }
}

void DrawXTick(DisplayList& list, int x, int axisY, int length, const std::string& label) {
    list.addLine({x, axisY}, {x, axisY + length});
    if (!label.empty()) list.addText({x - 100, axisY + kTickLength}, label, Style(kTickPoints, HAlign::Left));
}

void DrawScatterXAxis(DisplayList& list, const PlotFrame& frame, const AxisB& axis,
                      const std::vector<std::string>& labels) {
    const int y = frame.area.top + frame.area.height + kAxisGap;
    list.addLine({frame.area.left, y}, {frame.area.left + frame.area.width, y});
    for (std::size_t i = 0; i < axis.ticks.size(); ++i)
        DrawXTick(list, frame.toX(axis.ticks[i]), y, kTickLength, labels[i]);
}

// The table's label interval, widened to a multiple of itself until the widest position label
// fits between two labelled ticks.
int LabelEvery(const PlotFrame& frame, IndexTicks ticks, int caseCount, const TextMetrics& metrics) {
    const int widest = metrics.measure(std::to_string(caseCount), kTickPoints, false).width + 90;
    const double apart = frame.scaleX() * ticks.step * ticks.labelEvery;
    if (apart <= 0) return ticks.labelEvery;
    const double times = std::ceil(widest / apart);
    return ticks.labelEvery * static_cast<int>(std::clamp(times, 1.0, static_cast<double>(caseCount)));
}

void DrawIndexXAxis(DisplayList& list, const PlotFrame& frame, int caseCount, const TextMetrics& metrics) {
    const int y = frame.area.top + frame.area.height + kAxisGap;
    list.addLine({frame.area.left, y}, {frame.area.left + frame.area.width, y});
    const IndexTicks ticks = IndexTicksFor(caseCount);
    const int every = LabelEvery(frame, ticks, caseCount, metrics);
    for (int j = 1; j * ticks.step <= caseCount; ++j) {
        const bool longTick = j % ticks.labelEvery == 0;
        const int position = j * ticks.step;
        DrawXTick(list, frame.toX(position), y, longTick ? kTickLength : 50,
                  j % every == 0 ? std::to_string(position) : std::string());
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
                          const std::vector<PointLabel>& flags, TwipSize size, const TextMetrics& metrics) {
    const PlotKind kind = KindOf(graph.data).value_or(PlotKind::Scatter);
    const bool index = kind == PlotKind::Index;
    PlotPicture picture;
    picture.list.size = size;
    const Range ys = RangeOf(points, &PlotPoint::y);
    const AxisB yAxis = ScaleAxisB(ys.low, ys.high, index ? 0.03 : 0.05);
    const std::vector<std::string> yLabels = TickLabels(yAxis);
    const Range xs = RangeOf(points, &PlotPoint::x);
    const AxisB xAxis = index ? AxisB() : ScaleAxisB(xs.low, xs.high, 0.05);
    // The index plot's widest label is its last position.
    const std::vector<std::string> xLabels =
        index ? std::vector<std::string>{std::to_string(graph.caseCount)} : TickLabels(xAxis);
    PlotFrame& frame = picture.frame;
    frame.area = PlaceTitles(picture.list, graph.titles, WidestText(yLabels, metrics), WidestText(xLabels, metrics));
    frame.yMinimum = yAxis.minimum;
    frame.yMaximum = yAxis.maximum;
    // One case has no extent: its position stands in the middle of the axis.
    frame.xMinimum = !index ? xAxis.minimum : graph.caseCount > 1 ? 1 : 0;
    frame.xMaximum = !index ? xAxis.maximum : graph.caseCount > 1 ? graph.caseCount : 2;
    DisplayList& list = picture.list;
    if (index)
        DrawIndexXAxis(list, frame, graph.caseCount, metrics);
    else
        DrawScatterXAxis(list, frame, xAxis, xLabels);
    DrawYAxis(list, frame, yAxis, yLabels);
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

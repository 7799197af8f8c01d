// The picture of any graph: the one render call that the window, saving, printing, copying and
// the command line share.
#pragma once
#include "graphs/BoxPlot.h"
#include "graphs/PointPlot.h"

namespace zoriduvo {

// The working copies a graph window rebuilds on activation.
struct GraphView {
    PlotKind kind = PlotKind::Scatter;
    std::vector<PlotPoint> points;
    std::vector<PointLabel> flags;
};
GraphView ReadGraphView(const Graph& graph);

PlotPicture DrawGraph(const Graph& graph, const GraphView& view, TwipSize size, const TextMetrics& metrics);

}  // namespace zoriduvo

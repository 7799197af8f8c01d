#include "graphs/GraphPicture.h"

namespace zoriduvo {

GraphView ReadGraphView(const Graph& graph) {
    GraphView view;
    view.kind = KindOf(graph.data).value_or(PlotKind::Scatter);
    view.points = ReadPoints(graph.data);
    view.flags.assign(view.points.size(), PointLabel::None);
    return view;
}

PlotPicture DrawGraph(const Graph& graph, const GraphView& view, TwipSize size, const TextMetrics& metrics) {
    if (view.kind == PlotKind::Box) return DrawBoxPlot(graph, size, metrics);
    return DrawPointPlot(graph, view.points, view.flags, size, metrics);
}

}  // namespace zoriduvo

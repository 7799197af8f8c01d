// The layout of the box plot (kind 2): one horizontal band per variable on a common value axis.
#pragma once
#include "graphs/GraphData.h"
#include "graphs/PointPlot.h"

namespace zoriduvo {

PlotPicture DrawBoxPlot(const Graph& graph, TwipSize size, const TextMetrics& metrics);

}  // namespace zoriduvo

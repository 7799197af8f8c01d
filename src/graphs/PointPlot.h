// The layout of the scatter plot (kind 1) and the index plot (kind 3): titles, margins, axes,
// marks and labels as a display list.
#pragma once
#include <vector>

#include "graphs/GraphData.h"
#include "graphs/PlotFrame.h"
#include "graphs/PointLabels.h"
#include "platform/TextMetrics.h"

namespace zoriduvo {

struct PlotPicture {
    DisplayList list;
    PlotFrame frame;
};

// flags: one per point (missing ones count as None).
PlotPicture DrawPointPlot(const Graph& graph, const std::vector<PlotPoint>& points,
                          const std::vector<PointLabel>& flags, TwipSize size, const TextMetrics& metrics);

// The index plot's horizontal ticks for N cases: the step and which tick is labelled.
struct IndexTicks {
    int step = 1;
    int labelEvery = 1;
};
IndexTicks IndexTicksFor(int caseCount);

}  // namespace zoriduvo

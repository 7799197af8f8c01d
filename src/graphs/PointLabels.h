// Point labels of the scatter and index plots: the flags, the label menu's rules and the
// selection of points by a rectangle in data units.
#pragma once
#include <string>
#include <vector>

#include "graphs/GraphData.h"

namespace zoriduvo {

enum class PointLabel { None, CaseName, Value };

// A rectangle in data units, bounds included.
struct DataRect {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
};

// The flag of every point after a drag: mark for those inside, None for the others. The index
// plot takes the horizontal bounds as whole positions, int(left) + 1 .. int(right).
std::vector<PointLabel> SelectPoints(PlotKind kind, const std::vector<PlotPoint>& points, const DataRect& rect,
                                     PointLabel mark);

// The label text of a point, empty for None.
std::string LabelText(PlotKind kind, const GraphTable& data, const PlotPoint& point, PointLabel flag);

// "ケース名を表示", "データ値を表示" and "全ケース名を表示(&C)" with their exclusions.
struct LabelMenu {
    bool caseNames = false;
    bool values = false;
    bool allNames = false;

    void toggleCaseNames();
    void toggleValues();
    // Sets every flag to CaseName when it was unmarked, to None when marked.
    void toggleAllNames(std::vector<PointLabel>& flags);
    // The mark a drag applies; None when neither item is marked (the drag changes nothing).
    PointLabel dragMark() const;
    // A drag with a mark takes "全ケース名を表示(&C)"'s mark away.
    void dragged() { allNames = false; }
};

}  // namespace zoriduvo

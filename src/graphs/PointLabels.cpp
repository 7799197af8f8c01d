#include "graphs/PointLabels.h"

#include <algorithm>
#include <cmath>

namespace zoriduvo {

std::vector<PointLabel> SelectPoints(PlotKind kind, const std::vector<PlotPoint>& points, const DataRect& rect,
                                     PointLabel mark) {
    double left = rect.left, right = rect.right;
    if (kind == PlotKind::Index) {
        left = std::floor(rect.left) + 1;
        right = std::min(std::floor(rect.right), static_cast<double>(points.size()));
    }
    std::vector<PointLabel> flags;
    flags.reserve(points.size());
    for (const PlotPoint& p : points) {
        const bool inside = p.x >= left && p.x <= right && p.y >= rect.bottom && p.y <= rect.top;
        flags.push_back(inside ? mark : PointLabel::None);
    }
    return flags;
}

std::string LabelText(PlotKind kind, const GraphTable& data, const PlotPoint& point, PointLabel flag) {
    const auto& row = data[static_cast<std::size_t>(point.row)];
    const auto cell = [&row](std::size_t col) { return col < row.size() ? row[col] : std::string(); };
    if (flag == PointLabel::CaseName) return cell(0);
    if (flag == PointLabel::None) return {};
    return kind == PlotKind::Scatter ? "(" + cell(1) + "," + cell(2) + ")" : cell(1);
}

void LabelMenu::toggleCaseNames() {
    caseNames = !caseNames;
    if (caseNames) values = false;
}

void LabelMenu::toggleValues() {
    values = !values;
    if (values) caseNames = false;
}

void LabelMenu::toggleAllNames(std::vector<PointLabel>& flags) {
    caseNames = values = false;
    for (PointLabel& flag : flags) flag = allNames ? PointLabel::None : PointLabel::CaseName;
    allNames = !allNames;
}

PointLabel LabelMenu::dragMark() const {
    return caseNames ? PointLabel::CaseName : values ? PointLabel::Value : PointLabel::None;
}

}  // namespace zoriduvo

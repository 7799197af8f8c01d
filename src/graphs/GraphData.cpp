#include "graphs/GraphData.h"

#include <algorithm>

#include "sheet/CellValue.h"
#include "sheet/Sheet.h"
#include "text/NumberText.h"
#include "variables/RunningStatistics.h"

namespace zoriduvo {

namespace {

std::string CellTextOf(const Sheet& sheet, int caseNumber, int variable) {
    return std::string(sheet.grdVo.text(caseNumber + 1, variable + 1).view());
}

std::string Name(const Sheet& sheet, int variable) { return CellTextOf(sheet, 0, variable); }

const std::string& At(const GraphTable& data, std::size_t row, std::size_t col) {
    static const std::string none;
    return row < data.size() && col < data[row].size() ? data[row][col] : none;
}

std::string Mark(const CaseRange& range, int caseNumber) { return range.contains(caseNumber) ? "1" : "0"; }

}  // namespace

std::optional<PlotKind> KindOf(const GraphTable& data) {
    const std::string& code = At(data, 0, 0);
    if (code == "1") return PlotKind::Scatter;
    if (code == "2") return PlotKind::Box;
    if (code == "3") return PlotKind::Index;
    return std::nullopt;
}

GraphTable ScatterTable(const Sheet& sheet, int xVariable, int yVariable, const CaseRange& range) {
    GraphTable data{{"1", Name(sheet, xVariable), Name(sheet, yVariable), ""}};
    for (int i = 1; i <= sheet.caseCount(); ++i)
        data.push_back({CellTextOf(sheet, i, 0), CellTextOf(sheet, i, xVariable), CellTextOf(sheet, i, yVariable), Mark(range, i)});
    return data;
}

Graph IndexGraph(const Sheet& sheet, int variable, const CaseRange& range) {
    Graph graph;
    graph.data = IndexTable(sheet, variable, range);
    // Named like the scatter plot's automatic title.
    graph.titles.title = "インデックスプロット: " + Name(sheet, variable);
    graph.caseCount = sheet.caseCount();
    return graph;
}

GraphTable IndexTable(const Sheet& sheet, int variable, const CaseRange& range) {
    GraphTable data{{"3", Name(sheet, variable), "", ""}};
    for (int i = 1; i <= sheet.caseCount(); ++i)
        data.push_back({CellTextOf(sheet, i, 0), CellTextOf(sheet, i, variable), std::to_string(i), Mark(range, i)});
    return data;
}

std::vector<PlotPoint> ReadPoints(const GraphTable& data) {
    const auto kind = KindOf(data);
    std::vector<PlotPoint> points;
    for (std::size_t row = 1; row < data.size(); ++row) {
        const bool inRange = At(data, row, 3) == "1";
        const int r = static_cast<int>(row);
        if (kind == PlotKind::Scatter) {
            const auto x = StrictNumber(At(data, row, 1));
            const auto y = StrictNumber(At(data, row, 2));
            if (x && y) points.push_back({*x, *y, r, inRange});
        } else if (kind == PlotKind::Index) {
            if (const auto y = StrictNumber(At(data, row, 1)))
                points.push_back({static_cast<double>(points.size() + 1), *y, r, inRange});
        }
    }
    return points;
}

void SetQuartiles(BoxNumbers& numbers, const std::vector<float>& sorted) {
    const int k = static_cast<int>(sorted.size());
    if (k == 0) return;
    // x(i) is 1-based; a position before the first value (k = 1, 2) takes the first.
    const auto x = [&sorted, k](int i) { return sorted[static_cast<std::size_t>(std::clamp(i, 1, k) - 1)]; };
    numbers.lowerQuartile = x(RoundToInt32(k / 4.0).value_or(1));
    numbers.upperQuartile = x(RoundToInt32(3.0 * k / 4.0).value_or(k));
    // Summed in double: two singles near the top of their range would overflow to infinity.
    numbers.median =
        k % 2 == 1 ? x((k + 1) / 2) : static_cast<float>((static_cast<double>(x(k / 2)) + x(k / 2 + 1)) / 2);
}

BoxNumbers ComputeBoxNumbers(const Sheet& sheet, int variable, const CaseRange& range) {
    BoxNumbers numbers;
    numbers.name = Name(sheet, variable);
    // Only the cells that are numbers, as the scatter and index plots take them: a text is no value.
    RunningFigures running;
    std::vector<float> values;
    const int last = std::min(range.last, sheet.caseCount());
    for (int i = std::max(range.first, 1); i <= last; ++i) {
        const Cell& cell = sheet.grdVo.cell(i + 1, variable + 1);
        if (cell.empty() || (!cell.isNumber() && !WhollyNumber(CellTextOf(sheet, i, variable)))) continue;
        values.push_back(CellSingle(cell));
        running.add(values.back());
    }
    const VariableStatistics statistics = running.result();
    numbers.count = statistics.cases;
    numbers.minimum = statistics.minimum;
    numbers.maximum = statistics.maximum;
    numbers.mean = statistics.mean;
    numbers.deviation = statistics.standardDeviation;
    std::sort(values.begin(), values.end());
    SetQuartiles(numbers, values);
    return numbers;
}

GraphTable BoxTable(const Sheet& sheet, const std::vector<int>& variables, const CaseRange& range, BoxKind kind) {
    GraphTable data(9, std::vector<std::string>(variables.size() + 1));
    data[0][0] = "2";
    data[1][0] = kind == BoxKind::MeanDeviation ? "0" : "1";
    for (std::size_t j = 0; j < variables.size(); ++j) {
        const BoxNumbers n = ComputeBoxNumbers(sheet, variables[j], range);
        data[0][j + 1] = n.name;
        if (n.count == 0) continue;  // no value in the range: an empty band
        // The box ends in double, saturated to the single range rather than overflowing to infinity.
        const float rows[] = {n.minimum,
                              n.maximum,
                              ToSingle(static_cast<double>(n.mean) - n.deviation),
                              n.mean,
                              ToSingle(static_cast<double>(n.mean) + n.deviation),
                              n.lowerQuartile,
                              n.median,
                              n.upperQuartile};
        for (std::size_t r = 0; r < 8; ++r) data[r + 1][j + 1] = ShortestText(rows[r]);
    }
    return data;
}

std::vector<BoxColumn> ReadBoxes(const GraphTable& data) {
    std::vector<BoxColumn> boxes;
    const std::size_t first = At(data, 1, 0) == "0" ? 3 : 6;
    for (std::size_t j = 1; !data.empty() && j < data[0].size(); ++j) {
        BoxColumn box;
        box.name = At(data, 0, j);
        const auto value = [&](std::size_t row) { return StrictNumber(At(data, row, j)); };
        const auto lo = value(1), hi = value(2), a = value(first), b = value(first + 1), c = value(first + 2);
        if (lo && hi && a && b && c) {
            box.empty = false;
            box.minimum = static_cast<float>(*lo);
            box.maximum = static_cast<float>(*hi);
            box.low = static_cast<float>(*a);
            box.centre = static_cast<float>(*b);
            box.high = static_cast<float>(*c);
        }
        boxes.push_back(box);
    }
    return boxes;
}

int LastVariableNamed(const Sheet& sheet, const std::string& name) {
    for (int v = sheet.variableCount(); v >= 1; --v)
        if (sheet.grdVo.text(1, v + 1) == name) return v;
    return 0;
}

}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>

#include "FileTestSupport.h"
#include "graphs/AxisScaling.h"
#include "graphs/GraphPicture.h"
#include "graphs/GraphSlots.h"
#include "graphs/ScatterTitles.h"
#include "graphs/SvgWriter.h"
#include "sheet/CellValue.h"
#include "sheet/SheetRegistry.h"
#include "support/DrawingFakes.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::Column;
using test::FillSheet;
using test::TestApp;

std::vector<double> Ticks(std::initializer_list<double> values) { return values; }

TEST(GraphAxis, AlgorithmARoundsTheEnds) {
    struct Row { float low, high, minimum, maximum, step; int intervals; };
    const Row rows[] = {
        {0, 100, 0, 120, 20, 6},  // -5..105 clamped to 0, 0..110, then 0..120 by 20
        {1, 10, 0, 12, 2, 6},
        {-10, -5, -11, -3, 2, 4},  // negative data keep their side of zero
        {5, 5, 3, 8, 1, 5},        // a single value gets a padded axis
    };
    for (const Row& r : rows) {
        const AxisA axis = ScaleAxisA(r.low, r.high);
        EXPECT_FLOAT_EQ(axis.minimum, r.minimum) << r.low << ".." << r.high;
        EXPECT_FLOAT_EQ(axis.maximum, r.maximum) << r.low << ".." << r.high;
        EXPECT_FLOAT_EQ(axis.step, r.step) << r.low << ".." << r.high;
        EXPECT_EQ(axis.intervals, r.intervals) << r.low << ".." << r.high;
    }
}

TEST(GraphAxis, AlgorithmBTicksInsideThePaddedRange) {
    struct Row {
        double low, high, margin;
        std::vector<double> ticks;
    };
    const Row rows[] = {
        {0, 10, 0.05, Ticks({0, 2, 4, 6, 8, 10})},
        {0, 100, 0.05, Ticks({0, 20, 40, 60, 80, 100})},
        {0.1, 0.5, 0.05, Ticks({0.1, 0.2, 0.3, 0.4, 0.5})},
        {7, 7, 0.05, Ticks({6, 6.5, 7, 7.5, 8})},  // one value: padded, never a zero range
    };
    for (const Row& r : rows) {
        const AxisB axis = ScaleAxisB(r.low, r.high, r.margin);
        ASSERT_EQ(axis.ticks.size(), r.ticks.size()) << r.low << ".." << r.high;
        for (std::size_t i = 0; i < r.ticks.size(); ++i) EXPECT_NEAR(axis.ticks[i], r.ticks[i], 1e-9);
    }
    EXPECT_DOUBLE_EQ(ScaleAxisB(0, 10, 0.05).minimum, -0.5);
    EXPECT_DOUBLE_EQ(ScaleAxisB(0, 10, 0.05).maximum, 10.5);
    // The widest doubles and singles still give finite axes with a bounded tick count.
    const AxisB wide = ScaleAxisB(-1.7e308, 1.7e308, 0.05);
    EXPECT_TRUE(std::isfinite(wide.maximum - wide.minimum));
    EXPECT_LE(wide.ticks.size(), 1000u);
    const AxisA wideA = ScaleAxisA(-3.4e38f, 3.4e38f);
    EXPECT_TRUE(std::isfinite(wideA.maximum) && std::isfinite(wideA.minimum));
}

std::vector<std::string> LabelsOf(const AxisB& axis) {
    std::vector<std::string> labels;
    for (double tick : axis.ticks) labels.push_back(TickLabel(tick, StepOf(axis)));
    return labels;
}

TEST(GraphAxis, TickLabelsAreTheShortestTextOfTheirDecimal) {
    using Labels = std::vector<std::string>;
    struct Row {
        const char* name;
        double low, high;
        Labels labels;
    };
    const Row rows[] = {
        {"a narrow range takes decimals from the step", 1000, 1001,
         Labels{"1000", "1000.2", "1000.4", "1000.6", "1000.8", "1001"}},
        {"zero is 0, not -0 or noise", -0.3, 0.3, Labels{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}},
        {"exponent form from 1E+15", 0, 8e15, Labels{"0", "2E+15", "4E+15", "6E+15", "8E+15"}},
        {"exponent form below 1E-05", 0, 4e-6, Labels{"0", "1E-06", "2E-06", "3E-06", "4E-06"}},
        {"the widest doubles", -1e300, 1e300, Labels{"-1E+300", "-5E+299", "0", "5E+299", "1E+300"}},
    };
    for (const Row& r : rows) EXPECT_EQ(LabelsOf(ScaleAxisB(r.low, r.high, 0.05)), r.labels) << r.name;
    // The single ticks of algorithm A read as the decimals they stand for.
    const AxisA a = ScaleAxisA(0.0f, 0.09f);
    std::vector<std::string> labels;
    for (double tick : a.ticks()) labels.push_back(TickLabel(tick, a.step));
    EXPECT_EQ(labels, (Labels{"0", "0.02", "0.04", "0.06", "0.08", "0.1", "0.12"}));
}

TEST(GraphAxis, TickLabelsAreDistinctAndTrueOverManyRanges) {
    // A fixed sweep of ranges of every width and place, both algorithms.
    std::uint64_t state = 12345;
    const auto next = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    for (int i = 0; i < 400; ++i) {
        const double centre = (next() - 0.5) * std::pow(10.0, std::floor(next() * 40 - 20));
        const double width = std::pow(10.0, std::floor(next() * 24 - 12)) * (0.5 + next());
        const double low = centre, high = centre + std::fabs(centre) * 1e-9 + width;
        const AxisB b = ScaleAxisB(low, high, 0.05);
        const AxisA a = ScaleAxisA(static_cast<float>(low), static_cast<float>(high));
        const auto check = [&](const std::vector<double>& ticks, double step) {
            std::set<std::string> seen;
            for (double tick : ticks) {
                const std::string label = TickLabel(tick, step);
                EXPECT_TRUE(seen.insert(label).second) << label << " twice, " << low << ".." << high;
                const auto read = StrictNumber(label);
                ASSERT_TRUE(read) << label;
                EXPECT_NEAR(*read, tick, step * 1e-3) << low << ".." << high;
            }
        };
        check(b.ticks, StepOf(b));
        check(a.ticks(), a.step);
    }
}

TEST(GraphBox, QuartilesByTheNearestPosition) {
    struct Row { std::vector<float> sorted; float q1, median, q3; };
    const Row rows[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2, 5.5f, 8},
        {{1, 2, 3, 4, 5, 6, 7}, 2, 4, 5},
        {{1, 2, 3}, 1, 2, 2},
        {{4, 9}, 4, 6.5f, 9},  // Q1 of two values is the smallest
        {{4}, 4, 4, 4},
    };
    for (const Row& r : rows) {
        BoxNumbers n;
        SetQuartiles(n, r.sorted);
        EXPECT_FLOAT_EQ(n.lowerQuartile, r.q1) << r.sorted.size();
        EXPECT_FLOAT_EQ(n.median, r.median) << r.sorted.size();
        EXPECT_FLOAT_EQ(n.upperQuartile, r.q3) << r.sorted.size();
    }
}

TEST(GraphBox, CaseRangeLimitsEveryNumber) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, Column({"3", "1", "2", "10", "20", "", "40", "30", "99"}));
    const BoxNumbers n = ComputeBoxNumbers(sheet, 1, CaseRange{5, 8});
    EXPECT_EQ(n.count, 3);
    EXPECT_FLOAT_EQ(n.minimum, 20);
    EXPECT_FLOAT_EQ(n.maximum, 40);
    EXPECT_FLOAT_EQ(n.median, 30);
    const GraphTable data = BoxTable(sheet, {1}, CaseRange{6, 6}, BoxKind::MedianQuartiles);
    EXPECT_EQ(data[0][1], "V1");
    EXPECT_TRUE(data[1][1].empty());  // no value in the range: an empty band, no numbers
    EXPECT_TRUE(ReadBoxes(data)[0].empty);
}

Graph ScatterOfTen(TestApp& t, CaseRange range) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 10; ++i) rows.push_back({std::to_string(i), std::to_string(i * i)});
    rows[6][1] = "";     // case 7: blank Y
    rows[7][0] = "abc";  // case 8: no number
    FillSheet(sheet, rows);
    Graph graph;
    graph.data = ScatterTable(sheet, 1, 2, range);
    graph.caseCount = sheet.caseCount();
    return graph;
}

std::vector<DrawCircle> Circles(const DisplayList& list) {
    std::vector<DrawCircle> circles;
    for (const DrawItem& item : list.items)
        if (const auto* c = std::get_if<DrawCircle>(&item)) circles.push_back(*c);
    return circles;
}

TEST(GraphScatter, RangeMarksFillAndBlanksAreLeftOut) {
    TestApp t;
    const Graph graph = ScatterOfTen(t, CaseRange{3, 5});
    ASSERT_EQ(graph.data.size(), 11u);  // every case keeps its row
    const GraphView view = ReadGraphView(graph);
    const auto circles = Circles(DrawGraph(graph, view, {12270, 9210}, test::FixedTextMetrics()).list);
    ASSERT_EQ(circles.size(), 8u);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const int row = view.points[i].row;
        EXPECT_EQ(circles[i].fill == Fill::Solid, row >= 3 && row <= 5) << row;
        EXPECT_EQ(circles[i].radius, 30);
    }
}

TEST(GraphSelection, RectangleInDataUnits) {
    const std::vector<PlotPoint> points = {{1, 1, 1, true}, {2, 5, 2, true}, {3, 9, 3, true}};
    using L = PointLabel;
    struct Row { PlotKind kind; DataRect rect; std::vector<L> flags; };
    const Row rows[] = {
        {PlotKind::Scatter, {1, 2, 1, 5}, {L::Value, L::Value, L::None}},  // bounds included
        {PlotKind::Scatter, {1.5, 3, 6, 10}, {L::None, L::None, L::Value}},
        {PlotKind::Index, {1.5, 3.4, 0, 10}, {L::None, L::Value, L::Value}},
        {PlotKind::Index, {2.2, 2.8, 0, 10}, {L::None, L::None, L::None}},  // between two positions
    };
    for (const Row& r : rows) EXPECT_EQ(SelectPoints(r.kind, points, r.rect, L::Value), r.flags);
    // A rectangle on the picture maps back through the frame.
    PlotFrame frame{{1000, 1000, 1000, 1000}, 0, 10, 0, 100};
    const DataRect rect = frame.toData({1100, 1500, 200, 100});
    EXPECT_DOUBLE_EQ(rect.left, 1);
    EXPECT_DOUBLE_EQ(rect.right, 3);
    EXPECT_DOUBLE_EQ(rect.bottom, 40);
    EXPECT_DOUBLE_EQ(rect.top, 50);
}

TEST(GraphSelection, LabelMenuExclusions) {
    LabelMenu menu;
    menu.toggleCaseNames();
    menu.toggleValues();
    EXPECT_FALSE(menu.caseNames);
    EXPECT_EQ(menu.dragMark(), PointLabel::Value);
    std::vector<PointLabel> flags(3, PointLabel::Value);
    menu.toggleAllNames(flags);
    EXPECT_EQ(flags, std::vector<PointLabel>(3, PointLabel::CaseName));
    EXPECT_EQ(menu.dragMark(), PointLabel::None);
    menu.toggleAllNames(flags);
    EXPECT_EQ(flags, std::vector<PointLabel>(3, PointLabel::None));
}

TEST(GraphIndex, TicksAndPositionsSkipBlanks) {
    struct Row { int n, step, every; };
    for (const Row& r : {Row{50, 5, 2}, Row{9, 1, 1}, Row{12, 1, 2}, Row{4200, 500, 2}}) {
        EXPECT_EQ(IndexTicksFor(r.n).step, r.step) << r.n;
        EXPECT_EQ(IndexTicksFor(r.n).labelEvery, r.every) << r.n;
    }
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, Column({"1", "2", "3", "", "5", "6", "7", "8", "9", "10"}));
    Graph graph;
    graph.data = IndexTable(sheet, 1, CaseRange{2, 3});
    graph.caseCount = 10;
    const GraphView view = ReadGraphView(graph);
    ASSERT_EQ(view.points.size(), 9u);
    EXPECT_EQ(view.points[3].x, 4);  // case 5 at position 4
    EXPECT_EQ(view.points[3].row, 5);
    const PlotPicture picture = DrawGraph(graph, view, {12270, 9210}, test::FixedTextMetrics());
    EXPECT_EQ(picture.frame.xMaximum, 10);  // the axis still runs to N
    int labels = 0;
    for (const DrawItem& item : picture.list.items)
        if (const auto* text = std::get_if<DrawText>(&item); text && text->at.y > picture.frame.area.top + picture.frame.area.height)
            ++labels;
    EXPECT_EQ(labels, 5);  // 2, 4, ..., 10 of tick step 1 labelled every second
}

TEST(GraphIndex, OneCaseHasNoZeroRange) {
    Graph graph;
    graph.data = {{"3", "V1", "", ""}, {"C1", "4", "1", "1"}};
    graph.caseCount = 1;
    const PlotPicture picture = DrawGraph(graph, ReadGraphView(graph), {12270, 9210}, test::FixedTextMetrics());
    const auto circles = Circles(picture.list);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].centre.x, picture.frame.area.left + picture.frame.area.width / 2);
    EXPECT_GT(picture.frame.scaleY(), 0);
}

TEST(GraphSlotsTable, ClosedSlotsAreReusedLowestFirst) {
    GraphSlots slots;
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(slots.allocate(), i);
    slots.titles(2).title = "old";
    slots.release(3);
    slots.release(2);
    EXPECT_EQ(slots.allocate(), 2);
    EXPECT_TRUE(slots.titles(2).title.empty());
    EXPECT_EQ(slots.allocate(), 3);
    EXPECT_EQ(slots.allocate(), 5);
}

// Titles and names come from the user's typing and pasting: whatever they hold, the file is XML.
TEST(GraphSvg, XmllintTakesTitlesWithCharactersXmlCannotHold) {
    if (!test::Installed("xmllint")) GTEST_SKIP() << "xmllint is not installed (scripts/deps.sh installs libxml2-utils)";
    TestApp t;
    Graph graph = ScatterOfTen(t, CaseRange{3, 5});
    graph.titles = {"a\x01" "b\x1f" "<&>\"", "\xff\xfe x", "y\xef\xbf\xbf\xe3\x81"};
    const test::FixedTextMetrics metrics;
    const std::string svg = SvgOf(DrawGraph(graph, ReadGraphView(graph), {12270, 9210}, metrics).list, metrics);
    EXPECT_NE(svg.find(">a\uFFFDb\uFFFD&lt;&amp;&gt;&quot;</text>"), std::string::npos) << svg;
    test::TempFolder folder;
    test::WriteBytes(folder.file("plot.svg"), svg);
    const auto [status, output] = test::RunShell("xmllint --noout '" + folder.file("plot.svg") + "'");
    EXPECT_EQ(status, 0) << output;
}

TEST(GraphSvg, SmallScatterPlotIsGolden) {
    TestApp t;
    Graph graph = ScatterOfTen(t, CaseRange{3, 5});
    graph.titles = {"散布図: 身長 X 体重", "身長", "体重"};
    const test::FixedTextMetrics metrics;
    const std::string svg = SvgOf(DrawGraph(graph, ReadGraphView(graph), {12270, 9210}, metrics).list, metrics);
    EXPECT_NE(svg.find(">散布図: 身長 X 体重</text>"), std::string::npos);
    EXPECT_NE(svg.find("<circle cx="), std::string::npos);
    EXPECT_NE(svg.find("fill=\"none\""), std::string::npos);
    EXPECT_NE(svg.find(">100</text>"), std::string::npos);
    std::size_t circles = 0;
    for (std::size_t at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1)) ++circles;
    EXPECT_EQ(circles, 8u);
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

TEST(GraphScatterTitles, AutomaticTitleUntilTyped) {
    ScatterTitles titles;
    titles.chooseY("体重");
    EXPECT_EQ(titles.title, "散布図： ");  // X still shows its default
    titles.chooseX("身長");
    EXPECT_EQ(titles.title, "散布図: 身長 X 体重");
    titles.undo();
    titles.edited = true;
    titles.chooseX("A");
    titles.chooseY("B");
    EXPECT_EQ(titles.title, "散布図: ");
    EXPECT_EQ(titles.yTitle, "B");
}

}  // namespace
}  // namespace zoriduvo

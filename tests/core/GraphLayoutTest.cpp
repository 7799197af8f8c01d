// The plots' layout read off their display lists: labels whole, apart and inside the picture, the
// axis over every box, and the values a plot takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "graphs/GraphPicture.h"
#include "platform/EstimatedTextMetrics.h"
#include "sheet/SheetRegistry.h"
#include "support/DrawingFakes.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::Column;
using test::FillSheet;
using test::TestApp;

constexpr TwipSize kPicture{12270, 9210};

struct Placed {
    std::string text;
    TwipRect box;
};

std::vector<Placed> Texts(const DisplayList& list, const TextMetrics& metrics = test::FixedTextMetrics()) {
    std::vector<Placed> texts;
    for (const DrawItem& item : list.items)
        if (const auto* t = std::get_if<DrawText>(&item)) texts.push_back({t->text, TextBounds(*t, metrics)});
    return texts;
}

bool Overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool Inside(const TwipRect& box, TwipSize size) {
    return box.left >= 0 && box.top >= 0 && box.left + box.width <= size.width && box.top + box.height <= size.height;
}

PlotPicture Draw(const Graph& graph, TwipSize size = kPicture, const TextMetrics& metrics = test::FixedTextMetrics()) {
    return DrawGraph(graph, ReadGraphView(graph), size, metrics);
}

Graph Scatter(const std::vector<std::pair<std::string, std::string>>& xy, GraphTitles titles = {}) {
    Graph graph;
    graph.data = {{"1", "X", "Y", ""}};
    for (const auto& [x, y] : xy) graph.data.push_back({"c", x, y, "1"});
    graph.titles = std::move(titles);
    graph.caseCount = static_cast<int>(xy.size());
    return graph;
}

Graph Box(const std::vector<std::string>& column, BoxKind kind) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, Column(column));
    Graph graph;
    graph.data = BoxTable(sheet, {1}, CaseRange{1, sheet.caseCount()}, kind);
    return graph;
}

TEST(GraphLayout, EveryLabelIsWholeInsideThePictureAndClearOfTheOthers) {
    struct Case {
        const char* name;
        Graph graph;
    };
    const Case cases[] = {
        {"scatter of 1000 and 1001 with titles", Scatter({{"1000", "1000"}, {"1001", "1001"}}, {"T", "身長", "体重"})},
        {"scatter of -1200 .. 8E+09", Scatter({{"-1200", "-1200"}, {"8E+09", "8E+09"}}, {"", "身長", ""})},
        {"scatter of +-1E+300", Scatter({{"-1E+300", "-1E+300"}, {"1E+300", "1E+300"}})},
        {"scatter of 1E+37", Scatter({{"0", "0"}, {"1E+37", "1E+37"}})},
        {"box of -1200 .. 8E+09", Box({"-1200", "0", "8E+09"}, BoxKind::MedianQuartiles)},
        {"box near the single maximum", Box({"3.4E+38", "3.4E+38", "-3.4E+38"}, BoxKind::MeanDeviation)},
    };
    // The command line's SVG measures without a font.
    const test::FixedTextMetrics fixed;
    const EstimatedTextMetrics estimated;
    for (const Case& c : cases)
        for (const TextMetrics* metrics :
             {static_cast<const TextMetrics*>(&fixed), static_cast<const TextMetrics*>(&estimated)}) {
            SCOPED_TRACE(c.name);
            const std::vector<Placed> texts = Texts(Draw(c.graph, kPicture, *metrics).list, *metrics);
            ASSERT_FALSE(texts.empty());
            for (std::size_t i = 0; i < texts.size(); ++i) {
                EXPECT_TRUE(Inside(texts[i].box, kPicture)) << texts[i].text;
                EXPECT_LE(texts[i].text.size(), 12u) << texts[i].text;  // no long binary expansion
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(Overlap(texts[i].box, texts[j].box)) << texts[i].text << " on " << texts[j].text;
            }
        }
}

TEST(GraphLayout, LabelsOfANarrowScatterAreDistinct) {
    const std::vector<Placed> texts = Texts(Draw(Scatter({{"1000", "1000"}, {"1001", "1001"}})).list);
    std::multiset<std::string> labels;
    for (const Placed& t : texts) labels.insert(t.text);
    for (const std::string& label : labels) EXPECT_EQ(labels.count(label), 2u) << label;  // once per axis
    EXPECT_EQ(labels.count("1000.2"), 2u);
}

TEST(GraphLayout, IndexPositionLabelsNeverOverlap) {
    for (const int n : {9, 4200, 26000, 32767}) {
        SCOPED_TRACE(n);
        Graph graph;
        graph.data = {{"3", "V1", "", ""}};
        for (int i = 1; i <= n; ++i) graph.data.push_back({"c", std::to_string(i % 7), std::to_string(i), "1"});
        graph.caseCount = n;
        for (const TwipSize size : {kPicture, TwipSize{6000, 4500}}) {
            const PlotPicture picture = Draw(graph, size);
            std::vector<Placed> labels;
            for (const Placed& t : Texts(picture.list))
                if (t.box.top > picture.frame.area.top + picture.frame.area.height) labels.push_back(t);
            ASSERT_GE(labels.size(), 2u);
            for (std::size_t i = 1; i < labels.size(); ++i)
                EXPECT_LT(labels[i - 1].box.left + labels[i - 1].box.width, labels[i].box.left) << labels[i].text;
            EXPECT_EQ(labels.back().text.size(), std::to_string(std::stoi(labels.back().text)).size());
        }
    }
}

TEST(GraphLayout, TheBoxPlotAxisCoversEveryBoxAndItsWhiskers) {
    struct Case {
        const char* name;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"mean - SD below the minimum", {"0", "0", "0", "0", "100"}},
        {"beyond 1E+36", {"2E+36", "3E+38", "1E+37"}},
        {"two values near the single maximum", {"3.4E+38", "3.4E+38"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Graph graph = Box(c.values, BoxKind::MeanDeviation);
        ASSERT_FALSE(ReadBoxes(graph.data)[0].empty);
        const PlotPicture picture = Draw(graph);
        const TwipRect area = picture.frame.area;
        int lines = 0;
        for (const DrawItem& item : picture.list.items) {
            if (const auto* line = std::get_if<DrawLine>(&item); line && line->from.y < area.top + area.height) {
                ++lines;
                for (const TwipPoint p : {line->from, line->to})
                    EXPECT_TRUE(p.x >= area.left && p.x <= area.left + area.width) << p.x;
            }
            if (const auto* box = std::get_if<DrawBox>(&item)) {
                EXPECT_GE(box->rect.left, area.left);
                EXPECT_GE(box->rect.width, 0);
                EXPECT_LE(box->rect.left + box->rect.width, area.left + area.width);
            }
        }
        EXPECT_GE(lines, 3);
    }
}

TEST(GraphLayout, TheBoxPlotLeavesTextCellsOutAsTheOtherPlotsDo) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, Column({"4", "abc", "", "8", "12x"}));
    const BoxNumbers n = ComputeBoxNumbers(sheet, 1, CaseRange{1, 5});
    EXPECT_EQ(n.count, 2);
    EXPECT_FLOAT_EQ(n.minimum, 4);
    EXPECT_FLOAT_EQ(n.mean, 6);
    EXPECT_FLOAT_EQ(n.median, 6);
}

TEST(GraphLayout, TheIndexPlotTitleNamesItsVariable) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
    sheet.grdVo.setText(1, 3, "体重");
    const Graph graph = IndexGraph(sheet, 2, CaseRange{1, 2});
    EXPECT_EQ(graph.titles.title, "インデックスプロット: 体重");
    EXPECT_EQ(graph.caseCount, 2);
    const std::vector<Placed> texts = Texts(Draw(graph).list);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const Placed& p) { return p.text == "インデックスプロット: 体重"; }));
}

}  // namespace
}  // namespace zoriduvo

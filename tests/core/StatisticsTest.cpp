#include "variables/Statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "sheet/CellValue.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "support/SingleTolerance.h"
#include "text/NumberText.h"
#include "variables/StatisticsViewTexts.h"

namespace zoriduvo {
namespace {

using test::Column;
using test::FillSheet;
using test::NearestSingle;
using test::SingleNear;
using test::TestApp;

Sheet& SheetWith(TestApp& t, const std::vector<std::vector<std::string>>& values) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, values);
    return sheet;
}

TEST(VariableStatistics, OnePassFiguresMatchHandComputedOnes) {
    struct Case {
        const char* name;
        std::vector<std::string> values;
        double maximum, minimum, mean, deviation;
        int cases;
    };
    const Case cases[] = {
        {"textbook spread", {"2", "4", "4", "4", "5", "5", "7", "9"}, 9, 2, 5, std::sqrt(32.0 / 7), 8},
        {"one value has no deviation", {"3"}, 3, 3, 3, 0, 1},
        {"blanks are skipped", {"", "1", "", "3", ""}, 3, 1, 2, std::sqrt(2.0), 2},
        {"text counts with its leading number", {"12abc", "abc"}, 12, 0, 6, std::sqrt(72.0), 2},
        {"negatives and fractions", {"-1.5", "2.5", "0.5"}, 2.5, -1.5, 0.5, 2, 3},
        {"maximum first, minimum last", {"10", "6", "2"}, 10, 2, 6, 4, 3},
        {"large offset keeps its spread", {"10000", "10001", "10002"}, 10002, 10000, 10001, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        const Sheet& sheet = SheetWith(t, Column(c.values));
        const VariableStatistics s = ComputeVariableStatistics(sheet, 1, 1, sheet.caseCount());
        EXPECT_TRUE(SingleNear(s.maximum, c.maximum));
        EXPECT_TRUE(SingleNear(s.minimum, c.minimum));
        EXPECT_TRUE(SingleNear(s.mean, c.mean));
        EXPECT_TRUE(SingleNear(s.standardDeviation, c.deviation));
        EXPECT_EQ(s.cases, c.cases);
    }
}

// Columns whose single running sums lost digits: every figure is now the single nearest the exact
// one (computed here in two passes over the same singles), and the order of cases changes no bit.
TEST(VariableStatistics, FiguresAreTheNearestSinglesInAnyOrderOfCases) {
    std::mt19937 random(33);
    std::uniform_int_distribution<int> cents(10000, 99999999);
    std::normal_distribution<double> spread(45.2, 0.5);
    std::vector<std::string> years, large, prices, nearMean, halves;
    for (int year = -6000; year <= 1979; ++year) years.push_back(std::to_string(year));
    for (int k = 1; k <= 200; ++k) large.push_back(GeneralText(std::ldexp(1.0, 100) + k * std::ldexp(1.0, 80)));
    for (int k = 0; k < 5000; ++k) prices.push_back(GeneralText(cents(random) / 100.0));
    for (int k = 0; k < 5000; ++k) nearMean.push_back(GeneralText(std::round(spread(random) * 10) / 10));
    for (int k = 0; k < 300; ++k) halves.push_back(k % 2 ? "45.2" : "70");
    const struct {
        const char* name;
        const std::vector<std::string>& values;
    } cases[] = {
        {"the years -6000 to 1979", years}, {"around 1E+30, apart in the last bits", large},
        {"prices to the cent", prices},     {"one decimal around 45.2", nearMean},
        {"45.2 and 70 in turn", halves},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        long double total = 0, squares = 0;
        for (const std::string& text : c.values) total += CellSingle(text);
        const long double mean = total / c.values.size();
        for (const std::string& text : c.values) squares += (CellSingle(text) - mean) * (CellSingle(text) - mean);
        const long double deviation = std::sqrt(squares / (c.values.size() - 1));

        std::vector<std::string> shuffled = c.values;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        std::vector<VariableStatistics> figures;
        const std::vector<const std::vector<std::string>*> orders{&c.values, &shuffled};
        for (const auto* order : orders) {
            TestApp t;
            const Sheet& sheet = SheetWith(t, Column(*order));
            figures.push_back(ComputeVariableStatistics(sheet, 1, 1, sheet.caseCount()));
            EXPECT_TRUE(NearestSingle(figures.back().mean, mean));
            EXPECT_TRUE(NearestSingle(figures.back().standardDeviation, deviation));
        }
        EXPECT_EQ(std::memcmp(&figures[0], &figures[1], sizeof figures[0]), 0) << "the order of cases changed a figure";
    }
}

TEST(VariableStatistics, RangeLimitsTheCasesAndStaysInsideTheSheet) {
    TestApp t;
    const Sheet& sheet = SheetWith(t, Column({"1", "2", "3", "4"}));
    const VariableStatistics middle = ComputeVariableStatistics(sheet, 1, 2, 3);
    EXPECT_EQ(middle.cases, 2);
    EXPECT_TRUE(SingleNear(middle.maximum, 3));
    EXPECT_TRUE(SingleNear(middle.minimum, 2));
    // A range reaching past the last case never reads the rows below the data.
    const VariableStatistics beyond = ComputeVariableStatistics(sheet, 1, 0, 200);
    EXPECT_EQ(beyond.cases, 4);
    EXPECT_EQ(ComputeVariableStatistics(sheet, 7, 1, 4).cases, 0);
}

TEST(VariableStatistics, BlanksOnlyGiveNoCasesShownAsDash) {
    TestApp t;
    const Sheet& sheet = SheetWith(t, {{"1", ""}, {"2", ""}});
    const StatisticsTable table = ComputeStatistics(sheet, 1, 2);
    ASSERT_EQ(table.variableCount(), 2);
    const VariableStatistics& empty = table.variables[2];
    EXPECT_EQ(empty.cases, 0);
    EXPECT_EQ(empty.maximum, 0.0f);
    for (Statistic s : {Statistic::Maximum, Statistic::Minimum, Statistic::Mean, Statistic::StandardDeviation})
        EXPECT_EQ(StatisticText(empty, s), "-");
    EXPECT_EQ(StatisticText(empty, Statistic::Cases), "0");
    EXPECT_EQ(StatisticText(table.variables[1], Statistic::Mean), "1.5");
}

TEST(StatisticsForSaving, FillsTheGridAndSetsTheFlagWithoutABlock) {
    TestApp t;
    Sheet& sheet = SheetWith(t, {{"2", ""}, {"4", ""}, {"9", ""}});
    ComputeStatisticsForSaving(t.app, sheet);
    EXPECT_TRUE(sheet.statisticsValid());
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_TRUE(sheet.grdVo.isEmpty(6, 1));
    const Grid& stat = sheet.grdVoStat;
    EXPECT_EQ(stat.text(0, 0), " 1- 3");
    const std::vector<std::string> first = {"9", "2", "5", "3.605551", "3"};
    for (int row = 1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(stat.text(row, 1), first[row - 1]);
        EXPECT_EQ(stat.text(row, 2), row == 5 ? "0" : "-");
    }
    EXPECT_EQ(stat.text(1, 0), " 最　大");
    EXPECT_EQ(t.app.state<StatisticsTable>().variableCount(), 2);
    EXPECT_EQ(t.app.state<StatisticsTable>().variables[1].cases, 3);
}

TEST(StatisticsForSaving, IgnoresTheStoredRangeAndGrowsTheGridWithTheSheet) {
    TestApp t;
    std::vector<std::vector<std::string>> wide(2, std::vector<std::string>(30, "1"));
    Sheet& sheet = SheetWith(t, wide);
    sheet.grdVoStat.setCols(21);  // left behind by a sheet that grew
    sheet.state().rangeSelection = true;
    sheet.grdSInfo.setText(1, 0, "2");
    sheet.grdSInfo.setText(1, 1, "2");
    ComputeStatisticsForSaving(t.app, sheet);
    EXPECT_EQ(sheet.grdVoStat.text(0, 0), " 1- 2");
    EXPECT_EQ(sheet.grdVoStat.text(5, 30), "2");
}

TEST(StatisticsView, ShowsOneVariableWithZerosKeptInTheFirstFour) {
    TestApp t;
    const Sheet& sheet = SheetWith(t, {{"2", ""}, {"4", ""}, {"4", ""}, {"4", ""}, {"5", ""}, {"5", ""}, {"7", ""}, {"9", ""}});
    const StatisticsViewTexts shown = StatisticsViewFor(sheet, 1);
    EXPECT_EQ(shown.heading, "<< 第 1 変数 >>");
    EXPECT_EQ(shown.values[0], "9.000000000");
    EXPECT_EQ(shown.values[2], "5.000000000");  // the zeros the block drops are kept here
    EXPECT_EQ(shown.values[3], "2.138090000");
    EXPECT_EQ(shown.values[4], "8");

    const StatisticsViewTexts empty = StatisticsViewFor(sheet, 2);
    EXPECT_EQ(empty.heading, "<< 第 2 変数 >>");
    EXPECT_EQ(empty.values[0], "-");
    EXPECT_EQ(empty.values[3], "-");
    EXPECT_EQ(empty.values[4], "0");
    // The variable dialog can ask for a number past the last variable.
    EXPECT_EQ(StatisticsViewFor(sheet, 40).values[1], "-");
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "edit/Sorting.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/Statistics.h"

namespace zoriduvo {
namespace {

// Bit for bit: the table is the same single-precision computation, only walked row by row.
bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectTableMatchesEachVariable(const Sheet& sheet, int first, int last) {
    const StatisticsTable table = ComputeStatistics(sheet, first, last);
    ASSERT_EQ(table.variableCount(), sheet.variableCount());
    EXPECT_EQ(table.first, first);
    EXPECT_EQ(table.last, last);
    for (int v = 1; v <= sheet.variableCount(); ++v) {
        SCOPED_TRACE("variable " + std::to_string(v));
        const VariableStatistics one = ComputeVariableStatistics(sheet, v, first, last);
        const VariableStatistics& row = table.variables[v];
        EXPECT_EQ(row.cases, one.cases);
        EXPECT_TRUE(SameBits(row.maximum, one.maximum)) << row.maximum << " " << one.maximum;
        EXPECT_TRUE(SameBits(row.minimum, one.minimum)) << row.minimum << " " << one.minimum;
        EXPECT_TRUE(SameBits(row.mean, one.mean)) << row.mean << " " << one.mean;
        EXPECT_TRUE(SameBits(row.standardDeviation, one.standardDeviation));
    }
}

// Values whose single-precision sums depend on their order, blanks, texts and an empty variable.
std::vector<std::vector<std::string>> MixedValues(int cases) {
    std::vector<std::vector<std::string>> rows;
    for (int c = 1; c <= cases; ++c) {
        const std::string third = c % 3 == 0 ? "" : std::to_string(c * 0.37) + (c % 5 == 0 ? "abc" : "");
        rows.push_back({std::to_string(c % 7 == 0 ? 1e7 + c : 0.1 * c), third, "", std::to_string(-c * c)});
    }
    return rows;
}

TEST(StatisticsTable, EveryVariableAsItsOwnComputation) {
    const struct {
        const char* name;
        int first, last;
        bool sorted;
    } cases[] = {
        {"all cases", 1, 40, false},
        {"a range inside", 7, 23, false},
        {"a range beyond the cases", -5, 100, false},
        {"an empty range", 30, 10, false},
        {"after a sort, rows moved", 1, 40, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, MixedValues(40));
        if (c.sorted) {
            ASSERT_TRUE(SortCases(t.app, sheet, 4, false, false));
        }
        ExpectTableMatchesEachVariable(sheet, c.first, c.last);
    }
}

// A wide sheet, with a variable count that leaves a partial four, rows that end early, and the
// values whose single conversion or sums are delicate.
TEST(StatisticsTable, ManyVariablesInFoursStayBitForBit) {
    const std::vector<std::string> delicate = {"",       "-0",      "1E-45",        "3.4028235E+38", "3.5E+38",
                                               "1E+300", "-1E+300", "INF",          "-INF",          "12abc",
                                               "abc",    "1e39",    "0.1",          "16777217",      "-7.25",
                                               "1E-310", "NaN",     "99999999999.5"};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, 3 * static_cast<int>(delicate.size()));
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    constexpr int kCases = 1300, kVariables = 203;
    std::vector<std::vector<std::string>> rows(kCases, std::vector<std::string>(kVariables));
    for (int c = 0; c < kCases; ++c) {
        const int used = c % 11 == 0 ? c % kVariables : kVariables;  // the rest stays blank
        for (int v = 0; v < used; ++v) {
            const int k = pick(random);
            rows[c][v] = k < static_cast<int>(delicate.size()) ? delicate[k] : std::to_string(spread(random));
        }
    }
    test::TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, rows);
    ExpectTableMatchesEachVariable(sheet, 1, kCases);
    ExpectTableMatchesEachVariable(sheet, 5, 333);
    ASSERT_TRUE(SortCases(t.app, sheet, 3, true, false));
    ExpectTableMatchesEachVariable(sheet, 1, kCases);
}

// End cells that claim more variables than the grid has columns: those variables have no figures.
TEST(StatisticsTable, VariablesBeyondTheGridHaveNoFigures) {
    test::TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
    sheet.setEndCell(0, std::to_string(sheet.grdVo.cols() + 3));
    const StatisticsTable table = ComputeStatistics(sheet, 1, 2);
    ASSERT_EQ(table.variableCount(), sheet.variableCount());
    EXPECT_EQ(table.variables[1].cases, 2);
    EXPECT_EQ(table.variables[2].cases, 2);
    for (int v = sheet.grdVo.cols() - 1; v <= sheet.variableCount(); ++v) EXPECT_EQ(table.variables[v].cases, 0);
}

}  // namespace
}  // namespace zoriduvo

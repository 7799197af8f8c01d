#include "edit/Sorting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

// Cases with a key (variable 1) and a tag (variable 2) naming the case's former number.
Sheet& KeyedSheet(TestApp& t, const Texts& keys) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<Texts> values;
    for (std::size_t i = 0; i < keys.size(); ++i) values.push_back({keys[i], std::to_string(i + 1)});
    test::FillSheet(sheet, values);
    return sheet;
}

Texts ColumnOf(const Sheet& sheet, int col) {
    Texts texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts.emplace_back(sheet.grdVo.text(c + 1, col));
    return texts;
}

void Group(Sheet& sheet, const Texts& sizes) {
    sheet.state().caseGroups = static_cast<std::int16_t>(sizes.size());
    sheet.grdSInfo.setCols(static_cast<int>(sizes.size()));
    for (std::size_t i = 0; i < sizes.size(); ++i) sheet.grdSInfo.setText(0, static_cast<int>(i), sizes[i]);
}

TEST(SortCases, OrdersByKeyStablyWithBlanksLastInBothDirections) {
    struct Case {
        const char* name;
        Texts keys;
        bool descending;
        Texts sortedKeys, formerCases;
    };
    const Case cases[] = {
        {"ascending keeps equal keys in order", {"3", "1", "2", "1", ""}, false, {"1", "1", "2", "3", ""}, {"2", "4", "3", "1", "5"}},
        {"descending keeps equal keys in order", {"3", "1", "2", "1", ""}, true, {"3", "2", "1", "1", ""}, {"1", "3", "2", "4", "5"}},
        {"fractions descending", {"2.5", "10", "2.25"}, true, {"10", "2.5", "2.25"}, {"2", "1", "3"}},
        {"negatives ascending", {"3", "-4", "1"}, false, {"-4", "1", "3"}, {"2", "3", "1"}},
        {"blanks keep their order ascending", {"", "2", "", "1"}, false, {"1", "2", "", ""}, {"4", "2", "1", "3"}},
        {"blanks keep their order descending", {"", "2", "", "1"}, true, {"2", "1", "", ""}, {"2", "4", "1", "3"}},
        {"blanks after negatives", {"", "-5"}, false, {"-5", ""}, {"2", "1"}},
        {"text keys by their leading number", {"12abc", "abc", "5"}, false, {"abc", "5", "12abc"}, {"2", "3", "1"}},
        {"exponent against plain digits", {"1E3", "999", "1.5E2"}, false, {"1.5E2", "999", "1E3"}, {"3", "2", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = KeyedSheet(t, c.keys);
        ASSERT_TRUE(SortCases(t.app, sheet, 1, c.descending, false));
        EXPECT_EQ(ColumnOf(sheet, 2), c.sortedKeys);
        EXPECT_EQ(ColumnOf(sheet, 3), c.formerCases);
    }
}

TEST(SortCases, NamesMoveWithTheirValuesAndNumbersAreWrittenAfresh) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"3", "1", "2", "1", ""});
    sheet.grdVo.setText(2, 1, "Kyoto");
    sheet.grdVo.setCurrent(4, 3);
    sheet.grdVo.setSelectionEnd(5, 2);
    SortCases(t.app, sheet, 1, false, false);
    EXPECT_EQ(ColumnOf(sheet, 1), (Texts{"C2", "C4", "C3", "Kyoto", "C5"}));
    EXPECT_EQ(ColumnOf(sheet, 0), (Texts{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(sheet.grdVo.row(), 4);
    EXPECT_EQ(sheet.grdVo.col(), 3);
    EXPECT_EQ(sheet.grdVo.rowSel(), 5);
    EXPECT_EQ(sheet.grdVo.colSel(), 2);
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(t.ui.busyDepth, 0);
}

TEST(SortCases, WithinGroupsKeepsEveryCaseInItsGroup) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"9", "8", "7", "", "3", "2", "1"});
    Group(sheet, {"4", "3"});
    SortCases(t.app, sheet, 1, false, true);
    EXPECT_EQ(ColumnOf(sheet, 2), (Texts{"7", "8", "9", "", "1", "2", "3"}));
    EXPECT_EQ(sheet.state().caseGroups, 2);
    EXPECT_EQ(sheet.grdSInfo.text(0, 0), "4");
    EXPECT_EQ(sheet.grdSInfo.text(0, 1), "3");
}

TEST(SortCases, AllCasesOfAGroupedSheetUngroupsIt) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"9", "8", "7", "3", "2", "1"});
    Group(sheet, {"2", "2", "2"});
    sheet.grdVo.setBackColour(4, 2, 21, 0xEEEEEE);
    SortCases(t.app, sheet, 1, false, false);
    EXPECT_EQ(ColumnOf(sheet, 2), (Texts{"1", "2", "3", "7", "8", "9"}));
    EXPECT_EQ(sheet.state().caseGroups, 1);
    EXPECT_EQ(sheet.grdSInfo.cols(), 2);
    EXPECT_EQ(sheet.grdSInfo.text(0, 1), "6");
    EXPECT_EQ(sheet.grdVo.backColour(4, 5), kDefaultColour);
}

// Stored sizes that do not add up are no grouping, as the writer and the transformation read them.
TEST(SortCases, GroupSizesThatDoNotAddUpSortAsOneGroup) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"3", "2", "1"});
    Group(sheet, {"2", "9"});
    ASSERT_TRUE(SortCases(t.app, sheet, 1, false, true));
    EXPECT_EQ(ColumnOf(sheet, 2), (Texts{"1", "2", "3"}));
}

TEST(SortCases, RemovesStatisticsShownOverAllCases) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"2", "1"});
    ShowStatisticsBlock(t.app, sheet);
    ASSERT_TRUE(sheet.statisticsValid());
    SortCases(t.app, sheet, 1, false, false);
    EXPECT_TRUE(sheet.grdVo.isEmpty(5, 1));
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_FALSE(sheet.statisticsValid());
}

TEST(SortCases, NothingToSortLeavesTheSheetAlone) {
    TestApp t;
    Sheet& sheet = KeyedSheet(t, {"2", "1"});
    EXPECT_FALSE(SortCases(t.app, sheet, 0, false, false));
    EXPECT_FALSE(SortCases(t.app, sheet, 3, false, false));
    EXPECT_EQ(ColumnOf(sheet, 2), (Texts{"2", "1"}));
    EXPECT_FALSE(sheet.modified());
    Sheet& blank = t.app.sheet(NewSheet(t.app));
    EXPECT_FALSE(SortCases(t.app, blank, 1, false, false));
}

// Its time is the sort benchmark's (bench/core); here the order of a full sheet.
TEST(SortCases, FullSheetSortsNumbersAscendingWithBlanksLast) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    const int n = 32767;
    std::vector<Texts> values(n, Texts(10, "1"));
    unsigned seed = 12345;
    for (auto& row : values) {
        seed = seed * 1103515245u + 12345u;
        row[0] = (seed >> 16) % 7 == 0 ? "" : std::to_string(seed >> 16 & 0x7FFF) + ".5";
    }
    test::FillSheet(sheet, values);
    SortCases(t.app, sheet, 1, true, false);
    bool ordered = true, blanksLast = true;
    for (int c = 2; c <= n; ++c) {
        const auto before = sheet.grdVo.text(c, 2), here = sheet.grdVo.text(c + 1, 2);
        if (before.empty() && !here.empty()) blanksLast = false;
        if (!before.empty() && !here.empty() && std::stod(std::string(before)) < std::stod(std::string(here))) ordered = false;
    }
    EXPECT_TRUE(ordered);
    EXPECT_TRUE(blanksLast);
    EXPECT_EQ(sheet.grdVo.text(n + 1, 0), "32767");
}

TEST(SortDialog, OpensOnTheCurrentColumnsVariable) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "2", "3"}});
    sheet.grdVo.setText(1, 3, "");
    sheet.grdVo.setCurrent(2, 4);
    SortDialogStart start = OpenSortDialog(sheet);
    EXPECT_EQ(start.names, (Texts{"V1", "V2", "V3"}));
    EXPECT_EQ(start.chosen, 2);
    EXPECT_FALSE(start.grouped);
    EXPECT_EQ(start.selection.col, 4);
    sheet.grdVo.setCurrent(2, 15);  // beyond the variables
    EXPECT_EQ(OpenSortDialog(sheet).chosen, 2);
    Group(sheet, {"1", "1"});
    EXPECT_TRUE(OpenSortDialog(sheet).grouped);
}

}  // namespace
}  // namespace zoriduvo

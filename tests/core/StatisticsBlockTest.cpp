#include "sheet/DataChange.h"
#include "variables/StatisticsBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetOperations.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::TestApp;

// Ten cases of two variables: 1..10 and 10 times that, the second blank in case 10.
Sheet& TenCases(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<std::vector<std::string>> values;
    for (int c = 1; c <= 10; ++c) values.push_back({std::to_string(c), c == 10 ? "" : std::to_string(10 * c)});
    FillSheet(sheet, values);
    return sheet;
}

void SelectWholeRows(Grid& grid, int firstRow, int lastRow) {
    grid.setCurrent(firstRow, 2);
    grid.setSelectionEnd(lastRow, grid.cols() - 1);
}

std::vector<std::string> ColumnTexts(const Grid& grid, int firstRow, int col, int count) {
    std::vector<std::string> texts;
    for (int r = firstRow; r < firstRow + count; ++r) texts.emplace_back(grid.text(r, col));
    return texts;
}

TEST(StatisticsBlockCommand, OverAllCasesFillsTheBlockAndTheStatisticsGrid) {
    TestApp t;
    Sheet& sheet = TenCases(t);
    ShowStatisticsBlock(t.app, sheet);
    const Grid& grid = sheet.grdVo;
    EXPECT_TRUE(grid.isEmpty(12, 1));  // one empty row below the data
    EXPECT_EQ(ColumnTexts(grid, 13, 1, 7),
              (std::vector<std::string>{" 1- 10", " 最　大", " 最　小", " 平　均", "標準偏差", "ケース数", ""}));
    EXPECT_EQ(ColumnTexts(grid, 14, 2, 5), (std::vector<std::string>{"10", "1", "5.5", "3.02765", "10"}));
    EXPECT_EQ(ColumnTexts(grid, 14, 3, 5), (std::vector<std::string>{"90", "10", "50", "27.38613", "9"}));
    EXPECT_EQ(sheet.state().statisticsBlocks, 1);
    EXPECT_TRUE(sheet.statisticsValid());
    EXPECT_EQ(sheet.grdVoStat.text(0, 0), " 1- 10");
    EXPECT_EQ(ColumnTexts(sheet.grdVoStat, 1, 2, 5), (std::vector<std::string>{"90", "10", "50", "27.38613", "9"}));
    EXPECT_EQ(t.ui.busyDepth, 0);
    EXPECT_FALSE(sheet.modified());
}

TEST(StatisticsBlockCommand, CaseRangeDecidesWhetherTheStatisticsGridIsWritten) {
    struct Case {
        const char* name;
        int firstRow, lastRow, lastCol;  // lastCol 0: a single cell
        bool storedRange;
        std::string header;
        bool valid;
    };
    const Case cases[] = {
        {"single cell means all cases", 5, 5, 0, false, " 1- 10", true},
        {"whole rows 5 to 10 are cases 4 to 9", 5, 10, 21, false, " 4- 9", false},
        {"whole rows dragged upwards", 10, 5, 21, false, " 4- 9", false},
        {"rows past the last case are cut", 8, 30, 21, false, " 7- 10", false},
        {"ending on the last variable is not whole rows", 5, 10, 3, false, " 1- 10", true},
        {"all rows selected with a stored range", 2, 11, 21, true, " 3- 6", false},
        {"stored range without a selection", 4, 4, 0, true, " 3- 6", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = TenCases(t);
        if (c.storedRange) {
            sheet.state().rangeSelection = true;
            sheet.grdSInfo.setText(1, 0, "3");
            sheet.grdSInfo.setText(1, 1, "6");
        }
        sheet.grdVo.setCurrent(c.firstRow, 2);
        if (c.lastCol) sheet.grdVo.setSelectionEnd(c.lastRow, c.lastCol);
        ShowStatisticsBlock(t.app, sheet);
        EXPECT_EQ(sheet.grdVo.text(13, 1), c.header);
        EXPECT_EQ(sheet.statisticsValid(), c.valid);
        EXPECT_EQ(sheet.grdVoStat.isEmpty(0, 0), !c.valid);
        EXPECT_EQ(sheet.state().statisticsBlocks, 1);
    }
}

TEST(StatisticsBlockCommand, PartialRangeFiguresComeFromThoseCasesOnly) {
    TestApp t;
    Sheet& sheet = TenCases(t);
    SelectWholeRows(sheet.grdVo, 5, 10);
    ShowStatisticsBlock(t.app, sheet);
    EXPECT_EQ(ColumnTexts(sheet.grdVo, 14, 2, 5), (std::vector<std::string>{"9", "4", "6.5", "1.870829", "6"}));
}

TEST(StatisticsBlockCommand, VariableWithoutCasesShowsDashes) {
    TestApp t;
    Sheet& sheet = TenCases(t);
    SelectWholeRows(sheet.grdVo, 11, 11);  // case 10 only: the second variable is blank there
    ShowStatisticsBlock(t.app, sheet);
    EXPECT_EQ(ColumnTexts(sheet.grdVo, 14, 3, 5), (std::vector<std::string>{"-", "-", "-", "-", "0"}));
}

TEST(StatisticsBlockCommand, SecondBlockGoesSevenRowsLowerAndValidBlocksLeaveTogether) {
    TestApp t;
    Sheet& sheet = TenCases(t);
    ShowStatisticsBlock(t.app, sheet);
    SelectWholeRows(sheet.grdVo, 5, 10);
    ShowStatisticsBlock(t.app, sheet);
    EXPECT_EQ(sheet.grdVo.text(20, 1), " 4- 9");
    EXPECT_EQ(sheet.grdVo.text(21, 2), "9");
    EXPECT_EQ(sheet.state().statisticsBlocks, 2);
    EXPECT_TRUE(sheet.statisticsValid());  // the partial block leaves the full one's flag alone

    RemoveStatisticsBlocks(sheet);
    for (int row = 13; row <= 26; ++row)
        for (int col = 1; col <= 3; ++col) EXPECT_TRUE(sheet.grdVo.isEmpty(row, col)) << row << "," << col;
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_FALSE(sheet.statisticsValid());
    EXPECT_EQ(sheet.grdVo.row(), 5);
    EXPECT_EQ(sheet.grdVo.rowSel(), 10);
}

TEST(StatisticsBlockCommand, GridGrowsWhenBlocksPassItsLastRows) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, test::Column(std::vector<std::string>(100, "1")));
    ASSERT_EQ(sheet.grdVo.rows(), 102);
    ShowStatisticsBlock(t.app, sheet);
    EXPECT_EQ(sheet.grdVo.rows(), 118);  // last statistic in row 108, ten rows to spare
    ShowStatisticsBlock(t.app, sheet);
    EXPECT_EQ(sheet.grdVo.rows(), 125);
    EXPECT_EQ(sheet.grdVo.text(115, 2), "100");
    EXPECT_EQ(sheet.grdVo.rowHeight(124), 280);
}

TEST(StatisticsBlockCommand, ScrollsBackTowardsTheData) {
    struct Case {
        int top, left, expectedTop, expectedLeft;
    };
    for (const Case& c : {Case{6, 4, 2, 2}, Case{7, 5, 2, 2}, Case{40, 10, 35, 7}}) {
        SCOPED_TRACE(c.top);
        TestApp t;
        Sheet& sheet = TenCases(t);
        sheet.grdVo.setTopRow(c.top);
        sheet.grdVo.setLeftCol(c.left);
        ShowStatisticsBlock(t.app, sheet);
        EXPECT_EQ(sheet.grdVo.topRow(), c.expectedTop);
        EXPECT_EQ(sheet.grdVo.leftCol(), c.expectedLeft);
    }
}

TEST(StatisticsBlockCommand, SheetWithoutCasesIsToldSo) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    sheet.setEndCell(0, "3");  // variables named but no case yet
    ShowStatisticsBlock(t.app, sheet);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "データがありません");
    EXPECT_EQ(t.ui.messages[0].title, "基本統計量の表示");
    EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_FALSE(sheet.statisticsValid());
    EXPECT_TRUE(sheet.grdVo.isEmpty(3, 1));
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

// Each statistics policy of a data change, on a valid table with a block over all cases and on
// one whose block covers part of them.
TEST(DataChangeStatistics, EachPolicyDoesToTheBlocksAndTheTableWhatItSays) {
    using Policy = DataChange::Statistics;
    const struct {
        const char* name;
        Policy policy;
        bool partial, changes;
        int blocksAfter;
        bool validAfter;
    } cases[] = {
        {"removed, whole", Policy::Removed, false, true, 0, false},
        {"removed, partial block stays", Policy::Removed, true, true, 1, false},
        {"every block, partial too", Policy::EveryBlockRemoved, true, true, 0, false},
        {"kept", Policy::Kept, false, true, 1, true},
        {"invalid once changed", Policy::InvalidIfChanged, false, true, 1, false},
        {"unchanged stays valid", Policy::InvalidIfChanged, false, false, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = TenCases(t);
        if (c.partial) {
            sheet.grdVo.setCurrent(2, 2);
            sheet.grdVo.setSelectionEnd(6, 3);
        }
        ShowStatisticsBlock(t.app, sheet);
        if (c.partial) sheet.setStatisticsValid(false);  // a block over part of the cases is no table
        else sheet.setStatisticsValid(true);
        ASSERT_EQ(sheet.state().statisticsBlocks, 1);
        {
            DataChange change(sheet, "step", c.policy);
            if (c.changes) sheet.grdVo.setText(1, 2, "renamed");
            change.done();
        }
        EXPECT_EQ(sheet.state().statisticsBlocks, c.blocksAfter);
        EXPECT_EQ(sheet.statisticsValid(), c.validAfter);
    }
}

}  // namespace
}  // namespace zoriduvo

#include "edit/InsertDelete.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/RangeSelection.h"
#include "sheet/CaseGroups.h"
#include "sheet/CaseRange.h"
#include "sheet/Limits.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

Sheet& NumberedSheet(TestApp& t, int cases) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<Texts> values;
    for (int c = 1; c <= cases; ++c) values.push_back({std::to_string(c * 10), std::to_string(c)});
    test::FillSheet(sheet, values);
    return sheet;
}

Texts Column(const Sheet& sheet, int col) {
    Texts texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts.emplace_back(sheet.grdVo.text(c + 1, col));
    return texts;
}

TEST(InsertDelete, HeaderSelectionsActAtOnceOthersAsk) {
    TestApp t;
    Sheet& sheet = NumberedSheet(t, 10);
    Grid& grid = sheet.grdVo;
    struct Case {
        const char* name;
        int row, col, rowSel, colSel;
        bool ask;
        LineKind kind;
        int first, count;
    };
    const Case cases[] = {
        {"rows 4-5 by their headers", 4, 2, 5, grid.cols() - 1, false, LineKind::Rows, 4, 2},
        {"columns 3 by its header, dragged upwards", grid.rows() - 1, 3, 2, 3, false, LineKind::Columns, 3, 1},
        {"a single cell", 3, 3, 3, 3, true, LineKind::Rows, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.setCurrent(c.row, c.col);
        grid.setSelectionEnd(c.rowSel, c.colSel);
        const InsertDeleteTarget target = TargetOfSelection(sheet);
        EXPECT_EQ(target.ask, c.ask);
        if (c.ask) continue;
        EXPECT_EQ(target.kind, c.kind);
        EXPECT_EQ(target.first, c.first);
        EXPECT_EQ(target.count, c.count);
    }
}

TEST(InsertDelete, RowsMoveAndAreNumberedAnew) {
    {
        TestApp t;
        Sheet& sheet = NumberedSheet(t, 10);
        ASSERT_TRUE(DeleteRows(t.app, sheet, 4, 2));
        EXPECT_EQ(sheet.lastRow(), 9);
        EXPECT_EQ(Column(sheet, 3), (Texts{"1", "2", "5", "6", "7", "8", "9", "10"}));
        EXPECT_EQ(Column(sheet, 0), (Texts{"1", "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(sheet.grdVo.text(10, 3), "");
        EXPECT_TRUE(sheet.modified());
    }
    {
        TestApp t;
        Sheet& sheet = NumberedSheet(t, 5);
        const int rows = sheet.grdVo.rows();
        ASSERT_TRUE(InsertRows(t.app, sheet, 4, 2));
        EXPECT_EQ(sheet.caseCount(), 7);
        EXPECT_EQ(Column(sheet, 1), (Texts{"C1", "C2", "", "", "C3", "C4", "C5"}));
        EXPECT_EQ(Column(sheet, 3), (Texts{"1", "2", "", "", "3", "4", "5"}));
        EXPECT_EQ(sheet.grdVo.text(6, 0), "5");
        EXPECT_EQ(sheet.grdVo.rows(), rows + 2 + 22);
    }
}

// The case numbers after the change are written afresh inside it: the views hear of one reset, not
// of a header change per case.
TEST(InsertDelete, RowsTellTheViewsOnce) {
    TestApp t;
    Sheet& sheet = NumberedSheet(t, 300);
    test::ChangeRecorder recorder(t.app.bus);
    ASSERT_TRUE(InsertRows(t.app, sheet, 2, 1));
    ASSERT_TRUE(DeleteRows(t.app, sheet, 5, 2));
    EXPECT_EQ(recorder.count(ChangeKind::Names), 0);
    EXPECT_EQ(recorder.count(ChangeKind::Reset), 2);
    EXPECT_EQ(sheet.grdVo.text(300, 0), "299");
}

TEST(InsertDelete, RowsUngroupAGroupedSheetColumnsDoNot) {
    for (const bool rows : {true, false}) {
        SCOPED_TRACE(rows ? "rows" : "columns");
        TestApp t;
        Sheet& sheet = NumberedSheet(t, 6);
        ASSERT_TRUE(ApplyCaseGroups(sheet, {2, 4}));
        ASSERT_TRUE(rows ? InsertRows(t.app, sheet, 3, 1) : DeleteColumns(t.app, sheet, 2, 1));
        EXPECT_EQ(sheet.state().caseGroups, rows ? 1 : 2);
        if (rows) {
            EXPECT_EQ(sheet.grdSInfo.text(0, 1), "7");
        }
    }
}

TEST(InsertDelete, DeletedVariableTakesItsDefinitionAway) {
    TestApp t;
    Sheet& sheet = NumberedSheet(t, 3);
    sheet.grdVoLabel.setText(0, 1, "first");
    sheet.grdVoLabel.setText(1, 1, "3");
    sheet.grdVoLabel.setText(0, 2, "second");
    sheet.grdVoLabel.setText(1, 2, "2");
    ASSERT_TRUE(DeleteColumns(t.app, sheet, 2, 1));
    EXPECT_EQ(sheet.variableCount(), 1);
    EXPECT_EQ(sheet.grdVo.text(1, 2), "V2");
    EXPECT_EQ(sheet.grdVo.text(2, 2), "1");
    EXPECT_EQ(sheet.grdVoLabel.text(0, 1), "second");
    EXPECT_EQ(sheet.grdVoLabel.text(1, 1), "2");
    EXPECT_EQ(sheet.grdVoLabel.text(1, 2), "");
}

TEST(InsertDelete, RowsTakeEveryStatisticsBlock) {
    TestApp t;
    Sheet& sheet = NumberedSheet(t, 6);
    RangeSelection::Store(sheet, 4, 6);
    ShowStatisticsBlock(t.app, sheet);  // over part of the cases
    ASSERT_EQ(sheet.state().statisticsBlocks, 1);
    ASSERT_TRUE(DeleteRows(t.app, sheet, 2, 2));
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    for (int r = sheet.lastRow() + 1; r < sheet.lastRow() + 12; ++r) EXPECT_EQ(sheet.grdVo.text(r, 1), "") << r;
}

// The range 3 - 5 of ten cases keeps naming the cases the user chose.
TEST(InsertDelete, AStoredRangeMovesWithItsCases) {
    struct Case {
        const char* name;
        bool (*run)(App&, Sheet&, int, int);
        int firstCase, count;
        int from, to;  // 0, 0: no range left
    };
    const Case cases[] = {
        {"two inserted before it", InsertRows, 1, 2, 5, 7},
        {"one inserted at its first case", InsertRows, 3, 1, 4, 6},
        {"two inserted inside it", InsertRows, 4, 2, 3, 7},
        {"inserted after it", InsertRows, 6, 3, 3, 5},
        {"two deleted before it", DeleteRows, 1, 2, 1, 3},
        {"its middle deleted", DeleteRows, 4, 1, 3, 4},
        {"its start deleted with one before", DeleteRows, 2, 2, 2, 3},
        {"its end deleted with one after", DeleteRows, 5, 2, 3, 4},
        {"all of it deleted", DeleteRows, 2, 5, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = NumberedSheet(t, 10);
        RangeSelection::Store(sheet, 3, 5);
        ASSERT_TRUE(c.run(t.app, sheet, c.firstCase + 1, c.count));
        EXPECT_EQ(sheet.state().rangeSelection, c.to > 0);
        const CaseRange range = StoredCaseRange(sheet);
        EXPECT_EQ(range.first, c.to > 0 ? c.from : 1);
        EXPECT_EQ(range.last, c.to > 0 ? c.to : sheet.caseCount());
    }
}

// Lines inserted below the data add no case but spare rows; however often, the grid stops at what
// the most cases need.
TEST(InsertDelete, RowsBelowTheDataGrowTheGridOnlyToTheLimit) {
    TestApp t;
    Sheet& sheet = NumberedSheet(t, 4);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(InsertRows(t.app, sheet, sheet.grdVo.rows() - 1, 30000));
    EXPECT_LE(sheet.grdVo.rows(), kMaxCases + 2 + 22);
    EXPECT_EQ(sheet.caseCount(), 4);
    EXPECT_FALSE(sheet.modified());
}

TEST(InsertDelete, CountsAreCheckedAndDeletingTooManyDeletesThoseThere) {
    struct Case {
        const char* name;
        bool (*run)(App&, Sheet&, int, int);
        int first, count;
        bool done;  // else refused with a message
        int variables, cases;
    };
    const Case cases[] = {
        {"insert 0 rows", InsertRows, 3, 0, false, 2, 4},
        {"delete -1 columns", DeleteColumns, 2, -1, false, 2, 4},
        {"insert past 32767 cases", InsertRows, 3, 32767, false, 2, 4},
        {"insert below the data past 32767 cases", InsertRows, 40, 32764, false, 2, 4},
        {"insert past 32767 variables", InsertColumns, 2, 32766, false, 2, 4},
        {"columns at the first empty one are new variables", InsertColumns, 4, 2, true, 4, 4},
        {"columns far right are new variables at the end", InsertColumns, 9, 1, true, 3, 4},
        {"delete 9 of 4 cases from case 3", DeleteRows, 4, 9, true, 2, 2},
        {"delete 5 of 2 variables", DeleteColumns, 2, 5, true, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = NumberedSheet(t, 4);
        EXPECT_EQ(c.run(t.app, sheet, c.first, c.count), c.done);
        EXPECT_EQ(sheet.modified(), c.done);
        EXPECT_EQ(t.ui.messages.size(), c.done ? 0u : 1u);
        EXPECT_EQ(sheet.variableCount(), c.variables);
        EXPECT_EQ(sheet.caseCount(), c.cases);
    }
}

}  // namespace
}  // namespace zoriduvo

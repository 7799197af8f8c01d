#include "edit/Transpose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Rows = std::vector<std::vector<std::string>>;

Rows Table(int cases, int variables) {
    Rows rows(cases, std::vector<std::string>(variables));
    for (int c = 0; c < cases; ++c)
        for (int v = 0; v < variables; ++v) rows[c][v] = std::to_string(10 * (c + 1) + v + 1);
    return rows;
}

TEST(Transpose, CasesBecomeVariablesInANewUntitledModifiedSheet) {
    TestApp t;
    Sheet& old = t.app.sheet(NewSheet(t.app));
    Rows rows = Table(5, 3);
    rows[1][2] = "";     // a blank stays blank
    rows[3][0] = "abc";  // a text is copied as it is
    test::FillSheet(old, rows);
    WriteCategoryRange(old, 1, {5, 5, 1});
    const int n = TransposeSheet(t.app, old);
    ASSERT_EQ(n, 2);
    const Sheet& sheet = t.app.sheet(n);
    EXPECT_EQ(t.app.activeSheet(), n);
    EXPECT_EQ(sheet.variableCount(), 5);
    EXPECT_EQ(sheet.caseCount(), 3);
    EXPECT_EQ(sheet.caption(), "名称未設定:2");
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsAndFile().hasFile);
    EXPECT_EQ(sheet.information().formatTag, "未保存");
    for (int v = 1; v <= 5; ++v) {
        EXPECT_EQ(sheet.grdVo.text(0, v + 1), std::to_string(v));
        EXPECT_EQ(sheet.grdVo.text(1, v + 1), "C" + std::to_string(v));
        EXPECT_EQ(ReadDefinition(sheet, v), (VariableDefinition{"C" + std::to_string(v), {}}));
    }
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(sheet.grdVo.text(c + 1, 0), std::to_string(c));
        EXPECT_EQ(sheet.grdVo.text(c + 1, 1), "V" + std::to_string(c));
        for (int v = 1; v <= 5; ++v) EXPECT_EQ(sheet.grdVo.text(c + 1, v + 1), rows[v - 1][c - 1]);
    }
    EXPECT_FALSE(old.modified());
}

TEST(Transpose, TheNewGridGrowsOnlyPastItsSpareColumnsAndRows) {
    struct Case {
        int cases, variables;  // of the old sheet
        int columns, rows;     // of the new grdVo
    };
    const Case cases[] = {{15, 1, 22, 102}, {16, 1, 23, 102}, {1, 82, 22, 102}, {1, 83, 22, 105}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cases) + " x " + std::to_string(c.variables));
        TestApp t;
        Sheet& old = t.app.sheet(NewSheet(t.app));
        test::FillSheet(old, Table(c.cases, c.variables));
        const Sheet& sheet = t.app.sheet(TransposeSheet(t.app, old));
        EXPECT_EQ(sheet.grdVo.cols(), c.columns);
        EXPECT_EQ(sheet.grdVo.rows(), c.rows);
        EXPECT_EQ(sheet.grdVoLabel.cols(), c.columns - 1);
    }
}

TEST(Transpose, ReusesTheFreeSheetNumber) {
    TestApp t;
    Sheet& old = t.app.sheet(NewSheet(t.app));
    test::FillSheet(old, Table(2, 2));
    NewSheet(t.app);
    ForgetClosedSheet(t.app, 2);
    EXPECT_EQ(TransposeSheet(t.app, old), 2);
}

TEST(Transpose, RefusesBeyondTheCountsItCanHold) {
    struct Case {
        int lastColumn, lastRow;
    };
    for (const Case c : {Case{32747, 3}, Case{3, 32762}}) {
        TestApp t;
        Sheet& old = t.app.sheet(NewSheet(t.app));
        old.setEndCell(0, std::to_string(c.lastColumn));
        old.setEndCell(1, std::to_string(c.lastRow));
        EXPECT_EQ(TransposeSheet(t.app, old), 0);
        EXPECT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.app.openCount(), 1);
    }
}

}  // namespace
}  // namespace zoriduvo

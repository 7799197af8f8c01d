#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "sheet/CaseGroups.h"
#include "sheet/DataChange.h"
#include "sheet/SheetRegistry.h"
#include "sheet/SheetShape.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::TestApp;

// Three variables by four cases: "c,v" values, variable 2 categorical 1..3 and 2000 twips wide,
// grdVoStat filled by a statistics block, and two groups of two cases (the second shaded).
Sheet& DefinedSheet(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<std::vector<std::string>> values;
    for (int c = 1; c <= 4; ++c)
        values.push_back({std::to_string(c) + "1", std::to_string(c) + "2", std::to_string(c) + "3"});
    FillSheet(sheet, values);
    for (int v = 1; v <= 3; ++v) WriteDefinition(sheet, v, {"V" + std::to_string(v), {}});
    WriteDefinition(sheet, 2, {"V2", {3, 3, 1}});
    sheet.grdVo.setColWidth(3, 2000);
    ShowStatisticsBlock(t.app, sheet);
    ApplyCaseGroups(sheet, {2, 2});
    return sheet;
}

// What every shape must keep: definition grids one column fewer than grdVo, numbers in order.
void ExpectConsistent(const Sheet& sheet) {
    EXPECT_EQ(sheet.grdVoLabel.cols(), sheet.grdVo.cols() - 1);
    EXPECT_EQ(sheet.grdVoStat.cols(), sheet.grdVo.cols() - 1);
    for (int v = 1; v <= sheet.variableCount(); ++v) EXPECT_EQ(sheet.grdVo.text(0, v + 1), std::to_string(v));
    for (int c = 1; c <= sheet.caseCount(); ++c) EXPECT_EQ(sheet.grdVo.text(c + 1, 0), std::to_string(c));
}

TEST(SheetShape, EveryOperationMovesDefinitionsStatisticsSizesAndColoursWithTheirPlace) {
    struct Case {
        const char* name;
        std::function<void(Sheet&)> operation;
        int variables, cases;
        int oldVariable2At, oldCase3At;  // where variable 2 and case 3 stand afterwards, 0 when gone
    } cases[] = {
        {"insert two variables before 2", [](Sheet& s) { InsertVariables(s, 2, 2); }, 5, 4, 4, 3},
        {"insert a variable after the last", [](Sheet& s) { InsertVariables(s, 4, 1); }, 4, 4, 2, 3},
        {"remove variable 1", [](Sheet& s) { RemoveVariables(s, 1, 1); }, 2, 4, 1, 3},
        {"remove variables 2 to the end and beyond", [](Sheet& s) { RemoveVariables(s, 2, 9); }, 1, 4, 0, 3},
        {"insert a case before 2", [](Sheet& s) { InsertCases(s, 2, 1); }, 3, 5, 2, 4},
        {"remove cases 1 and 2", [](Sheet& s) { RemoveCases(s, 1, 2); }, 3, 2, 2, 1},
        {"extend to 8 variables and 40 cases", [](Sheet& s) { ExtendVariables(s, 8), ExtendCases(s, 40); }, 8, 40, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = DefinedSheet(t);
        const std::string statistic(sheet.grdVoStat.text(1, 2));
        c.operation(sheet);
        EXPECT_EQ(sheet.variableCount(), c.variables);
        EXPECT_EQ(sheet.caseCount(), c.cases);
        ExpectConsistent(sheet);
        if (c.oldVariable2At > 0) {
            const int v = c.oldVariable2At;
            EXPECT_EQ(ReadDefinition(sheet, v), (VariableDefinition{"V2", {3, 3, 1}}));
            EXPECT_EQ(sheet.grdVo.text(1, v + 1), "V2");
            EXPECT_EQ(sheet.grdVoStat.text(1, v), statistic);
            EXPECT_EQ(sheet.grdVo.colWidth(v + 1), 2000);
        }
        if (c.oldCase3At > 0 && c.oldVariable2At > 0) {
            const int row = c.oldCase3At + 1;
            EXPECT_EQ(sheet.grdVo.text(row, c.oldVariable2At + 1), "32");
            EXPECT_EQ(sheet.grdVo.text(row, 1), "C3");
            EXPECT_EQ(sheet.grdVo.backColour(row, 2), kCaseGroupShade);
        }
    }
}

TEST(SheetShape, GrowthGivesDefaultNamesContinuousDefinitionsAndSpareRoom) {
    TestApp t;
    Sheet& sheet = DefinedSheet(t);
    ExtendVariables(sheet, 30);
    ExtendCases(sheet, 200);
    EXPECT_EQ(sheet.grdVo.text(1, 31), "V30");
    EXPECT_EQ(ReadDefinition(sheet, 30), (VariableDefinition{"V30", {}}));
    EXPECT_EQ(sheet.grdVo.text(201, 1), "C200");
    EXPECT_GE(sheet.grdVo.cols(), 31 + 6);
    EXPECT_GE(sheet.grdVo.rows(), 201 + 22);
    ExtendVariables(sheet, 2);  // never shrinks
    EXPECT_EQ(sheet.variableCount(), 30);
}

TEST(DataChange, AcceptedChangeMarksModifiedAndRefusedOneOnlyGivesUpTheStatistics) {
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted ? "accepted" : "refused");
        TestApp t;
        Sheet& sheet = DefinedSheet(t);
        sheet.setModified(false);
        ASSERT_TRUE(sheet.statisticsValid());
        ASSERT_FALSE(sheet.grdVo.text(StatisticsBlockRow(sheet.caseCount(), 0) + 1, 1).empty());
        {
            test::ChangeRecorder recorder(t.app.bus);
            DataChange change(sheet, "test", DataChange::Notify::OneReset);
            sheet.grdVo.setText(2, 2, "9");
            if (accepted) change.done();
            EXPECT_EQ(recorder.count(ChangeKind::Cell), 0);
        }
        EXPECT_FALSE(sheet.statisticsValid());
        EXPECT_EQ(sheet.state().statisticsBlocks, 0);
        EXPECT_TRUE(sheet.grdVo.text(StatisticsBlockRow(sheet.caseCount(), 0) + 1, 1).empty());
        EXPECT_EQ(sheet.modified(), accepted);
    }
}

TEST(DataChange, ChangesThatKeepValuesKeepTheStatistics) {
    TestApp t;
    Sheet& sheet = DefinedSheet(t);
    DataChange change(sheet, "test", DataChange::Statistics::Kept);
    sheet.grdVo.setText(1, 2, "新");
    change.done();
    EXPECT_TRUE(sheet.statisticsValid());
    EXPECT_EQ(sheet.state().statisticsBlocks, 1);
    EXPECT_TRUE(sheet.modified());
}

}  // namespace
}  // namespace zoriduvo

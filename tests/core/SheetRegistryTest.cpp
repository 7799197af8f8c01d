#include <gtest/gtest.h>

#include "sheet/DataChange.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

using test::TestApp;

TEST(SheetNumbering, NumbersAndCaptionsCountUpFromOne) {
    TestApp t;
    EXPECT_EQ(NewSheet(t.app), 1);
    EXPECT_EQ(t.app.sheet(1).caption(), "名称未設定:1");
    EXPECT_EQ(NewSheet(t.app), 2);
    EXPECT_EQ(t.app.sheet(2).caption(), "名称未設定:2");
    EXPECT_EQ(t.app.upperBound(), 2);
}

TEST(SheetNumbering, ClosedNumberIsHandedOutAgainAndJoinsTheEndOfTheList) {
    TestApp t;
    for (int i = 0; i < 3; ++i) NewSheet(t.app);
    ForgetClosedSheet(t.app, 2);
    EXPECT_TRUE(t.app.sheet(2).state().free);
    EXPECT_EQ(t.app.openSheets(), (std::vector<int>{1, 3}));
    EXPECT_EQ(NewSheet(t.app), 2);
    EXPECT_EQ(t.app.openSheets(), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(t.app.upperBound(), 3);
}

TEST(SheetNumbering, WithAllSheetsClosedTheArraysShrinkBackToOne) {
    TestApp t;
    for (int i = 0; i < 3; ++i) NewSheet(t.app);
    for (int n : {3, 1, 2}) ForgetClosedSheet(t.app, n);
    EXPECT_FALSE(AnySheetOpen(t.app));
    EXPECT_EQ(NewSheet(t.app), 1);
    EXPECT_EQ(t.app.upperBound(), 1);
}

TEST(SheetNumbering, ReusedNumberStartsWithFreshRecords) {
    TestApp t;
    NewSheet(t.app);
    NewSheet(t.app);
    Sheet& old = t.app.sheet(2);
    old.statisticsAndFile().hasFile = true;
    old.information().path = "/data/a.vo";
    old.setModified(true);
    old.grdVo.setText(2, 2, "5");
    old.setEndCell(0, "2");
    ForgetClosedSheet(t.app, 2);
    ASSERT_EQ(NewSheet(t.app), 2);
    const Sheet& fresh = t.app.sheet(2);
    EXPECT_FALSE(fresh.statisticsAndFile().hasFile);
    EXPECT_EQ(fresh.information().path, "未定義");
    EXPECT_EQ(fresh.information().date, "未保存");
    EXPECT_EQ(fresh.information().blankCode, "%M");
    EXPECT_FALSE(fresh.modified());
    EXPECT_TRUE(fresh.blank());
    EXPECT_EQ(fresh.grdVo.text(2, 2), "");
    EXPECT_EQ(fresh.endCell(0), "1");
}

TEST(NewSheetLayout, GridsAndEndCellsOfABlankSheet) {
    TestApp t;
    const Sheet& s = t.app.sheet(NewSheet(t.app));
    EXPECT_EQ(s.endCell(0), "1");
    EXPECT_EQ(s.endCell(1), "1");
    EXPECT_EQ(s.variableCount(), 0);
    EXPECT_EQ(s.caseCount(), 0);
    EXPECT_EQ(s.grdVo.rows(), 102);
    EXPECT_EQ(s.grdVo.cols(), 22);
    EXPECT_EQ(s.grdVo.row(), 2);
    EXPECT_EQ(s.grdVo.col(), 2);
    EXPECT_EQ(s.grdVo.colWidth(0), 600);
    EXPECT_EQ(s.grdVo.colWidth(1), 1200);
    EXPECT_EQ(s.grdVo.rowHeight(101), 280);
    EXPECT_EQ(s.grdVoLabel.cols(), 21);
    EXPECT_EQ(s.grdVoStat.cols(), 21);
    EXPECT_EQ(s.grdVoStat.text(4, 0), "標準偏差");
    EXPECT_EQ(s.grdVoStat.text(1, 0), " 最　大");
    EXPECT_EQ(s.grdSInfo.cols(), 2);
}

TEST(FirstData, EndCellOfABlankSheetUnlocksMenusAndToolbarOnce) {
    TestApp t;
    NewSheet(t.app);
    t.app.toolbar.setDataButtonsEnabled(false);
    Sheet& s = t.app.sheet(1);
    test::ChangeRecorder recorder(t.app.bus);
    EXPECT_FALSE(t.app.toolbar.button("fileSave").enabled);
    s.setEndCell(0, "1");  // unchanged text: no unlocking
    EXPECT_TRUE(s.blank());
    s.setEndCell(0, "2");
    EXPECT_FALSE(s.blank());
    for (const char* key : {"fileSave", "filePrint", "editCopy", "editCut", "editPaste", "valignLeft", "valignCenter",
                            "valignRight", "sortAs", "sortDs"})
        EXPECT_TRUE(t.app.toolbar.button(key).enabled) << key;
    EXPECT_TRUE(t.app.toolbar.button("valignLeft").pressed);
    EXPECT_EQ(recorder.count(ChangeKind::Toolbar), 1);
    s.setEndCell(1, "2");
    EXPECT_EQ(recorder.count(ChangeKind::Toolbar), 1);
}

TEST(FirstData, ClosingTheLastSheetLocksTheToolbarAgain) {
    TestApp t;
    NewSheet(t.app);
    NewSheet(t.app);
    t.app.sheet(2).setEndCell(1, "3");
    ForgetClosedSheet(t.app, 2);
    EXPECT_TRUE(t.app.toolbar.button("editCopy").enabled);  // sheet 1 is still open
    ForgetClosedSheet(t.app, 1);
    EXPECT_FALSE(t.app.toolbar.button("editCopy").enabled);
    EXPECT_TRUE(t.app.toolbar.button("fileNew").enabled);
    EXPECT_TRUE(t.app.toolbar.button("fileOpen").enabled);
}

TEST(VariableList, EmptyNamesBecomeDefaultsAndAreWrittenBack) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    s.grdVo.setText(1, 2, "height");
    s.grdVo.setText(1, 3, "weight");
    s.setEndCell(0, "4");
    LoadVariableList(t.app, s);
    EXPECT_EQ(t.app.lists.variableCount, 3);
    EXPECT_EQ(t.app.lists.names, (std::vector<std::string>{"", "height", "weight", "V3"}));
    EXPECT_EQ(s.grdVo.text(1, 4), "V3");
}

TEST(CellValues, CellHasValueAddressesVariableAndCase) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    s.grdVo.setText(4, 3, "1.5");  // variable 2, case 3
    EXPECT_TRUE(CellHasValue(s, 2, 3));
    EXPECT_FALSE(CellHasValue(s, 3, 2));
}

// A sheet of 3 cases and 2 variables with one statistics block in rows 5..11.
Sheet& SheetWithStatistics(TestApp& t, bool valid) {
    Sheet& s = t.app.sheet(NewSheet(t.app));
    for (int r = 2; r <= 4; ++r)
        for (int c = 2; c <= 3; ++c) s.grdVo.setText(r, c, "1");
    s.setEndCell(0, "3");
    s.setEndCell(1, "4");
    for (int r = 6; r <= 11; ++r)
        for (int c = 1; c <= 3; ++c) s.grdVo.setText(r, c, "x");
    s.state().statisticsBlocks = 1;
    s.setStatisticsValid(valid);
    s.grdVo.setCurrent(3, 3);
    s.grdVo.setSelectionEnd(4, 2);
    return s;
}

TEST(StatisticsBlocks, ValidBlocksAreEmptiedAndTheCursorKept) {
    TestApp t;
    Sheet& s = SheetWithStatistics(t, true);
    RemoveStatisticsBlocks(s);
    for (int r = 6; r <= 11; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(s.grdVo.text(r, c), "") << r << "," << c;
    EXPECT_EQ(s.grdVo.text(4, 2), "1");
    EXPECT_FALSE(s.statisticsValid());
    EXPECT_EQ(s.state().statisticsBlocks, 0);
    EXPECT_EQ(s.grdVo.row(), 3);
    EXPECT_EQ(s.grdVo.col(), 3);
    EXPECT_EQ(s.grdVo.rowSel(), 4);
    EXPECT_EQ(s.grdVo.colSel(), 2);
}

TEST(StatisticsBlocks, BlocksOverPartOfTheCasesStayThroughADataChange) {
    TestApp t;
    Sheet& s = SheetWithStatistics(t, false);
    DataChange change(s, "test");
    EXPECT_EQ(s.grdVo.text(6, 1), "x");
    EXPECT_EQ(s.state().statisticsBlocks, 1);
}

}  // namespace
}  // namespace zoriduvo

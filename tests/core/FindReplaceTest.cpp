#include "edit/FindReplace.h"

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

// Variable 1 holds 3, 30, 3, 5, 3.0, 3 in cases 1 .. 6.
Sheet& SearchSheet(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, test::Column({"3", "30", "3", "5", "3.0", "3"}));
    return sheet;
}

Texts Column(const Sheet& sheet, int col) {
    Texts texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts.emplace_back(sheet.grdVo.text(c + 1, col));
    return texts;
}

TEST(FindValue, VisitsTheLineNearestFirstAndEndsWithNotFound) {
    struct Case {
        const char* name;
        int startRow;
        bool forward;
        std::vector<Answer> answers;
        int rowAtEnd;  // the match current when the search ended
        const char* lastMessage;
    };
    const Case cases[] = {
        {"forward, stopped at the second", 3, true, {Answer::Ok, Answer::Cancel}, 7, "次を検索します"},
        {"forward, continued past the last", 3, true, {Answer::Ok, Answer::Ok}, 7, "検索数値は見つかりません"},
        {"backward, nearest first", 7, false, {Answer::Cancel}, 4, "次を検索します"},
        {"backward to the first case", 7, false, {Answer::Ok, Answer::Cancel}, 2, "次を検索します"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = SearchSheet(t);
        sheet.grdVo.setCurrent(c.startRow, 2);
        t.ui.answers.assign(c.answers.begin(), c.answers.end());
        FindValue(t.app, sheet, CaptureSearchStart(sheet), {SearchLine::Column, c.forward, "3"});
        EXPECT_EQ(sheet.grdVo.row(), c.rowAtEnd);
        EXPECT_EQ(t.ui.messages.back().text, c.lastMessage);
    }
}

TEST(ReplaceAll, OnlyExactMatchesAndTheSheetIsModifiedWithStatisticsGone) {
    TestApp t;
    Sheet& sheet = SearchSheet(t);
    ShowStatisticsBlock(t.app, sheet);
    ASSERT_TRUE(sheet.statisticsValid());
    sheet.setModified(false);
    sheet.grdVo.setCurrent(2, 2);
    EXPECT_EQ(ReplaceAll(t.app, sheet, CaptureSearchStart(sheet), {SearchLine::Column, true, "3"}, "9"), 3);
    EXPECT_EQ(Column(sheet, 2), (Texts{"9", "30", "9", "5", "3.0", "9"}));
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsValid());
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_EQ(sheet.grdVo.row(), 7);
    EXPECT_TRUE(t.ui.messages.empty());
}

// The views are told each replaced cell when there are a few, one reset when there are many; the
// last match is current either way.
TEST(ReplaceAll, AFewCellsAreToldOneByOneManyAsOneReset) {
    for (const int cases : {6, 500}) {
        SCOPED_TRACE(cases);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, test::Column(Texts(cases, "3")));
        sheet.grdVo.setCurrent(2, 2);
        test::ChangeRecorder recorder(t.app.bus);
        EXPECT_EQ(ReplaceAll(t.app, sheet, CaptureSearchStart(sheet), {SearchLine::Column, true, "3"}, "4"), cases);
        const bool few = cases == 6;
        EXPECT_EQ(recorder.count(ChangeKind::Cell), few ? cases : 0);
        EXPECT_EQ(recorder.count(ChangeKind::Reset), few ? 0 : 1);
        EXPECT_EQ(recorder.count(ChangeKind::Cursor), few ? 1 : 0);
        EXPECT_EQ(sheet.grdVo.row(), cases + 1);
        EXPECT_EQ(sheet.grdVo.text(cases + 1, 2), "4");
    }
}

TEST(ReplaceOneByOne, YesReplacesNoSkipsAndTheEndIsSaid) {
    TestApp t;
    Sheet& sheet = SearchSheet(t);
    sheet.grdVo.setCurrent(4, 2);  // the start cell is visited too
    t.ui.answers = {Answer::Yes, Answer::No};
    ReplaceOneByOne(t.app, sheet, CaptureSearchStart(sheet), {SearchLine::Column, true, "3"}, "x");
    EXPECT_EQ(Column(sheet, 2), (Texts{"3", "30", "x", "5", "3.0", "3"}));
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(t.ui.messages.back().text, "置換が終了しました");
}

TEST(SearchStart, TheSelectionChoosesTheLine) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
    Grid& grid = sheet.grdVo;
    grid.setCurrent(3, 2);
    grid.setSelectionEnd(3, grid.cols() - 1);  // a whole row by its header
    EXPECT_EQ(CaptureSearchStart(sheet).line, SearchLine::Row);
    grid.setCurrent(2, 3);
    grid.setSelectionEnd(grid.rows() - 1, 3);
    EXPECT_EQ(CaptureSearchStart(sheet).line, SearchLine::Column);
    grid.setCurrent(3, 3);
    EXPECT_EQ(CaptureSearchStart(sheet).line, SearchLine::Column);
}

TEST(Jump, TargetsStayWithinTheGrid) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    std::vector<Texts> values(20, Texts(10, "1"));
    test::FillSheet(sheet, values);
    sheet.grdVo.setRows(200);
    struct Case {
        const char* name;
        JumpKind kind;
        const char *caseText, *variableText;
        bool jumps;
        int row, col, top;
    };
    const int lastRow = sheet.grdVo.rows() - 1, lastCol = sheet.grdVo.cols() - 1;
    const Case cases[] = {
        {"case 50, variable 3", JumpKind::ToCell, "50", "3", true, 51, 4, 46},
        {"beyond the last row and column", JumpKind::ToCell, "99999", "400", true, lastRow, lastCol, lastRow - 5},
        {"case 0 does nothing", JumpKind::ToCell, "0", "3", false, 0, 0, 0},
        {"last used cell", JumpKind::Last, "", "", true, 21, 11, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto target = JumpTarget(sheet, c.kind, c.caseText, c.variableText);
        ASSERT_EQ(target.has_value(), c.jumps);
        if (!target) continue;
        JumpTo(sheet, *target);
        EXPECT_EQ(sheet.grdVo.row(), c.row);
        EXPECT_EQ(sheet.grdVo.col(), c.col);
        EXPECT_EQ(sheet.grdVo.topRow(), c.top);
    }
}

}  // namespace
}  // namespace zoriduvo

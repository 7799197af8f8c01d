#include <gtest/gtest.h>

#include "sheet/CaseGroups.h"
#include "sheet/CellEditing.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::TestApp;

// Types text into (row, col) and presses Enter, as the editor does.
void Type(TestApp& t, Sheet& s, int row, int col, const std::string& text, CursorKey key = CursorKey::Enter) {
    s.grdVo.setCurrent(row, col);
    CommitEditorWithEnter(t.app, s, text);
    MoveAfterKey(t.app, s, key);
}

TEST(TypedValues, TextIsStoredAsTheFormattedLeadingNumber) {
    struct Case {
        const char* typed;
        const char* stored;
    } cases[] = {{"5", "5"}, {"abc", "0"}, {"1,5", "1"}, {"", "0"}, {"123456789012", "1.23457E+11"},
                 {".00123", "0.00123"}, {"-2.50", "-2.5"}, {" 1 2", "12"}};
    for (const auto& c : cases) {
        TestApp t;
        Sheet& s = t.app.sheet(NewSheet(t.app));
        Type(t, s, 2, 2, c.typed);
        EXPECT_EQ(s.grdVo.text(2, 2), c.stored) << c.typed;
    }
}

// What a typed value shows is what analyses use: no text beyond the single range.
TEST(TypedValues, BeyondTheSingleRangeIsClampedAtEntry) {
    struct Case {
        const char* typed;
        const char* stored;
    } cases[] = {{"1E39", "3.40282E+38"}, {"-1D50", "-3.40282E+38"}, {"1e-50", "0"}};
    for (const auto& c : cases) {
        TestApp t;
        Sheet& s = t.app.sheet(NewSheet(t.app));
        Type(t, s, 2, 2, c.typed);
        EXPECT_EQ(s.grdVo.text(2, 2), c.stored) << c.typed;
    }
}

TEST(UsedRange, FirstValueNumbersNamesAndUnlocks) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    t.app.toolbar.setDataButtonsEnabled(false);
    Type(t, s, 2, 2, "5");
    EXPECT_EQ(s.grdVo.row(), 3);
    EXPECT_EQ(s.grdVo.col(), 2);
    EXPECT_EQ(s.endCell(0), "2");
    EXPECT_EQ(s.endCell(1), "2");
    EXPECT_EQ(s.grdVo.text(0, 2), "1");
    EXPECT_EQ(s.grdVo.text(1, 2), "V1");
    EXPECT_EQ(s.grdVo.text(2, 0), "1");
    EXPECT_EQ(s.grdVo.text(2, 1), "C1");
    EXPECT_EQ(s.grdVoLabel.text(0, 1), "V1");
    EXPECT_EQ(s.grdVoLabel.text(1, 1), "0");
    EXPECT_FALSE(s.blank());
    EXPECT_TRUE(s.modified());
    EXPECT_FALSE(t.app.cellCommitGuard);
    EXPECT_TRUE(t.app.toolbar.button("editCopy").enabled);
}

TEST(UsedRange, FarCellNumbersEveryRowAndColumnUpToIt) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 10, 4, "7");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_EQ(s.grdVo.text(r, 0), std::to_string(r - 1));
        EXPECT_EQ(s.grdVo.text(r, 1), "C" + std::to_string(r - 1));
    }
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(s.grdVo.text(1, c), "V" + std::to_string(c - 1));
    EXPECT_EQ(s.variableCount(), 3);
    EXPECT_EQ(s.caseCount(), 9);
    EXPECT_EQ(s.grdVo.text(11, 0), "");
}

TEST(UsedRange, GridGrowsToKeepSpareRowsAndColumns) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 85, 2, "1");
    EXPECT_EQ(s.grdVo.rows(), 107);
    Type(t, s, 2, 17, "1");
    EXPECT_EQ(s.grdVo.cols(), 23);
    EXPECT_EQ(s.grdVoLabel.cols(), 22);
    EXPECT_EQ(s.grdVoStat.cols(), 22);
    EXPECT_EQ(s.grdVo.colWidth(22), 1200);
    EXPECT_EQ(s.grdVo.nameAlignment(22), CellAlignment::LeftCenter);
    Type(t, s, 84, 2, "1");  // inside the used range: no growth
    EXPECT_EQ(s.grdVo.rows(), 107);
}

TEST(UsedRange, EmptyingAnEdgeCellAndTypingInsideNeverShrinks) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 5, 5, "1");
    s.grdVo.setText(5, 5, "");
    Type(t, s, 3, 3, "2");
    EXPECT_EQ(s.endCell(0), "5");
    EXPECT_EQ(s.endCell(1), "5");
}

TEST(UsedRange, ValueBeyondTheSixteenBitCountsIsRefused) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    s.grdVo.setRows(32800);
    Type(t, s, 32769, 2, "1");  // case 32768
    EXPECT_EQ(s.grdVo.text(32769, 2), "");
    EXPECT_EQ(s.endCell(1), "1");
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
    Type(t, s, 32768, 2, "1");  // case 32767 is fine
    EXPECT_EQ(s.endCell(1), "32768");
}

TEST(UsedRange, TypingRemovesAValidStatisticsBlock) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 2, 2, "1");
    s.grdVo.setText(5, 1, "corner");
    s.state().statisticsBlocks = 1;
    s.setStatisticsValid(true);
    Type(t, s, 2, 2, "3");
    EXPECT_EQ(s.grdVo.text(5, 1), "");
    EXPECT_FALSE(s.statisticsValid());
}

// A block over part of the cases is no data: growing the used range into it takes it away first.
TEST(UsedRange, TypingIntoABlockOverPartOfTheCasesTakesTheBlockAway) {
    for (const bool intoTheBlock : {true, false}) {
        SCOPED_TRACE(intoTheBlock ? "typed into the block" : "typed in a new column");
        TestApp t;
        Sheet& s = t.app.sheet(NewSheet(t.app));
        for (int c = 1; c <= 5; ++c) Type(t, s, c + 1, 2, std::to_string(c));
        s.grdVo.setCurrent(3, 2);
        s.grdVo.setSelectionEnd(5, s.grdVo.cols() - 1);  // cases 2 to 4 as whole rows
        ShowStatisticsBlock(t.app, s);
        ASSERT_FALSE(s.statisticsValid());
        ASSERT_EQ(s.grdVo.text(StatisticsBlockRow(5, 0) + 1, 1), kStatisticCaptions[0]);
        const int row = intoTheBlock ? StatisticsBlockRow(5, 0) + 1 : 2;
        Type(t, s, row, intoTheBlock ? 2 : 3, "9");
        EXPECT_EQ(s.state().statisticsBlocks, 0);
        EXPECT_EQ(s.caseCount(), intoTheBlock ? row - 1 : 5);
        // No caption or figure of the block is left to pass for a case name or a value.
        for (int r = StatisticsBlockRow(5, 0); r <= StatisticsBlockRow(5, 0) + kStatisticCount; ++r) {
            EXPECT_EQ(s.grdVo.text(r, 1), r <= s.lastRow() ? "C" + std::to_string(r - 1) : "") << "row " << r;
            EXPECT_EQ(s.grdVo.text(r, 2), r == row ? "9" : "") << "row " << r;
        }
    }
}

// The last group grows to hold cases typed below a grouped sheet, and every reader agrees.
TEST(UsedRange, TypingBelowAGroupedSheetGrowsTheLastGroup) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    for (int c = 1; c <= 10; ++c) Type(t, s, c + 1, 2, std::to_string(c));
    ASSERT_TRUE(ApplyCaseGroups(s, {3, 3, 4}));
    Type(t, s, 12, 2, "11");
    Type(t, s, 14, 2, "13");  // one blank case between
    EXPECT_EQ(CaseGroupSizes(s), (std::vector<int>{3, 3, 7}));
    EXPECT_EQ(s.grdVo.backColour(13, 2), kDefaultColour);  // the third group is white
    ASSERT_TRUE(ApplyCaseGroups(s, {3, 10}));
    Type(t, s, 15, 2, "14");
    EXPECT_EQ(CaseGroupSizes(s), (std::vector<int>{3, 11}));
    EXPECT_EQ(s.grdVo.backColour(15, s.grdVo.cols() - 1), kCaseGroupShade);
}

TEST(FocusLoss, CommitGoesToTheOriginCellAndTheCursorStays) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    s.editOriginRow = 3;
    s.editOriginColumn = 3;
    s.grdVo.setCurrent(6, 5);
    CommitEditorOnFocusLoss(t.app, s, "4.5");
    EXPECT_EQ(s.grdVo.text(3, 3), "4.5");
    EXPECT_EQ(s.grdVo.text(6, 5), "");
    EXPECT_EQ(s.grdVo.row(), 6);
    EXPECT_EQ(s.grdVo.col(), 5);
    EXPECT_EQ(s.endCell(0), "3");
    EXPECT_TRUE(s.modified());
    EXPECT_FALSE(t.app.cellCommitGuard);
    CommitEditorOnFocusLoss(t.app, s, "");  // an empty editor changes nothing
    EXPECT_EQ(s.grdVo.text(3, 3), "4.5");
}

TEST(CursorKeys, MovesAfterEnterShiftEnterHomeAndEnd) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 51, 11, "1");  // 50 cases, 10 variables: items 11 and 51
    s.grdVo.setRows(120);
    s.grdVo.setCurrent(7, 3);
    MoveAfterKey(t.app, s, CursorKey::End);
    EXPECT_EQ(s.grdVo.row(), 51);
    EXPECT_EQ(s.grdVo.col(), 11);
    EXPECT_EQ(s.grdVo.topRow(), 46);
    EXPECT_EQ(s.grdVo.leftCol(), 8);
    MoveAfterKey(t.app, s, CursorKey::Home);
    EXPECT_EQ(s.grdVo.row(), 2);
    EXPECT_EQ(s.grdVo.topRow(), 2);
    EXPECT_EQ(s.grdVo.leftCol(), 2);
    Type(t, s, 9, 10, "1", CursorKey::ShiftEnter);  // next-to-last used column stays
    EXPECT_EQ(s.grdVo.col(), 10);
    EXPECT_EQ(s.grdVo.row(), 2);
    Type(t, s, 9, 6, "1", CursorKey::ShiftEnter);
    EXPECT_EQ(s.grdVo.col(), 7);
    EXPECT_EQ(s.grdVo.row(), 2);
}

TEST(CursorKeys, EndOnASmallSheetKeepsTheTopLeft) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Type(t, s, 4, 3, "1");
    MoveAfterKey(t.app, s, CursorKey::End);
    EXPECT_EQ(s.grdVo.row(), 4);
    EXPECT_EQ(s.grdVo.topRow(), 2);
    EXPECT_EQ(s.grdVo.leftCol(), 2);
}

TEST(EditorKeys, DigitsSignsPointsAndF2) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    EXPECT_EQ(EditorTextForKey(s, 48), "0");
    EXPECT_EQ(EditorTextForKey(s, 57), "9");
    EXPECT_EQ(EditorTextForKey(s, 96 + 7), "7");
    EXPECT_EQ(EditorTextForKey(s, 189), "-");
    EXPECT_EQ(EditorTextForKey(s, 109), "-");
    EXPECT_EQ(EditorTextForKey(s, 190), ".");
    EXPECT_EQ(EditorTextForKey(s, 110), ".");
    EXPECT_EQ(EditorTextForKey(s, 65), std::nullopt);
    EXPECT_EQ(EditorTextForKey(s, 113), "0");  // F2 on an empty cell
    s.grdVo.setText(2, 2, "12abc");
    EXPECT_EQ(EditorTextForKey(s, 113), "12");
    s.grdVo.setText(2, 2, "0.5");
    EXPECT_EQ(EditorTextForKey(s, 113), "0.5");
}

TEST(DoubleClick, DispatchFollowsTheSelection) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    Grid& g = s.grdVo;
    EXPECT_EQ(DoubleClickDispatch(s), DoubleClickAction::Nothing);  // blank sheet
    s.setEndCell(0, "3");
    g.setCurrent(2, 4);
    g.setSelectionEnd(g.rows() - 1, 4);
    EXPECT_EQ(DoubleClickDispatch(s), DoubleClickAction::DefineVariable);
    g.setCurrent(5, 2);
    g.setSelectionEnd(5, g.cols() - 1);
    EXPECT_EQ(DoubleClickDispatch(s), DoubleClickAction::NameCase);
    g.setCurrent(2, 2);
    g.setSelectionEnd(g.rows() - 1, g.cols() - 1);
    EXPECT_EQ(DoubleClickDispatch(s), DoubleClickAction::Nothing);
    g.setCurrent(4, 4);
    EXPECT_EQ(DoubleClickDispatch(s), DoubleClickAction::Edit);
}

}  // namespace
}  // namespace zoriduvo

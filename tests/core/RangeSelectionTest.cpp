#include "edit/RangeSelection.h"

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

Sheet& TwelveCases(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(12, {"1", "2"}));
    return sheet;
}

void StoreRange(Sheet& sheet, const char* first, const char* last) {
    sheet.state().rangeSelection = true;
    sheet.grdSInfo.setText(1, 0, first);
    sheet.grdSInfo.setText(1, 1, last);
}

TEST(RangeDialog, StartValuesAndStateLabel) {
    struct Case {
        const char* name;
        int row, rowSel, colSel;
        bool stored;
        int from, to;
        std::string state;
    };
    const Case cases[] = {
        {"no range, no selection", 4, 4, 2, false, 1, 12, " なし "},
        {"stored range", 4, 4, 2, true, 3, 10, " あり  [ 3- 10]"},
        {"whole rows before the stored range", 5, 7, 21, true, 4, 6, " あり  [ 3- 10]"},
        {"whole rows past the last case", 9, 30, 21, false, 8, 12, " なし "},
        {"whole rows ending on the last variable", 5, 7, 3, false, 4, 6, " なし "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = TwelveCases(t);
        if (c.stored) StoreRange(sheet, "3", "10");
        sheet.grdVo.setCurrent(c.row, 2);
        sheet.grdVo.setSelectionEnd(c.rowSel, c.colSel);
        const RangeSelection dialog(sheet);
        EXPECT_EQ(dialog.caseCount(), 12);
        EXPECT_EQ(dialog.from(), c.from);
        EXPECT_EQ(dialog.to(), c.to);
        EXPECT_EQ(dialog.rangeSet(), c.stored);
        EXPECT_EQ(dialog.stateText(), c.state);
    }
}

TEST(RangeDialog, RefusesRangesOutsideTheCasesAndKeepsThePreviousValues) {
    struct Case {
        const char* name;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"from zero", "0", "5"},     {"reversed", "6", "5"},   {"past the last case", "1", "13"},
        {"negative", "-2", "4"},     {"not a number", "abc", "4"}, {"huge", "1", "1e12"},
        {"empty boxes", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = TwelveCases(t);
        StoreRange(sheet, "3", "10");
        RangeSelection dialog(sheet);
        EXPECT_EQ(dialog.execute(t.app, sheet, c.from, c.to), RangeSelection::Outcome::Refused);
        EXPECT_EQ(t.ui.beeps, 1);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "入力データに誤りがあります");
        EXPECT_EQ(t.ui.messages[0].title, "範囲設定");
        EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(dialog.from(), 3);
        EXPECT_EQ(dialog.to(), 10);
        EXPECT_TRUE(sheet.state().rangeSelection);
        EXPECT_EQ(sheet.grdSInfo.text(1, 0), "3");
        EXPECT_EQ(sheet.grdSInfo.text(1, 1), "10");
    }
}

TEST(RangeDialog, SettingStoresTheRangeAndDropsStatisticsOverAllCases) {
    TestApp t;
    Sheet& sheet = TwelveCases(t);
    ShowStatisticsBlock(t.app, sheet);
    ASSERT_TRUE(sheet.statisticsValid());
    RangeSelection dialog(sheet);
    EXPECT_EQ(dialog.execute(t.app, sheet, " 3", "9.6"), RangeSelection::Outcome::Set);
    EXPECT_TRUE(sheet.state().rangeSelection);
    EXPECT_EQ(sheet.grdSInfo.text(1, 0), "3");
    EXPECT_EQ(sheet.grdSInfo.text(1, 1), "10");
    EXPECT_FALSE(sheet.statisticsValid());
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_TRUE(sheet.grdVo.isEmpty(15, 1));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_EQ(RangeSelection(sheet).stateText(), " あり  [ 3- 10]");
}

TEST(RangeDialog, OneToTheLastCaseMeansNoRange) {
    TestApp t;
    Sheet& sheet = TwelveCases(t);
    StoreRange(sheet, "3", "10");
    sheet.setStatisticsValid(true);
    RangeSelection dialog(sheet);
    EXPECT_EQ(dialog.execute(t.app, sheet, "1", "12"), RangeSelection::Outcome::Removed);
    EXPECT_FALSE(sheet.state().rangeSelection);
    EXPECT_EQ(sheet.grdSInfo.text(1, 0), "1");
    EXPECT_EQ(sheet.grdSInfo.text(1, 1), "12");
    EXPECT_FALSE(sheet.statisticsValid());
    const RangeSelection reopened(sheet);
    EXPECT_EQ(reopened.stateText(), " なし ");
    EXPECT_EQ(reopened.from(), 1);
    EXPECT_EQ(reopened.to(), 12);
}

}  // namespace
}  // namespace zoriduvo

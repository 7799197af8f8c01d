#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/BulkTyping.h"
#include "variables/VariableDefinition.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::TestApp;

// Variables named X, Y, X, (unnamed) with the cursor on case 2, variable 3.
Sheet& NamedSheet(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}});
    const char* names[] = {"X", "Y", "X", ""};
    for (int v = 1; v <= 4; ++v) sheet.grdVo.setText(1, v + 1, names[v - 1]);
    sheet.setModified(false);
    sheet.grdVo.setCurrent(3, 4);
    return sheet;
}

std::string Record(const Sheet& sheet, int v) {
    return std::string(sheet.grdVoLabel.text(1, v)) + "/" + std::string(sheet.grdVoLabel.text(2, v)) + "/" +
           std::string(sheet.grdVoLabel.text(3, v));
}

TEST(BulkTypeLists, UnnamedVariablesGetTheirDefaultNameAndListsMoveAndRestore) {
    TestApp t;
    Sheet& sheet = NamedSheet(t);
    BulkTypeEditor e(t.app, sheet);
    EXPECT_EQ(e.available(), (std::vector<std::string>{"X", "Y", "X", "V4"}));
    EXPECT_EQ(sheet.grdVo.text(1, 5), "V4");
    e.choose({3, 1});
    EXPECT_EQ(e.chosen(), (std::vector<std::string>{"Y", "V4"}));
    EXPECT_EQ(e.available(), (std::vector<std::string>{"X", "X"}));
    e.choose({});
    EXPECT_EQ(e.chosen().size(), 2u);
    e.restore();
    EXPECT_TRUE(e.chosen().empty());
    EXPECT_EQ(e.available().size(), 4u);
}

TEST(BulkTypeLists, KnowWhenTheSheetMovedOnUnderThem) {
    TestApp t;
    Sheet& sheet = NamedSheet(t);
    BulkTypeEditor e(t.app, sheet);
    EXPECT_FALSE(e.outOfDate(sheet));
    sheet.grdVo.setText(1, 5, "");  // an emptied name still reads as its default
    EXPECT_FALSE(e.outOfDate(sheet));
    sheet.grdVo.setText(1, 3, "Z");
    EXPECT_TRUE(e.outOfDate(sheet));
    sheet.grdVo.setText(1, 3, "Y");
    sheet.setEndCell(0, "6");
    EXPECT_TRUE(e.outOfDate(sheet));
    sheet.setEndCell(0, "5");
    EXPECT_TRUE(e.outOfDate(NamedSheet(t)));
}

TEST(BulkTypeExecute, TypesEveryVariableCarryingAChosenName) {
    TestApp t;
    Sheet& sheet = NamedSheet(t);
    BulkTypeEditor e(t.app, sheet);
    e.choose({0});  // the first X
    e.categorical = true;
    e.minimum = "0.5";
    e.maximum = "2.5";
    EXPECT_EQ(e.execute(), BulkTypeEditor::Outcome::Done);
    EXPECT_EQ(Record(sheet, 1), "3/2/0");
    EXPECT_EQ(Record(sheet, 3), "3/2/0");
    EXPECT_EQ(Record(sheet, 2), "//");
    EXPECT_EQ(sheet.grdVo.text(1, 2), "X");
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(sheet.grdVo.row(), 3);
    EXPECT_EQ(sheet.grdVo.col(), 4);
}

TEST(BulkTypeExecute, ContinuousWritesZeros) {
    TestApp t;
    Sheet& sheet = NamedSheet(t);
    for (int v = 1; v <= 4; ++v) {
        sheet.grdVoLabel.setText(1, v, "3");
        sheet.grdVoLabel.setText(2, v, "3");
        sheet.grdVoLabel.setText(3, v, "1");
    }
    BulkTypeEditor e(t.app, sheet);
    e.choose({1, 3});
    EXPECT_EQ(e.execute(), BulkTypeEditor::Outcome::Done);
    EXPECT_EQ(Record(sheet, 2), "0/0/0");
    EXPECT_EQ(Record(sheet, 4), "0/0/0");
    EXPECT_EQ(Record(sheet, 1), "3/3/1");
    EXPECT_FALSE(IsCategorical(sheet, 4));
}

TEST(BulkTypeExecute, IncompleteInputChangesNothing) {
    struct Case {
        const char* name;
        bool choose;
        const char* minimum;
        const char* maximum;
        BulkTypeEditor::Outcome outcome;
        int beeps;
        const char* message;
    } cases[] = {
        {"nothing chosen", false, "1", "2", BulkTypeEditor::Outcome::Beeped, 1, nullptr},
        {"both fields empty", true, "", "", BulkTypeEditor::Outcome::FocusMinimum, 0, nullptr},
        {"only the minimum", true, "1", "", BulkTypeEditor::Outcome::Beeped, 1, nullptr},
        {"only the maximum", true, "", "4", BulkTypeEditor::Outcome::Beeped, 1, nullptr},
        {"beyond 16 bits", true, "1", "40000", BulkTypeEditor::Outcome::Refused, 0,
         "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。"},
        {"count beyond 16 bits", true, "-30000", "30000", BulkTypeEditor::Outcome::Refused, 0,
         "カテゴリーの範囲が広すぎます。最大と最小の差は 32766 までにして下さい。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = NamedSheet(t);
        BulkTypeEditor e(t.app, sheet);
        if (c.choose) e.choose({1});
        e.categorical = true;
        e.minimum = c.minimum;
        e.maximum = c.maximum;
        EXPECT_EQ(e.execute(), c.outcome);
        EXPECT_EQ(t.ui.beeps, c.beeps);
        EXPECT_EQ(Record(sheet, 2), "//");
        EXPECT_FALSE(sheet.modified());
        if (c.message) {
            ASSERT_EQ(t.ui.messages.size(), 1u);
            EXPECT_EQ(t.ui.messages[0].text, c.message);
            EXPECT_EQ(t.ui.messages[0].title, "変数の型の一括指定");
        } else {
            EXPECT_TRUE(t.ui.messages.empty());
        }
    }
}

}  // namespace
}  // namespace zoriduvo

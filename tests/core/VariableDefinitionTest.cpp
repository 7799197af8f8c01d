#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsViewTexts.h"
#include "variables/VariableDefinition.h"
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::TestApp;

// A sheet of three variables and two cases, the cursor on variable `variable`.
Sheet& ThreeVariables(TestApp& t, int variable = 1) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, {{"1", "2", "3"}, {"4", "5", "6"}});
    for (int v = 1; v <= 3; ++v) sheet.grdVoLabel.setText(0, v, "V" + std::to_string(v));
    sheet.setModified(false);
    sheet.grdVo.setCurrent(3, variable + 1);
    return sheet;
}

std::string Label(const Sheet& sheet, int row, int variable) { return std::string(sheet.grdVoLabel.text(row, variable)); }
std::string Name(const Sheet& sheet, int variable) { return std::string(sheet.grdVo.text(1, variable + 1)); }

void Categorical(VariableDefinitionEditor& e, const std::string& minimum, const std::string& maximum) {
    e.fields().categorical = true;
    e.fields().minimum = minimum;
    e.fields().maximum = maximum;
}

TEST(VariableNameRule, QuotesAndCommasAreRefusedWithTheMessageAndNothingIsStored) {
    struct Case {
        const char* name;
        bool accepted;
    } cases[] = {{"身長", true}, {"", true}, {" a b ", true}, {"x'y", true}, {"，全角", true},
                 {"a\"b", false}, {"a,b", false}, {"\"", false}, {",", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = ThreeVariables(t, 2);
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().name = c.name;
        EXPECT_EQ(e.ok(), c.accepted);
        EXPECT_EQ(Name(sheet, 2), c.accepted ? c.name : "V2");
        EXPECT_EQ(Label(sheet, 0, 2), c.accepted ? c.name : "V2");
        if (c.accepted) {
            EXPECT_TRUE(t.ui.messages.empty());
            continue;
        }
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "変数名が間違っています。");
        EXPECT_EQ(t.ui.messages[0].title, "変数の定義");
        EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(e.closed());
        EXPECT_EQ(e.variable(), 2);
        EXPECT_FALSE(sheet.modified());
    }
}

TEST(VariableNameRule, ARefusedNameBlocksEveryMove) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 2);
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().name = "a,b";
    e.fields().number = "3";
    EXPECT_FALSE(e.next());
    EXPECT_FALSE(e.previous());
    EXPECT_FALSE(e.commitNumber());
    EXPECT_EQ(e.variable(), 2);
    EXPECT_EQ(t.ui.messages.size(), 3u);
    EXPECT_EQ(Name(sheet, 2), "V2");
}

TEST(CategoryRangeStore, TypedRangesBecomeRoundedIntegersAndTheirCount) {
    struct Case {
        const char* name;
        const char* minimum;
        const char* maximum;
        const char* count;
        const char* storedMaximum;
        const char* storedMinimum;
        bool categorical;
    } cases[] = {
        {"zero to one", "0", "1", "2", "1", "0", true},
        {"empty fields", "", "", "1", "0", "0", true},
        {"halves go to even", "2.5", "3.5", "3", "4", "2", true},
        {"negative half goes to even", "-2.5", "-0.5", "3", "0", "-2", true},
        {"leading number of text", "1abc", "x", "0", "0", "1", false},
        {"exponent", "1E1", "1.2D1", "3", "12", "10", true},
        {"minimum above maximum by one reads continuous", "3", "2", "0", "2", "3", false},
        {"minimum far above maximum", "5", "1", "-3", "1", "5", true},
        {"widest count", "-16383", "16383", "32767", "16383", "-16383", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = ThreeVariables(t, 1);
        VariableDefinitionEditor e(t.app, sheet);
        Categorical(e, c.minimum, c.maximum);
        ASSERT_TRUE(e.ok());
        EXPECT_EQ(Label(sheet, 1, 1), c.count);
        EXPECT_EQ(Label(sheet, 2, 1), c.storedMaximum);
        EXPECT_EQ(Label(sheet, 3, 1), c.storedMinimum);
        EXPECT_EQ(IsCategorical(sheet, 1), c.categorical);
    }
}

TEST(CategoryRangeStore, ContinuousStoresZeros) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 1);
    sheet.grdVoLabel.setText(1, 1, "5");
    sheet.grdVoLabel.setText(2, 1, "5");
    sheet.grdVoLabel.setText(3, 1, "1");
    VariableDefinitionEditor e(t.app, sheet);
    EXPECT_TRUE(e.fields().categorical);
    e.chooseContinuous();
    ASSERT_TRUE(e.ok());
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(Label(sheet, row, 1), "0");
}

TEST(CategoryRangeStore, ValuesAndCountsBeyond16BitsAreRefusedWithAMessage) {
    struct Case {
        const char* name;
        const char* minimum;
        const char* maximum;
        const char* message;
    } cases[] = {
        {"maximum above 32767", "0", "32768", "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。"},
        {"minimum below -32768", "-32769", "0", "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。"},
        {"huge exponent", "1E300", "1", "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。"},
        {"half rounding past the top", "0", "32767.5", "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。"},
        {"count one past", "-16384", "16383", "カテゴリーの範囲が広すぎます。最大と最小の差は 32766 までにして下さい。"},
        {"count far below", "32767", "-32768", "カテゴリーの範囲が広すぎます。最大と最小の差は 32766 までにして下さい。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = ThreeVariables(t, 1);
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().name = "新しい名前";
        Categorical(e, c.minimum, c.maximum);
        EXPECT_FALSE(e.ok());
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, c.message);
        EXPECT_EQ(t.ui.messages[0].title, "変数の定義");
        EXPECT_EQ(Name(sheet, 1), "V1");
        EXPECT_EQ(Label(sheet, 1, 1), "");
        EXPECT_FALSE(e.closed());
    }
}

TEST(DefinitionDialogOpening, StartsOnTheCursorsVariable) {
    struct Case {
        const char* name;
        int column;
        int variable;
        bool before, next;
    } cases[] = {
        {"first variable", 2, 1, false, true},
        {"middle variable", 3, 2, true, true},
        {"last variable", 4, 3, true, false},
        {"beyond the variables", 9, 3, true, false},
        {"case-name column", 1, 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = ThreeVariables(t);
        sheet.grdVo.setCurrent(3, c.column);
        VariableDefinitionEditor e(t.app, sheet);
        EXPECT_EQ(e.variable(), c.variable);
        EXPECT_EQ(e.fields().number, std::to_string(c.variable));
        EXPECT_EQ(e.fields().name, "V" + std::to_string(c.variable));
        EXPECT_EQ(e.fields().beforeEnabled, c.before);
        EXPECT_EQ(e.fields().nextEnabled, c.next);
    }
}

TEST(DefinitionDialogOpening, LoadsTheTypeAndRange) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 2);
    sheet.grdVoLabel.setText(1, 2, "4");
    sheet.grdVoLabel.setText(2, 2, "5");
    sheet.grdVoLabel.setText(3, 2, "2");
    VariableDefinitionEditor e(t.app, sheet);
    EXPECT_TRUE(e.fields().categorical);
    EXPECT_TRUE(e.fields().rangeEnabled);
    EXPECT_EQ(e.fields().minimum, "2");
    EXPECT_EQ(e.fields().maximum, "5");
    ASSERT_TRUE(e.previous());
    EXPECT_FALSE(e.fields().categorical);
    EXPECT_FALSE(e.fields().rangeEnabled);
    EXPECT_EQ(e.fields().minimum, "");
    EXPECT_EQ(e.fields().maximum, "");
}

TEST(DefinitionDialogOpening, ASheetWithoutVariablesEditsVariableOne) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    VariableDefinitionEditor e(t.app, sheet);
    EXPECT_EQ(e.variable(), 1);
    e.fields().name = "A";
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(sheet.variableCount(), 1);
    EXPECT_EQ(sheet.grdVo.text(0, 2), "1");
    EXPECT_FALSE(sheet.blank());
}

TEST(VariableCountExtension, OkAlwaysExtendsTheMovesOnlyWithAName) {
    struct Case {
        const char* name;
        const char* typedName;
        int count;  // variable count afterwards
    } cases[] = {
        {"ok", "", 6},
        {"ok named", "W", 6},
        {"next", "", 3},
        {"next named", "W", 6},
        {"previous", "", 3},
        {"previous named", "W", 6},
        {"number", "", 3},
        {"number named", "W", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = ThreeVariables(t);
        sheet.grdVo.setCurrent(3, 7);  // variable 6, beyond the three
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().number = "6";
        ASSERT_TRUE(e.commitNumber());  // variable 3 has a name: storing it changes nothing
        ASSERT_EQ(sheet.variableCount(), 3);
        e.fields().name = c.typedName;
        const std::string op = c.name;
        if (op.rfind("ok", 0) == 0) ASSERT_TRUE(e.ok());
        else if (op.rfind("next", 0) == 0) ASSERT_TRUE(e.next());
        else if (op.rfind("previous", 0) == 0) ASSERT_TRUE(e.previous());
        else {
            e.fields().number = "2";
            ASSERT_TRUE(e.commitNumber());
        }
        EXPECT_EQ(sheet.variableCount(), c.count);
        EXPECT_EQ(sheet.endCell(0), std::to_string(c.count + 1));
        for (int v = 4; v <= 6; ++v) EXPECT_EQ(sheet.grdVo.text(0, v + 1), c.count == 6 ? std::to_string(v) : "");
        EXPECT_EQ(Name(sheet, 6), c.typedName);
    }
}

TEST(VariableCountExtension, GivesUpTheStatisticsBlocks) {
    for (const bool overAllCases : {true, false}) {
        SCOPED_TRACE(overAllCases ? "block over all cases" : "block over part of the cases");
        TestApp t;
        Sheet& sheet = ThreeVariables(t);
        sheet.setStatisticsValid(overAllCases);
        sheet.state().statisticsBlocks = 1;
        sheet.grdVo.setText(5, 1, " 1- 2");
        sheet.grdVo.setCurrent(3, 5);
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().number = "4";
        ASSERT_TRUE(e.commitNumber());
        e.fields().name = "D";
        ASSERT_TRUE(e.next());
        EXPECT_EQ(sheet.variableCount(), 4);
        EXPECT_EQ(sheet.state().statisticsBlocks, 0);
        EXPECT_FALSE(sheet.statisticsValid());
        EXPECT_EQ(sheet.grdVo.text(5, 1), "");
    }
}

TEST(DefinitionMoves, NextAndPreviousWalkAndStore) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 1);
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().name = "身長";
    ASSERT_TRUE(e.next());
    EXPECT_EQ(Name(sheet, 1), "身長");
    EXPECT_EQ(e.variable(), 2);
    EXPECT_TRUE(e.fields().beforeEnabled);
    EXPECT_TRUE(e.fields().nextEnabled);
    ASSERT_TRUE(e.next());
    EXPECT_FALSE(e.fields().nextEnabled);  // on the last variable
    ASSERT_TRUE(e.previous());
    ASSERT_TRUE(e.previous());
    EXPECT_EQ(e.fields().name, "身長");
    EXPECT_FALSE(e.fields().beforeEnabled);
    EXPECT_FALSE(e.previous());
    EXPECT_EQ(e.variable(), 1);
}

TEST(DefinitionMoves, NextAtTheLastGridColumnSaysTheColumnsAreFull) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t);
    const int last = sheet.grdVo.cols() - 2;
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().number = std::to_string(last);
    ASSERT_TRUE(e.commitNumber());
    e.fields().name = "端";
    EXPECT_FALSE(e.next());
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "列がいっぱいです。列を増やして下さい。");
    EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(e.variable(), last);
    EXPECT_EQ(Name(sheet, last), "端");
    EXPECT_EQ(sheet.variableCount(), last);
    // The Down key there does nothing at all.
    EXPECT_FALSE(e.keyDown());
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST(DefinitionMoves, ArrowKeysActAsTheMoveButtonsInsideTheGrid) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 1);
    VariableDefinitionEditor e(t.app, sheet);
    EXPECT_FALSE(e.keyUp());
    EXPECT_EQ(e.variable(), 1);
    ASSERT_TRUE(e.keyDown());
    ASSERT_TRUE(e.keyDown());
    ASSERT_TRUE(e.keyDown());  // past the last variable, unlike the disabled button
    EXPECT_EQ(e.variable(), 4);
    EXPECT_TRUE(e.fields().nextEnabled);
    ASSERT_TRUE(e.keyUp());
    EXPECT_EQ(e.variable(), 3);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(NumberCommit, OnlyAPlainPositiveIntegerIsTaken) {
    struct Case {
        const char* typed;
        bool accepted;
        int variable;
    } cases[] = {{"3", true, 3},     {" 2 ", true, 2},  {"0", false, 1},   {"-1", false, 1}, {"abc", false, 1},
                 {"1.5", false, 1},  {"02", false, 1},  {"+2", false, 1},  {"2a", false, 1}, {"1 2", false, 1},
                 {"", false, 1},     {"1E1", false, 1}, {"２", false, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TestApp t;
        Sheet& sheet = ThreeVariables(t, 1);
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().name = "変更";
        e.fields().number = c.typed;
        EXPECT_EQ(e.commitNumber(), c.accepted);
        EXPECT_EQ(e.variable(), c.variable);
        if (c.accepted) {
            EXPECT_EQ(Name(sheet, 1), "変更");
            EXPECT_EQ(sheet.grdVo.col(), c.variable + 1);
            continue;
        }
        EXPECT_EQ(t.ui.beeps, 1);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "変更したい変数番号を指定してください");
        EXPECT_EQ(t.ui.messages[0].title, "変数の定義");
        EXPECT_EQ(Name(sheet, 1), "V1");
    }
}

TEST(NumberCommit, BeyondTheGridStoresAndStaysWithTheMessage) {
    for (const char* typed : {"21", "999999999999999"}) {
        SCOPED_TRACE(typed);
        TestApp t;
        Sheet& sheet = ThreeVariables(t, 2);
        ASSERT_EQ(sheet.grdVo.cols(), 22);  // variables up to 20 fit
        VariableDefinitionEditor e(t.app, sheet);
        e.fields().name = "残る";
        e.fields().number = typed;
        EXPECT_FALSE(e.commitNumber());
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "表の範囲を超えています。");
        EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(e.variable(), 2);
        EXPECT_EQ(e.fields().number, "2");
        EXPECT_EQ(Name(sheet, 2), "残る");
    }
}

TEST(NumberCommit, TheLastGridColumnIsReachable) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 2);
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().number = "20";
    EXPECT_TRUE(e.commitNumber());
    EXPECT_EQ(e.variable(), 20);
    EXPECT_TRUE(e.fields().beforeEnabled);
    e.fields().number = "1";
    EXPECT_TRUE(e.commitNumber());
    // The move buttons follow the number, so previous cannot run off variable 1.
    EXPECT_FALSE(e.fields().beforeEnabled);
}

TEST(DefinitionCancel, RestoresTheStoredNameAndDropsTheRest) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 2);
    sheet.grdVo.setCurrent(1, 3);
    VariableDefinitionEditor e(t.app, sheet);
    sheet.grdVo.setCurrent(7, 9);  // the cursor wanders while the dialog is open
    e.fields().name = "途中";
    e.nameLeftFocus();
    EXPECT_EQ(Label(sheet, 0, 2), "途中");
    Categorical(e, "1", "3");
    e.cancel();
    EXPECT_TRUE(e.closed());
    EXPECT_EQ(Label(sheet, 0, 2), "V2");
    EXPECT_EQ(Name(sheet, 2), "V2");
    EXPECT_EQ(Label(sheet, 1, 2), "");
    EXPECT_FALSE(sheet.modified());
    EXPECT_EQ(sheet.grdVo.row(), 2);  // raised to the first case row
    EXPECT_EQ(sheet.grdVo.col(), 3);
}

TEST(DefinitionOk, SetsTheFlagsAndPutsTheCursorBack) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 3);
    sheet.setStatisticsValid(true);
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().number = "1";
    ASSERT_TRUE(e.commitNumber());
    EXPECT_EQ(sheet.grdVo.col(), 2);
    ASSERT_TRUE(e.ok());
    EXPECT_TRUE(e.closed());
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsValid());
    EXPECT_EQ(sheet.grdVo.col(), 4);
    EXPECT_EQ(sheet.grdVo.row(), 3);
}

TEST(DefinitionModifiedFlag, AStoreThatChangesTheSheetMarksItEvenIfCancelFollows) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 1);
    VariableDefinitionEditor e(t.app, sheet);
    ASSERT_TRUE(e.next());  // nothing changed on variable 1
    EXPECT_FALSE(sheet.modified());
    e.fields().name = "新";
    ASSERT_TRUE(e.next());
    e.cancel();
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(Name(sheet, 2), "新");
}

TEST(DefinitionTypeButtons, CategoricalFillsTheStoredOrTheShownRange) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 3);
    sheet.grdVoLabel.setText(1, 3, "2");
    sheet.grdVoLabel.setText(2, 3, "8");
    sheet.grdVoLabel.setText(3, 3, "7");
    VariableDefinitionEditor e(t.app, sheet);
    e.chooseContinuous();
    EXPECT_FALSE(e.fields().rangeEnabled);
    e.chooseCategorical();
    EXPECT_TRUE(e.fields().rangeEnabled);
    EXPECT_EQ(e.fields().minimum, "7");
    EXPECT_EQ(e.fields().maximum, "8");
    e.openStatistics();
    EXPECT_TRUE(e.statisticsShown());
    e.chooseCategorical();
    // Values 3 and 6 in the column, as the statistics view shows them.
    const StatisticsViewTexts shown = StatisticsViewFor(sheet, 3);
    EXPECT_EQ(e.fields().minimum, shown.values[1]);
    EXPECT_EQ(e.fields().maximum, shown.values[0]);
    EXPECT_NE(e.fields().minimum, e.fields().maximum);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(Label(sheet, 3, 3), "3");
    EXPECT_EQ(Label(sheet, 2, 3), "6");
    EXPECT_EQ(Label(sheet, 1, 3), "4");
    e.statisticsClosed();
    EXPECT_FALSE(e.statisticsShown());
}

TEST(DefinitionActivation, FollowsTheCursorOnlyWhenItMoved) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t, 1);
    VariableDefinitionEditor e(t.app, sheet);
    e.fields().name = "打ちかけ";
    e.activate(sheet);  // back from a message box: what was typed stays
    EXPECT_EQ(e.fields().name, "打ちかけ");
    e.openStatistics();
    e.activate(sheet);
    EXPECT_EQ(e.fields().name, "打ちかけ");
    sheet.grdVo.setCurrent(2, 3);  // the user clicked variable 2 in the sheet
    e.activate(sheet);
    EXPECT_EQ(e.variable(), 2);
    EXPECT_EQ(e.fields().name, "V2");

    Sheet& other = ThreeVariables(t, 3);
    e.fields().name = "別";
    e.nameLeftFocus();
    e.activate(other);
    EXPECT_EQ(&e.sheet(), &other);
    EXPECT_EQ(e.variable(), 3);
    EXPECT_EQ(Label(sheet, 0, 2), "V2");  // the first sheet's open name change was dropped
}

TEST(DefinitionRecord, ReadsAreSafeOutsideTheGridAndOnText) {
    TestApp t;
    Sheet& sheet = ThreeVariables(t);
    sheet.grdVoLabel.setText(1, 1, "abc");
    sheet.grdVoLabel.setText(2, 1, "99999");
    EXPECT_FALSE(IsCategorical(sheet, 1));
    EXPECT_EQ(ReadDefinition(sheet, 1).category.maximum, 0);
    EXPECT_EQ(ReadDefinition(sheet, 500), VariableDefinition{});
    EXPECT_FALSE(IsCategorical(sheet, 500));
    EXPECT_FALSE(IsCategorical(sheet, 0));
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include "TransformTestSupport.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "transform/EditLine.h"
#include "transform/FormulaHistory.h"
#include "transform/StatementForm.h"
#include "transform/TransformList.h"

namespace zoriduvo {
namespace {

using test::SetupOf;

TEST(TransformMessages, EveryCodeHasItsTextIconAndTitle) {
    for (int i = 0; i < static_cast<int>(TransformErrorCode::Count); ++i) {
        SCOPED_TRACE(i);
        const Message m = MessageOf(static_cast<TransformErrorCode>(i));
        EXPECT_NE(m.text, "");
        EXPECT_EQ(m.title, "変数変換");
        EXPECT_TRUE(m.icon == MessageIcon::Exclamation || m.icon == MessageIcon::Information);
    }
}

struct MessageCase {
    const char* statement;
    const char* text;
    MessageIcon icon;
};

// Each message as the user meets it: a statement typed into the dialog's list.
TEST(TransformMessages, StatementsShowTheirMessages) {
    const auto info = MessageIcon::Information, excl = MessageIcon::Exclamation;
    const MessageCase cases[] = {
        {"IF A > 1 Y = 2", "IF .. THEN .. (ELSE ..) となっていません", excl},
        {"IF A > 1 THEN Y = 2 ELSE Z = 3", "同一の変数を指定してください", excl},
        {"\"Y = 3", "\"がありません", excl},
        {"Y 3", "代入文に = がありません", excl},
        {"\"Y\" 3 = 4", "代入文に = がありません", excl},
        {"IF A > 1 THEN Y 2", "代入文に = がありません", excl},
        {"Y =", "代入文がありません", excl},
        {"IF A > 1 THEN Y =   ", "代入文がありません", excl},
        {"1Y = 3", "変数名が特殊記号または数字で始まっています。", excl},
        {"(Y) = 3", "変数名が特殊記号または数字で始まっています。", excl},
        {" = 3", "代入する変数名がありません", excl},
        {"A,B = 3", "変数名に \" や , は使えません", excl},
        {"Y = A B", "Syntax Error", info},
        {"Y = SQR A", "関数の後には '(' が必要です", info},
        {"Y = A THEN B", "Syntax : 'IF .. THEN .. (ELSE ..)'", info},
        {"Y = $7", "変数番号が誤りです", info},
        {"Y = FOO", "未知の関数名または変数名です", info},
        {"Y = SQR(A, B)", "',' がありません", info},
        {"Y = (A + 1", "')' が必要です", info},
        {"Y = SUM(A)", "',' が必要です", info},
        {"Y = RANK(A + 1)", "変数名しかありません", info},
        {"Y = EXPAND(A)", "カテゴリデータではありません", info},
        {"Y = EXPAND(BIG)", "十分なセルがありません", info},
        {"Y = 1.2.3", "数値の書き方が誤りです", info},
        {"Y = 1E39", "数値が大きすぎます", info},
        {"Y = A % 2", "'%' は使えません", info},
        {"Y = A+A+A+A+A+A+A+A+A+A+A", "変換式が長すぎます", info},
        {"Y = A *", "式が途中で終わっています", info},
        {"Y = NOT NOT A", "演算子の使い方が誤りです", info},
        {"Y = LAG(A, B + 1)", "LAG の2番目の引数には数値、変数名または $0 を1つだけ指定してください", info},
        {"Y = EXPAND(CAT) * 2", "EXPAND は 変数 = EXPAND(変数名) の形で単独に使ってください", info},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.statement);
        test::TestApp t;
        TransformList list(SetupOf({"A", "B", "C", "CAT", "BIG"}, {{4, {3, 3, 1}}, {5, {30, 30, 1}}}));
        const auto error = list.add(c.statement);
        ASSERT_TRUE(error);
        ShowTransformError(t.app.ui, *error);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, c.text);
        EXPECT_EQ(t.ui.messages[0].title, "変数変換");
        EXPECT_EQ(t.ui.messages[0].icon, c.icon);
        EXPECT_EQ(list.size(), 0);
        EXPECT_EQ(list.variableList().size(), 5u) << "a refused target is not listed";
    }
}

struct GarbageCase {
    const char* statement;
    const char* text;
};

// Forms that would otherwise add a variable named after a piece of the statement, or one that no
// statement could read.
TEST(TransformMessages, StatementsThatWouldMakeStrayVariablesAreRefused) {
    const GarbageCase cases[] = {
        {"IF A > 1 THEN IF B THEN Y = 1", "THEN や ELSE の後に IF は書けません"},
        {"IF A THEN Y = 1 ELSE if B THEN Y = 2", "THEN や ELSE の後に IF は書けません"},
        {"IF\tA > 1 THEN Y = 1", "IF, THEN, ELSE の後にはタブではなく空白を入れてください"},
        {"IF A > 1 THEN Y = 1 ELSE\tY = 2", "IF, THEN, ELSE の後にはタブではなく空白を入れてください"},
        {"$0 = 2", "$0 はケース番号なので代入できません"},
        {"IF A THEN \"$0\" = 1", "$0 はケース番号なので代入できません"},
    };
    for (const GarbageCase& c : cases) {
        SCOPED_TRACE(c.statement);
        TransformList list(SetupOf({"A", "B", "Y"}));
        const auto error = list.add(c.statement);
        ASSERT_TRUE(error);
        EXPECT_EQ(MessageOf(error->code).text, c.text);
        EXPECT_EQ(MessageOf(error->code).icon, MessageIcon::Exclamation);
    }
}

TEST(TransformMessages, TheTwentyFirstStatementIsRefused) {
    TransformList list(SetupOf({"A"}));
    for (int i = 0; i < 20; ++i) ASSERT_FALSE(list.add("Y = A + " + std::to_string(i)));
    const auto error = list.add("Y = A");
    ASSERT_TRUE(error);
    EXPECT_EQ(MessageOf(error->code).text, "一度に指定できる変換式の個数は20個までです");
    EXPECT_EQ(MessageOf(error->code).icon, MessageIcon::Exclamation);
    EXPECT_EQ(list.size(), 20);
}

struct FormCase {
    const char* statement;
    const char* target;
    const char* expression;
};

TEST(TransformStatementForm, TargetAndExpressionText) {
    const FormCase cases[] = {
        {"Y = A + 1", "Y", " A + 1"},
        {"  Y=A  ", "Y", "A"},
        {"\"New Y\" = A", "New Y", " A"},
        {"\"Y\"   =A", "Y", "A"},
        {"$3 = A", "$3", " A"},
        {"Y = A = B", "Y", " A = B"},
        {"IF A > 0 THEN Y = LOG(A) ELSE Y = -1", "Y", "IF A > 0 THEN  LOG(A) ELSE  -1"},
        {"if A > 0 then Y = 1 else Y = 2", "Y", "if A > 0 then  1 ELSE  2"},
        {"IF A THEN \"Y\" = 1 ELSE Y = 2", "Y", "IF A THEN  1 ELSE  2"},
        {"IF A THEN Y = 1", "Y", "IF A THEN  1"},
        {"IFFY = 2", "IFFY", " 2"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.statement);
        const StatementParts parts = SplitStatement(c.statement);
        ASSERT_FALSE(parts.error);
        EXPECT_EQ(parts.target, c.target);
        EXPECT_EQ(parts.expression, c.expression);
    }
}

TEST(TransformList, RecordsFollowTheVisibleListThroughCorrectAndRemove) {
    TransformList list(SetupOf({"A", "B"}));
    ASSERT_FALSE(list.add("X = A"));
    ASSERT_FALSE(list.add("  Y = B  "));
    ASSERT_FALSE(list.add("Z = 1"));
    EXPECT_EQ(list.records()[1].text, "Y = B");
    EXPECT_EQ(list.takeForCorrection(1), "Y = B");
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.records()[0].target, "X");
    EXPECT_EQ(list.records()[1].target, "Z");
    list.remove(0);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.records()[0].target, "Z");
    EXPECT_EQ(list.records()[0].compiled.constants, std::vector<float>{1.0f});
    list.remove(5);
    EXPECT_EQ(list.takeForCorrection(-1), "");
    EXPECT_EQ(list.size(), 1);
}

TEST(TransformList, NewTargetsJoinTheVariableListOnce) {
    TransformList list(SetupOf({"A", "$2"}));
    for (const char* statement : {"Y = A", "Y = 2", "A = 1", "$2 = 1", "$1 = 3", "$3 = 4", "\"Z\" = 1"})
        ASSERT_FALSE(list.add(statement)) << statement;
    EXPECT_EQ(list.variableList(), (std::vector<std::string>{"A", "$2", "Y", "$3", "Z"}));
    // Resolution only knows the variables of the opening.
    EXPECT_EQ(list.add("W = Y")->code, TransformErrorCode::UnknownName);
}

TEST(TransformSetup, NamesCategoriesAndGroupsAsTheDialogOpens) {
    test::TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillNamedSheet(sheet, {"A", "", "C"}, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    test::SetCategorical(sheet, 3, 2, 5);
    sheet.state().caseGroups = 2;
    sheet.grdSInfo.setText(0, 0, "1");
    sheet.grdSInfo.setText(0, 1, "2");
    const TransformSetup setup = ReadTransformSetup(sheet);
    EXPECT_EQ(setup.variableCount, 3);
    EXPECT_EQ(setup.names, (std::vector<std::string>{"", "A", "$2", "C"}));
    EXPECT_EQ(setup.categories[3].count, 4);
    EXPECT_EQ(setup.categories[3].maximum, 5);
    EXPECT_EQ(setup.categories[3].minimum, 2);
    EXPECT_EQ(setup.categories[1].count, 0);
    EXPECT_EQ(setup.groupSizes, (std::vector<int>{1, 2}));
    EXPECT_EQ(setup.range.first, 1);
    EXPECT_EQ(setup.range.last, 3);
}

TEST(FormulaHistory, TenSlotsWithTheEmptyOneAtThePosition) {
    test::TestApp t;
    FormulaHistory history(t.app);
    for (int i = 1; i <= 12; ++i) history.store("Y = " + std::to_string(i));
    // Twelve statements: the oldest two are gone, the slot at the position is empty.
    EXPECT_EQ(t.app.state<FormulaRing>().position, 3);
    EXPECT_EQ(history.up(), "Y = 12");
    EXPECT_EQ(history.up(), "Y = 11");
    EXPECT_EQ(history.down(), "Y = 12");
    EXPECT_EQ(history.down(), "");
    for (int i = 0; i < 9; ++i) history.up();
    EXPECT_EQ(history.up(), "");  // all the way round: the empty slot again
    EXPECT_EQ(history.up(), "Y = 12");
    // A new dialog starts browsing at the frame's position.
    FormulaHistory later(t.app);
    EXPECT_EQ(later.down(), "Y = 4");
}

TEST(FormulaHistory, APositionOutOfTheRingStartsAtOne) {
    test::TestApp t;
    t.app.state<FormulaRing>().position = 0;
    FormulaHistory history(t.app);
    history.store("Y = 1");
    EXPECT_EQ(t.app.state<FormulaRing>().position, 2);
    EXPECT_EQ(t.app.state<FormulaRing>().texts[1], "Y = 1");
}

struct EditCase {
    const char* name;
    EditLine result;
    const char* text;
    std::size_t caret;
};

TEST(TransformEditLine, InsertionsSplitAtTheSelection) {
    const EditCase cases[] = {
        {"function at the caret", InsertFunctionTemplate("Y = 1 +  ", 8, 0, "SQR()"), "Y = 1 + SQR() ", 12},
        {"function over a selection", InsertFunctionTemplate("Y = A + B", 4, 1, "LAG(,)"), "Y = LAG(,) + B", 8},
        {"function into an empty line", InsertFunctionTemplate("", 0, 0, "ABS()"), " ABS() ", 5},
        {"variable", InsertVariableName("Y = ", 4, 0, "身長"), "Y =\"身長\"", 11},
        {"variable before text", InsertVariableName("Y = * 2", 4, 0, "A"), "Y =\"A\"* 2", 6},
        {"operator", InsertOperatorText("Y = A  B", 6, 0, "+"), "Y = A+B", 6},
        {"operator over a selection", InsertOperatorText("Y = A - B", 6, 1, "*"), "Y = A*B", 6},
        {"delete", DeleteSelection("Y = A + B", 5, 2), "Y = AB", 5},
        {"selection beyond the text", DeleteSelection("Y = A", 3, 99), "Y =", 3},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result.text, c.text);
        EXPECT_EQ(c.result.caret, c.caret);
    }
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>


#include "TransformTestSupport.h"
#include "sheet/Limits.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SingleTolerance.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"

namespace zoriduvo {
namespace {

// A sheet and the statements run on it as the dialog would: set up, added, run.
struct TransformRun {
    test::TestApp t;
    Sheet& sheet{t.app.sheet(NewSheet(t.app))};

    explicit TransformRun(const std::vector<std::string>& names, const std::vector<std::vector<std::string>>& rows = {}) {
        test::FillNamedSheet(sheet, names, rows);
    }
    std::optional<TransformError> run(const std::vector<std::string>& statements) {
        TransformList list(ReadTransformSetup(sheet));
        for (const std::string& statement : statements)
            if (auto error = list.add(statement)) {
                ADD_FAILURE() << statement << " was refused: " << MessageOf(error->code).text;
                return error;
            }
        return RunTransformation(t.app, sheet, list.setup(), list.records());
    }
    std::vector<std::string> column(int v) const { return test::ColumnTexts(sheet, v); }
    std::string name(int v) const { return std::string(sheet.grdVo.text(1, v + 1)); }
};

// "*" stands for any value (not a blank) where the digits are not the point.
void ExpectTexts(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (expected[i] == "*") EXPECT_FALSE(actual[i].empty()) << "case " << i + 1;
        else EXPECT_EQ(actual[i], expected[i]) << "case " << i + 1;
    }
}

struct ValueCase {
    const char* statement;
    std::vector<std::string> texts;
};

TEST(TransformRun, MissingValuesSpreadThroughEveryFamily) {
    // A: 1, blank, 4, 9   B: 2, 2, blank, 3
    const std::vector<std::vector<std::string>> rows = {{"1", "2"}, {"", "2"}, {"4", ""}, {"9", "3"}};
    const ValueCase cases[] = {
        {"Y = A + B", {"3", "", "", "12"}},
        {"Y = A - B", {"-1", "", "", "6"}},
        {"Y = A * B", {"2", "", "", "27"}},
        {"Y = A / B", {"0.5", "", "", "3"}},
        {"Y = A \\ B", {"0", "", "", "3"}},
        {"Y = A MOD B", {"1", "", "", "0"}},
        {"Y = A ^ B", {"1", "", "", "729"}},
        {"Y = -A", {"-1", "", "-4", "-9"}},
        {"Y = A < B", {"-1", "", "", "0"}},
        {"Y = A AND B", {"0", "", "", "1"}},
        {"Y = NOT A", {"-2", "", "-5", "-10"}},
        {"Y = SQR(A)", {"1", "", "2", "3"}},
        {"Y = LN(A)", {"0", "", "*", "*"}},
        {"Y = EXP(A)", {"*", "", "*", "*"}},
        {"Y = INT(A / 2)", {"0", "", "2", "4"}},
        {"Y = SGN(A)", {"1", "", "1", "1"}},
        {"Y = ABS(-A)", {"1", "", "4", "9"}},
        {"Y = RND(A)", {"*", "", "*", "*"}},
        {"Y = NRND(B)", {"*", "*", "", "*"}},
        {"Y = GROUP(B)", {"1", "1", "", "1"}},
        {"Y = SUM(A, B)", {"3", "", "", "12"}},
        {"Y = LAG(A, 1)", {"", "", "", "5"}},
        {"Y = RANK(A)", {"1", "", "2", "3"}},
        {"Y = STDVAL(A)", {"*", "", "*", "*"}},
        {"Y = $0 + A", {"2", "", "7", "13"}},
        {"Y = SQR(A - 2)", {"", "", "*", "*"}},
        // A false condition, or one computed from a blank, takes the ELSE value.
        {"IF A > 2 THEN Y = B ELSE Y = 0", {"0", "0", "", "3"}},
        {"IF A < 2 THEN Y = 5 ELSE Y = 6", {"5", "6", "6", "6"}},
        // A blank in the part not taken leaves the result alone; one in the part taken makes it blank.
        {"IF A > 2 THEN Y = 1 ELSE Y = B", {"2", "2", "1", "1"}},
        {"IF B > 2 THEN Y = 1 ELSE Y = A", {"1", "", "4", "1"}},
        {"IF A > 2 THEN Y = 1 ELSE Y = SQR(-A)", {"", "", "1", "1"}},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.statement);
        TransformRun r({"A", "B"}, rows);
        ASSERT_FALSE(r.run({c.statement}));
        ASSERT_EQ(r.sheet.variableCount(), 3);
        EXPECT_EQ(r.name(3), "Y");
        ExpectTexts(r.column(3), c.texts);
    }
}

TEST(TransformRun, IfWithoutElseKeepsTheTargetWhereTheConditionIsFalse) {
    TransformRun r({"A", "Y"}, {{"1", "10"}, {"", "20"}, {"4", "30"}, {"9", ""}});
    ASSERT_FALSE(r.run({"IF A > 2 THEN Y = 1", "IF A > 2 THEN Z = A"}));
    ExpectTexts(r.column(2), {"10", "20", "1", "1"});
    ExpectTexts(r.column(3), {"", "", "4", "9"});
}

TEST(TransformRun, AConditionComputedFromABlankIsNotTrue) {
    // A: 1, blank, 4   Y: 10, 20, 30
    const ValueCase cases[] = {
        {"IF A < 2 THEN Y = 5", {"5", "20", "30"}},
        {"IF NOT A THEN Y = 5", {"5", "20", "5"}},
        {"IF A <> 4 THEN Y = 5 ELSE Y = 6", {"5", "6", "6"}},
        {"IF SQR(A - 2) THEN Y = 5 ELSE Y = 6", {"6", "6", "5"}},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.statement);
        TransformRun r({"A", "Y"}, {{"1", "10"}, {"", "20"}, {"4", "30"}});
        ASSERT_FALSE(r.run({c.statement}));
        ExpectTexts(r.column(2), c.texts);
    }
}

TEST(TransformRun, FunctionsOfOtherCasesReadTheColumnAsItWasBeforeTheStatement) {
    const ValueCase cases[] = {
        {"X = LAG(X, 1)", {"", "2", "2"}},
        {"X = LAG(X, -1)", {"-2", "-2", ""}},
        {"IF $0 > 1 THEN X = LAG(X, 1)", {"1", "2", "2"}},
        {"X = RANK(X) * 10", {"10", "20", "30"}},
        {"X = STDVAL(X)", {"-1", "0", "1"}},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.statement);
        TransformRun r({"X"}, {{"1"}, {"3"}, {"5"}});
        ASSERT_FALSE(r.run({c.statement}));
        ExpectTexts(r.column(1), c.texts);
    }
}

TEST(TransformRun, ResultsAreShownThroughTheCellFormatter) {
    TransformRun r({"A"}, {{"1"}});
    ASSERT_FALSE(r.run({"B = A / 8", "C = 123456789000", "D = 0.00123", "E = 2.50", "F = -0.5", "G = 0.1 + 0.2",
                        "H = 0.0000000001", "I = 12345678"}));
    const std::vector<std::string> expected = {"0.125", "1.23457E+11", "0.00123", "2.5", "-0.5", "0.3", "1.E-10",
                                               "12345678"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(r.column(static_cast<int>(i) + 2)[0], expected[i]);
}

TEST(TransformRun, LaterStatementsSeeEarlierResults) {
    TransformRun r({"A"}, {{"1"}, {"2"}});
    ASSERT_FALSE(r.run({"A = A * 10", "B = A + 1", "A = $1 + 1"}));
    ExpectTexts(r.column(1), {"11", "21"});
    ExpectTexts(r.column(2), {"11", "21"});
}

TEST(TransformRun, RankGivesTiesTheMeanOfTheirPositions) {
    TransformRun r({"V"}, {{"5"}, {"3"}, {""}, {"5"}, {"1"}});
    ASSERT_FALSE(r.run({"R = RANK(V)"}));
    ExpectTexts(r.column(2), {"3.5", "2", "", "3.5", "1"});
}

TEST(TransformRun, StandardValuesOverTheRange) {
    TransformRun r({"V", "K"}, {{"2", "3"}, {"4", "3"}, {"4", "3"}, {"4", "3"}, {"5", "3"}, {"5", "3"}, {"7", "3"},
                                {"9", "3"}, {"", "3"}});
    ASSERT_FALSE(r.run({"Z = STDVAL(V)", "Y = STDVAL(K)"}));
    const double deviation = std::sqrt(32.0 / 7.0);
    const std::vector<double> values = {2, 4, 4, 4, 5, 5, 7, 9};
    const auto z = r.column(3);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_TRUE(test::SingleNear(static_cast<float>(LeadingNumber(z[i])), (values[i] - 5) / deviation)) << i;
    EXPECT_EQ(z[8], "");
    ExpectTexts(r.column(4), {"0", "0", "0", "0", "0", "0", "0", "0", "0"});
}

TEST(TransformRun, LagWithinTheRangeAndAcrossGroups) {
    TransformRun r({"A"}, {{"1"}, {"3"}, {"6"}, {"10"}, {"15"}});
    r.sheet.state().caseGroups = 2;
    r.sheet.grdSInfo.setText(0, 0, "2");
    r.sheet.grdSInfo.setText(0, 1, "3");
    // Whole rows of cases 2 to 4.
    r.sheet.grdVo.setCurrent(3, 2);
    r.sheet.grdVo.setSelectionEnd(5, 2);
    ASSERT_FALSE(r.run({"B = LAG(A, 1)", "C = LAG(A, -1)", "D = LAG(A, 1.5)", "E = LAG(A, $0)"}));
    // The start of the range has no case before it; the start of group 2 (case 3) has one.
    ExpectTexts(r.column(2), {"", "", "3", "4", ""});
    ExpectTexts(r.column(3), {"", "-3", "-4", "", ""});
    // 1.5: case c - 1.5 rounds halves to even (case 3 looks at case 2, case 4 at case 2 too).
    ExpectTexts(r.column(4), {"", "", "3", "7", ""});
    ExpectTexts(r.column(5), {"", "", "", "", ""});
}

TEST(TransformRun, SumOverTheVariablesBetween) {
    TransformRun r({"A", "B", "C"}, {{"1", "2", "3"}, {"1", "", "3"}});
    ASSERT_FALSE(r.run({"S = SUM(C, A)", "T = SUM(A, A)"}));
    ExpectTexts(r.column(4), {"6", ""});
    ExpectTexts(r.column(5), {"1", "1"});
}

TEST(TransformRun, GroupNumbersFromTheCaseGroups) {
    TransformRun r({"A"}, {{"1"}, {"1"}, {"1"}, {"1"}, {"1"}, {"1"}});
    ASSERT_FALSE(r.run({"G = GROUP(1)"}));
    ExpectTexts(r.column(2), {"1", "1", "1", "1", "1", "1"});
    r.sheet.state().caseGroups = 3;
    r.sheet.grdSInfo.setCols(3);
    for (int g = 0; g < 3; ++g) r.sheet.grdSInfo.setText(0, g, std::to_string(g + 1));
    ASSERT_FALSE(r.run({"G = GROUP(A)"}));
    ExpectTexts(r.column(2), {"1", "2", "2", "3", "3", "3"});
    // Sizes that stop short of the last case are no grouping, as the writer and sort read them.
    r.sheet.grdSInfo.setText(0, 2, "1");
    ASSERT_FALSE(r.run({"G = GROUP(A)"}));
    ExpectTexts(r.column(2), {"1", "1", "1", "1", "1", "1"});
}

TEST(TransformRun, RandomNumbersContinueTheProgramsSequence) {
    TransformRun r({"A"}, {{"1"}, {"1"}, {"1"}});
    test::FixedClock clock;
    SeededRandom expected(clock);
    r.t.random.seed(42);
    expected.seed(42);
    for (int run = 0; run < 2; ++run) {
        ASSERT_FALSE(r.run({"U = RND(1)"}));
        for (const std::string& text : r.column(2))
            EXPECT_EQ(text, FormatNumber(static_cast<float>(expected.next()), 12, 6, false));
    }
    ASSERT_FALSE(r.run({"N = NRND(1)"}));
    const double u1 = expected.next(), u2 = expected.next();
    const double normal = std::sqrt(-2.0 * std::log(u1)) * std::cos(u2 * 6.2831853);
    EXPECT_TRUE(test::SingleNear(static_cast<float>(LeadingNumber(r.column(3)[0])), normal));
}

TEST(TransformRun, ExpandAddsCategoricalDummies) {
    TransformRun r({"CAT"}, {{"2"}, {"2.5"}, {"7"}, {"1"}, {""}});
    test::SetCategorical(r.sheet, 1, 1, 3);
    ASSERT_FALSE(r.run({"T = EXPAND(CAT)"}));
    ASSERT_EQ(r.sheet.variableCount(), 4);
    ExpectTexts(r.column(2), {"0", "", "", "1", ""});
    ExpectTexts(r.column(3), {"1", "", "", "0", ""});
    ExpectTexts(r.column(4), {"0", "", "", "0", ""});
    for (int v = 2; v <= 4; ++v) {
        SCOPED_TRACE(v);
        const std::string name = "T_" + std::to_string(v - 1);
        EXPECT_EQ(r.name(v), name);
        EXPECT_EQ(r.sheet.grdVo.text(0, v + 1), std::to_string(v));
        EXPECT_EQ(r.sheet.grdVoLabel.text(0, v), name);
        EXPECT_EQ(r.sheet.grdVoLabel.text(1, v), "2");
        EXPECT_EQ(r.sheet.grdVoLabel.text(2, v), "1");
        EXPECT_EQ(r.sheet.grdVoLabel.text(3, v), "0");
    }
}

TEST(TransformRun, ExpandOfAZeroOneVariableMakesOneDummy) {
    TransformRun r({"F"}, {{"1"}, {"0"}, {""}});
    test::SetCategorical(r.sheet, 1, 0, 1);
    ASSERT_FALSE(r.run({"D = EXPAND(F)"}));
    ASSERT_EQ(r.sheet.variableCount(), 2);
    EXPECT_EQ(r.name(2), "D_1");
    ExpectTexts(r.column(2), {"1", "0", ""});
}

TEST(TransformRun, ExpandIntoAVariableInTheMiddleMovesTheLaterOnes) {
    TransformRun r({"CAT", "B", "C"}, {{"1", "7", "5"}, {"3", "8", "6"}, {"0.5", "9", "7"}});
    test::SetCategorical(r.sheet, 1, -1, 3);
    test::SetCategorical(r.sheet, 3, 5, 9);
    r.sheet.grdVoStat.setText(1, 3, "max of C");
    r.sheet.grdVo.setBackColour(2, 2, 4, 0xEEEEEE);
    // Y is compiled against C as variable 3; it must still read C once C has moved.
    ASSERT_FALSE(r.run({"B = EXPAND(CAT)", "Y = C * 2"}));
    ASSERT_EQ(r.sheet.variableCount(), 8);
    const std::vector<std::string> names = {"CAT", "B_1", "B_2", "B_3", "B_4", "B_5", "C", "Y"};
    for (int v = 1; v <= 8; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(r.name(v), names[v - 1]);
        EXPECT_EQ(r.sheet.grdVo.text(0, v + 1), std::to_string(v));
    }
    // The dummies of -1 .. 3; the non-integer 0.5 belongs to no category.
    ExpectTexts(r.column(2), {"0", "0", ""});
    ExpectTexts(r.column(3), {"0", "0", ""});
    ExpectTexts(r.column(4), {"1", "0", ""});
    ExpectTexts(r.column(5), {"0", "0", ""});
    ExpectTexts(r.column(6), {"0", "1", ""});
    // C moved with its data, definition and statistics.
    ExpectTexts(r.column(7), {"5", "6", "7"});
    EXPECT_EQ(r.sheet.grdVoLabel.text(0, 7), "C");
    EXPECT_EQ(r.sheet.grdVoLabel.text(1, 7), "5");
    EXPECT_EQ(r.sheet.grdVoStat.text(1, 7), "max of C");
    ExpectTexts(r.column(8), {"10", "12", "14"});
    EXPECT_EQ(r.sheet.grdVoLabel.cols(), r.sheet.grdVo.cols() - 1);
    EXPECT_EQ(r.sheet.grdVoStat.cols(), r.sheet.grdVo.cols() - 1);
    EXPECT_EQ(r.sheet.endCell(0), "9");
}

TEST(TransformRun, TargetsByNumberByLastNameOrNew) {
    TransformRun r({"A", "A", "B"}, {{"1", "2", "3"}});
    ASSERT_FALSE(r.run({"A = 7", "$3 = 8", "$1 = 9", "New = 1", "New = A + 1", "$5 = 5"}));
    ExpectTexts(r.column(1), {"9"});
    ExpectTexts(r.column(2), {"7"});
    ExpectTexts(r.column(3), {"8"});
    EXPECT_EQ(r.sheet.variableCount(), 5);
    EXPECT_EQ(r.name(4), "New");
    ExpectTexts(r.column(4), {"10"});
    EXPECT_EQ(r.name(5), "$5");
}

TEST(TransformRun, ANewVariableBeyondTheGridGrowsItWithSpareColumns) {
    std::vector<std::string> names;
    std::vector<std::string> row;
    for (int v = 1; v <= 20; ++v) names.push_back("V" + std::to_string(v)), row.push_back("1");
    TransformRun r(names, {row});
    ASSERT_EQ(r.sheet.grdVo.cols(), 22);
    ASSERT_FALSE(r.run({"Y = V1 + 1"}));
    EXPECT_EQ(r.sheet.grdVo.cols(), 28);
    EXPECT_EQ(r.sheet.grdVoLabel.cols(), 27);
    EXPECT_EQ(r.sheet.grdVoStat.cols(), 27);
    EXPECT_EQ(r.sheet.endCell(0), "22");
    EXPECT_EQ(r.sheet.grdVo.text(0, 22), "21");
    EXPECT_EQ(r.name(21), "Y");
    EXPECT_EQ(r.sheet.grdVoLabel.text(0, 21), "Y");
    EXPECT_EQ(r.sheet.grdVoLabel.text(1, 21), "0");
    EXPECT_EQ(r.sheet.grdVo.colWidth(27), 1200);
    ExpectTexts(r.column(21), {"2"});
}

TEST(TransformRun, CaseRangeFromWholeRowsOrTheStoredRange) {
    const std::vector<std::vector<std::string>> rows = {{"1", "0"}, {"2", "0"}, {"3", "0"}, {"4", "0"}};
    {
        SCOPED_TRACE("whole rows of cases 2 and 3");
        TransformRun r({"A", "B"}, rows);
        r.sheet.grdVo.setCurrent(4, 3);
        r.sheet.grdVo.setSelectionEnd(3, 2);
        ASSERT_FALSE(r.run({"B = A", "C = A"}));
        ExpectTexts(r.column(2), {"0", "2", "3", "0"});
        ExpectTexts(r.column(3), {"", "2", "3", ""});
    }
    {
        SCOPED_TRACE("the stored range");
        TransformRun r({"A", "B"}, rows);
        r.sheet.state().rangeSelection = true;
        r.sheet.grdSInfo.setText(1, 0, "3");
        r.sheet.grdSInfo.setText(1, 1, "4");
        ASSERT_FALSE(r.run({"B = A"}));
        ExpectTexts(r.column(2), {"0", "0", "3", "4"});
        // Whole rows win over the stored range.
        r.sheet.grdVo.setCurrent(2, 2);
        r.sheet.grdVo.setSelectionEnd(2, 3);
        ASSERT_FALSE(r.run({"B = A * 10"}));
        ExpectTexts(r.column(2), {"10", "0", "3", "4"});
    }
    {
        SCOPED_TRACE("a selection that is not whole rows");
        TransformRun r({"A", "B"}, rows);
        r.sheet.grdVo.setCurrent(3, 3);
        r.sheet.grdVo.setSelectionEnd(4, 3);
        ASSERT_FALSE(r.run({"B = A"}));
        ExpectTexts(r.column(2), {"1", "2", "3", "4"});
    }
}

TEST(TransformRun, StatisticsBlocksGoAndTheSheetIsModified) {
    for (const bool valid : {true, false}) {
        SCOPED_TRACE(valid ? "blocks over all cases" : "a block over part of the cases");
        TransformRun r({"A", "B"}, {{"1", "2"}, {"3", "4"}});
        const int n = r.sheet.caseCount();
        if (r.sheet.grdVo.rows() < n + 12) r.sheet.grdVo.setRows(n + 12);
        for (int row = n + 3; row <= n + 8; ++row)
            for (int col = 1; col <= 3; ++col) r.sheet.grdVo.setText(row, col, "block");
        r.sheet.state().statisticsBlocks = 1;
        r.sheet.setStatisticsValid(valid);
        r.sheet.setModified(false);
        ASSERT_FALSE(r.run({"A = B"}));
        for (int row = n + 2; row <= n + 8; ++row)
            for (int col = 1; col <= 3; ++col) EXPECT_EQ(r.sheet.grdVo.text(row, col), "") << row << "," << col;
        EXPECT_FALSE(r.sheet.statisticsValid());
        EXPECT_EQ(r.sheet.state().statisticsBlocks, 0);
        EXPECT_TRUE(r.sheet.modified());
    }
}

// Everything of the sheet a run could change.
std::vector<std::string> Snapshot(const Sheet& sheet) {
    std::vector<std::string> all{sheet.endCell(0), sheet.endCell(1), std::to_string(sheet.grdVo.cols()),
                                 sheet.modified() ? "modified" : "", sheet.statisticsValid() ? "valid" : ""};
    for (const Grid* grid : {&sheet.grdVo, &sheet.grdVoLabel, &sheet.grdVoStat})
        for (int row = 0; row < grid->rows(); ++row)
            for (int col = 0; col < grid->cols(); ++col) all.emplace_back(grid->text(row, col));
    return all;
}

TEST(TransformRun, ARefusedRunLeavesTheSheetAsItWas) {
    TransformRun r({"CAT"}, {{"1"}, {"2"}});
    test::SetCategorical(r.sheet, 1, 1, 15);
    r.sheet.setStatisticsValid(true);
    r.sheet.setModified(false);
    const auto before = Snapshot(r.sheet);
    TransformList list(ReadTransformSetup(r.sheet));
    ASSERT_FALSE(list.add("T = EXPAND(CAT)"));
    for (int i = 1; i <= 6; ++i) ASSERT_FALSE(list.add("N" + std::to_string(i) + " = CAT"));
    test::ChangeRecorder changes(r.t.app.bus);
    EXPECT_FALSE(ExecuteTransformation(r.t.app, r.sheet, list));
    ASSERT_EQ(r.t.ui.messages.size(), 1u);
    EXPECT_EQ(r.t.ui.messages[0].text, "一度の変換で新しく作れる変数は20個までです");
    EXPECT_EQ(r.t.ui.messages[0].title, "変数変換");
    EXPECT_EQ(Snapshot(r.sheet), before);
    EXPECT_TRUE(changes.changes.empty());
    EXPECT_EQ(r.t.ui.busyDepth, 0);
    // Twenty new variables are allowed.
    list.remove(6);
    EXPECT_TRUE(ExecuteTransformation(r.t.app, r.sheet, list));
    EXPECT_EQ(r.sheet.variableCount(), 21);
}

struct RunRefusalCase {
    const char* name;
    int variables;
    std::vector<std::string> statements;
    const char* text;
};

// Each refused before the sheet changes: no room, or a "$n" name that "$n" would never read.
TEST(TransformRun, NewVariablesThatCannotBeAddedAreRefusedWithTheirReason) {
    const RunRefusalCase cases[] = {
        {"a full sheet", kMaxVariables, {"Y = 1"}, "変数の数が 32767 に達しているので、新しい変数を作れません"},
        {"a number beyond the next variable", 3, {"$9 = 1"}, "代入する変数の番号が誤りです"},
        {"a number past the variable another statement adds", 3, {"N = 1", "$6 = 1"}, "代入する変数の番号が誤りです"},
    };
    for (const RunRefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> names(c.variables), row(c.variables, "1");
        for (int v = 0; v < c.variables; ++v) names[v] = "V" + std::to_string(v + 1);
        TransformRun r(names, {row});
        TransformList list(ReadTransformSetup(r.sheet));
        for (const std::string& statement : c.statements) ASSERT_FALSE(list.add(statement));
        EXPECT_FALSE(ExecuteTransformation(r.t.app, r.sheet, list));
        ASSERT_EQ(r.t.ui.messages.size(), 1u);
        EXPECT_EQ(r.t.ui.messages[0].text, c.text);
        EXPECT_EQ(r.sheet.variableCount(), c.variables);
    }
}

TEST(TransformRun, ThirtyTwoThousandCasesInOneReset) {
    const int n = 32767;
    std::vector<std::vector<std::string>> rows;
    for (int c = 1; c <= n; ++c) rows.push_back({std::to_string(c % 100), std::to_string(c)});
    TransformRun r({"A", "B"}, rows);
    test::ChangeRecorder changes(r.t.app.bus);
    ASSERT_FALSE(r.run({"Y = A * 2 + RANK(B)", "Z = LAG(B, 1) + STDVAL(A) + SUM(A, B)", "IF A > 50 THEN B = -B"}));
    EXPECT_EQ(changes.count(ChangeKind::Cell), 0);
    EXPECT_EQ(changes.count(ChangeKind::Names), 0);
    EXPECT_EQ(changes.count(ChangeKind::Reset), 1);
    const auto y = r.column(3), b = r.column(2);
    EXPECT_EQ(y[0], "3");
    EXPECT_EQ(y[n - 1], FormatNumber(2 * (n % 100) + n));
    EXPECT_EQ(b[50], "-51");
    EXPECT_EQ(b[49], "50");
    EXPECT_EQ(r.column(4)[0], "");
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include "TransformTestSupport.h"
#include "transform/ExpressionCompiler.h"
#include "transform/StatementForm.h"

namespace zoriduvo {
namespace {

using test::Disassemble;
using test::SetupOf;

TEST(TransformCompiler, WorkedExampleCompilesToTheGivenCode) {
    const TransformSetup setup = SetupOf({"X"});
    const StatementParts parts = SplitStatement("IF X > 0 THEN Y = LOG(X) ELSE Y = -1");
    ASSERT_FALSE(parts.error);
    EXPECT_EQ(parts.target, "Y");
    const CompileResult r = CompileExpression(parts.expression, setup);
    ASSERT_FALSE(r.error);
    // X, constant 1, ">", X, "LOG", constant 2, IF with three operands, end marker.
    EXPECT_EQ(r.expression.code, (std::vector<std::int16_t>{1, -1, -172, 1, -301, -2, -110, 0}));
    EXPECT_EQ(r.expression.constants, (std::vector<float>{0.0f, -1.0f}));
}

struct CodeCase {
    const char* expression;
    const char* code;
};

TEST(TransformCompiler, PrecedenceMinusRuleAndOperands) {
    const TransformSetup setup = SetupOf({"A", "B", "C", "A B"});
    const CodeCase cases[] = {
        // Every two-operand operator groups from the left, "^" included.
        {"2^3^2", "#2 #3 ^ #2 ^"},
        {"A - B - C", "A B - C -"},
        {"A / B / C", "A B / C /"},
        // The minus rule.
        {"-2^2", "#2 #2 ^ neg"},
        {"-A^2", "A #2 ^ neg"},
        {"2^-A", "#2 A xneg ^"},
        {"2^-1", "#2 #-1 ^"},
        {"A-1", "A #1 -"},
        {"A - -1", "A #-1 -"},
        {"A*-B", "A B neg *"},
        {"-A*B", "A neg B *"},
        {"(-1)", "#-1"},
        {"(-A)", "A neg"},
        {"A = -1", "A #-1 ="},
        {"NOT -A", "A neg NOT"},
        {"LAG(A, -1)", "A #-1 LAG"},
        {"-.5", "#0.5 neg"},
        // Loosest to tightest: OR, AND, NOT, comparisons, + -, MOD, \, * /, unary minus, ^.
        {"A OR B AND C", "A B C AND OR"},
        {"A AND B OR C", "A B AND C OR"},
        {"NOT A = B", "A B = NOT"},
        {"A AND NOT B", "A B NOT AND"},
        {"A + B = C", "A B + C ="},
        {"A + B * C", "A B C * +"},
        {"7 MOD 2 * 3", "#7 #2 #3 * MOD"},
        {"A \\ B MOD C", "A B \\ C MOD"},
        {"A MOD B \\ C", "A B C \\ MOD"},
        {"A MOD B + C", "A B MOD C +"},
        {"(A + B) * C", "A B + C *"},
        {"SQR(A)^2", "A SQR #2 ^"},
        {"-SQR(A + 1)", "A #1 + SQR neg"},
        // Comparison pairs.
        {"A=<B", "A B <="},
        {"A<=B", "A B <="},
        {"A=>B", "A B >="},
        {"A>=B", "A B >="},
        {"A><B", "A B <>"},
        {"A<>B", "A B <>"},
        {"A<B", "A B <"},
        {"A>B", "A B >"},
        // Numbers.
        {"1.5E-3", "#0.0015"},
        {"2e+2", "#200"},
        {"3E", "#3"},
        {".5", "#0.5"},
        {"007", "#7"},
        // Names, numbers of variables and the case number.
        {"$0", "$0"},
        {"$2 + $0", "B $0 +"},
        {"\"A B\" * 2", "A B #2 *"},
        {"\"$3\"", "C"},
        {"sqr(A)", "A SQR"},
        {"a MoD 2", nullptr},
        {"SUM(A, C)", "A C SUM"},
        {"LAG(A, $0)", "A $0 LAG"},
        {"LAG(A, B)", "A B LAG"},
        {"RANK(B) / STDVAL(C)", "B RANK C STDVAL /"},
        {"RND(1) + NRND(1) + GROUP(1)", "#1 RND #1 NRND + #1 GROUP +"},
        // Conditionals.
        {"IF A THEN B ELSE C", "A B C IF3"},
        {"IF A THEN B", "A B IF2"},
        {"if A > 1 then B else -C", "A #1 > B C neg IF3"},
        {"IF A OR B THEN C + 1 ELSE 2", "A B OR C #1 + #2 IF3"},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const CompileResult r = CompileExpression(c.expression, setup);
        if (c.code == nullptr) {
            ASSERT_TRUE(r.error);
            EXPECT_EQ(r.error->code, TransformErrorCode::UnknownName);  // names are matched exactly
            continue;
        }
        ASSERT_FALSE(r.error) << static_cast<int>(r.error->code);
        EXPECT_EQ(Disassemble(r.expression, setup), c.code);
        EXPECT_EQ(r.expression.code.back(), 0);
    }
}

TEST(TransformCompiler, MinusBeforeAPowerNegatesThePowerWhereverItStands) {
    const TransformSetup setup = SetupOf({"A"});
    const CodeCase cases[] = {
        {"(-2^2)", "#2 #2 ^ neg"},
        {"1 + -2^2", "#1 #2 #2 ^ neg +"},
        {"IF A THEN -2 ^ 2", "A #2 #2 ^ neg IF2"},
        {"A = -.5^2", "A #0.5 #2 ^ neg ="},
        {"2^-2^2", "#2 #-2 ^ #2 ^"},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const CompileResult r = CompileExpression(c.expression, setup);
        ASSERT_FALSE(r.error) << static_cast<int>(r.error->code);
        EXPECT_EQ(Disassemble(r.expression, setup), c.code);
    }
}

TEST(TransformCompiler, FirstOfTwoEqualNamesWinsAndKeywordNamesNeedTheirNumber) {
    const TransformSetup setup = SetupOf({"A", "A", "SUM"});
    EXPECT_EQ(CompileExpression("A", setup).expression.code, (std::vector<std::int16_t>{1, 0}));
    EXPECT_EQ(CompileExpression("$3", setup).expression.code, (std::vector<std::int16_t>{3, 0}));
    const CompileResult quoted = CompileExpression("\"SUM\"", setup);
    ASSERT_TRUE(quoted.error);
    EXPECT_EQ(quoted.error->code, TransformErrorCode::UnfinishedExpression);
}

TEST(TransformCompiler, NumbersOfVariablesAreCheckedAgainstTheCount) {
    const TransformSetup setup = SetupOf({"A", "B", "C", "D", "E"});
    EXPECT_FALSE(CompileExpression("$5", setup).error);
    for (const char* text : {"$7", "$99999999999999999999"}) {
        SCOPED_TRACE(text);
        const CompileResult r = CompileExpression(text, setup);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->code, TransformErrorCode::BadVariableNumber);
    }
    // Not the plain form of a number: an unknown name.
    for (const char* text : {"$05", "$+1", "$", "$1A"}) {
        SCOPED_TRACE(text);
        const CompileResult r = CompileExpression(text, setup);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.error->code, TransformErrorCode::UnknownName);
    }
}

struct RefusalCase {
    const char* expression;
    TransformErrorCode code;
};

TEST(TransformCompiler, RefusalsCarryTheirCode) {
    const TransformSetup setup =
        SetupOf({"A", "B", "C", "CAT", "BIG", "NEG"}, {{4, {3, 3, 1}}, {5, {30, 30, 1}}, {6, {-3, 1, 5}}});
    using E = TransformErrorCode;
    const RefusalCase cases[] = {
        {"A B", E::SyntaxError},
        {"A (B)", E::SyntaxError},
        {"(A) B", E::SyntaxError},
        {"A + * B", E::SyntaxError},
        {"()", E::SyntaxError},
        {"RND()", E::SyntaxError},
        {"LAG(A, -B)", E::SyntaxError},
        {"LAG(A, (1))", E::SyntaxError},
        {"SUM(A, SQR(B))", E::SyntaxError},
        {"SQR A", E::FunctionNeedsBracket},
        {"SQR  + A", E::FunctionNeedsBracket},
        {"A THEN B", E::IfStructure},
        {"A + IF B THEN C", E::IfStructure},
        {"IF A ELSE B", E::IfStructure},
        {"IF A THEN B THEN C", E::IfStructure},
        {"IF A", E::IfStructure},
        {"IF A THEN", E::IfStructure},
        {"IF A THEN B ELSE", E::IfStructure},
        {"IF (A THEN B) ELSE C", E::IfStructure},
        {"FOO", E::UnknownName},
        {"\"a\"", E::UnknownName},
        {"SQR(A, B)", E::CommaNotExpected},
        {"A, B", E::CommaNotExpected},
        {"SUM(A + B, C)", E::CommaNotExpected},
        {"(A + 1", E::CloseBracketNeeded},
        {"A + 1)", E::CloseBracketNeeded},
        {"SQR(A", E::CloseBracketNeeded},
        {"(", E::CloseBracketNeeded},
        {"SUM(A)", E::CommaNeeded},
        {"SUM(A))", E::CommaNeeded},
        {"SUM(A, 1)", E::VariableNameOnly},
        {"SUM($0, A)", E::VariableNameOnly},
        {"RANK(A + 1)", E::VariableNameOnly},
        {"STDVAL(2)", E::VariableNameOnly},
        {"LAG(3, 1)", E::VariableNameOnly},
        {"EXPAND($0)", E::VariableNameOnly},
        {"EXPAND(A)", E::NotCategorical},
        {"EXPAND(NEG)", E::NotCategorical},
        {"EXPAND(BIG)", E::NotEnoughCells},
        {"1.2.3", E::BadNumber},
        {"A + ..5", E::BadNumber},
        {"1E39", E::NumberTooLarge},
        {"A % 2", E::PercentSign},
        {"A +", E::UnfinishedExpression},
        {"SQR", E::UnfinishedExpression},
        {"NOT", E::UnfinishedExpression},
        {"NOT NOT A", E::OperandMismatch},
        {"-NOT A", E::OperandMismatch},
        {"A = = B", E::OperandMismatch},
        {"IF A > THEN B", E::OperandMismatch},
        {"LAG(A, B + 1)", E::LagSecondArgument},
        {"EXPAND(CAT) + 1", E::ExpandNotAlone},
        {"IF A THEN EXPAND(CAT)", E::ExpandNotAlone},
        {"1+1+1+1+1+1+1+1+1+1+1", E::ExpressionTooLong},
        {"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", E::CommaNotExpected},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const CompileResult r = CompileExpression(c.expression, setup);
        ASSERT_TRUE(r.error);
        EXPECT_EQ(static_cast<int>(r.error->code), static_cast<int>(c.code));
        EXPECT_TRUE(r.expression.code.empty()) << "a refused statement leaves no code";
    }
}

TEST(TransformCompiler, ErrorsPointAtTheFailingToken) {
    const TransformSetup setup = SetupOf({"A"});
    EXPECT_EQ(CompileExpression("A + FOO", setup).error->position, 4);
    EXPECT_EQ(CompileExpression("A  A", setup).error->position, 3);
    EXPECT_EQ(CompileExpression("(A", setup).error->position, 0);
}

TEST(TransformCompiler, TwentyEntriesAndTwentyConstantsAreTheLimit) {
    const TransformSetup setup = SetupOf({"A"});
    // 10 operands and 9 operators: 19 entries and the end marker.
    EXPECT_FALSE(CompileExpression("A+A+A+A+A+A+A+A+A+A", setup).error);
    EXPECT_EQ(CompileExpression("A+A+A+A+A+A+A+A+A+A+A", setup).error->code, TransformErrorCode::ExpressionTooLong);
    // THEN and ELSE stand in the code until IF replaces them, which must not count against a statement.
    const CompileResult conditional = CompileExpression("IF -A THEN A+A+A+A+A ELSE A+A+A+A", setup);
    ASSERT_FALSE(conditional.error);
    EXPECT_EQ(conditional.expression.code.size(), 20u);
    EXPECT_EQ(CompileExpression("-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(-(1))))))))))))))))))))", setup).error->code,
              TransformErrorCode::ExpressionTooLong);
}

TEST(TransformCompiler, CodeBalanceCheck) {
    EXPECT_TRUE(CodeIsBalanced({1, 2, -180, 0}));
    EXPECT_FALSE(CodeIsBalanced({1, -180, 0}));
    EXPECT_FALSE(CodeIsBalanced({1, 2, 0}));
    EXPECT_FALSE(CodeIsBalanced({1, 2, -180}));
    EXPECT_FALSE(CodeIsBalanced({1, -120, 0}));  // a THEN left in the code
    EXPECT_FALSE(CodeIsBalanced({}));
}

}  // namespace
}  // namespace zoriduvo

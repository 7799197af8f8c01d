#include <gtest/gtest.h>

#include <random>

#include "TransformTestSupport.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"

namespace zoriduvo {
namespace {

struct LongCase {
    const char* name;
    std::string statement;
    TransformErrorCode code;
};

std::string Repeat(const std::string& part, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += part;
    return out;
}

TEST(TransformRobustness, HugeAndDeepStatementsAreRefusedQuickly) {
    using E = TransformErrorCode;
    const LongCase cases[] = {
        {"deep brackets", "Y = " + Repeat("(", 5000) + "A" + Repeat(")", 5000), E::ExpressionTooLong},
        {"deep functions", "Y = " + Repeat("SQR(", 5000) + "A" + Repeat(")", 5000), E::ExpressionTooLong},
        {"long sum", "Y = A" + Repeat("+A", 5000), E::ExpressionTooLong},
        {"many minus signs", "Y = " + Repeat("-", 10000) + "A", E::SyntaxError},
        {"many NOT", "Y = " + Repeat("NOT ", 3000) + "A", E::ExpressionTooLong},
        {"long word", "Y = " + Repeat("Q", 10000), E::UnknownName},
        {"open quote", "Y = \"" + Repeat("Q", 10000), E::UnknownName},
        {"long number", "Y = 1" + Repeat("0", 10000), E::NumberTooLarge},
        {"long fraction", "Y = 0." + Repeat("0", 10000) + "1 +", E::UnfinishedExpression},
        {"long exponent", "Y = 1E" + Repeat("9", 10000), E::NumberTooLarge},
        {"blanks only", "Y = " + Repeat(" ", 10000), E::EmptyExpression},
        {"long IF", "IF " + Repeat("A AND ", 2000) + "A THEN Y = 1", E::ExpressionTooLong},
        {"many commas", "Y = SUM(A" + Repeat(", A", 5000) + ")", E::CommaNotExpected},
        {"huge variable number", "Y = $" + Repeat("9", 10000), E::BadVariableNumber},
        {"long target", Repeat("Y", 10000) + " = " + Repeat("1 + ", 3000) + "1", E::ExpressionTooLong},
    };
    for (const LongCase& c : cases) {
        SCOPED_TRACE(c.name);
        TransformList list(test::SetupOf({"A"}));
        const auto error = list.add(c.statement);
        ASSERT_TRUE(error);
        EXPECT_EQ(static_cast<int>(error->code), static_cast<int>(c.code));
    }
}

// Statements made of random tokens: each is refused or compiles to code that is balanced, within
// the limits, and runs.
TEST(TransformRobustness, RandomTokenStatementsCompileSoundlyAndRun) {
    const std::vector<std::string> alphabet = {
        "A", "B", "CAT", "$0", "$1", "$3", "$9", "1", "-1", "2.5", "1E3", "0", ".5", "(", ")", ",", "+", "-", "*",
        "/", "\\", "^", "%", "=", "<", ">", "<>", "=<", "MOD", "AND", "OR", "NOT", "IF", "THEN", "ELSE", "SQR",
        "LOG", "LN", "EXP", "INT", "SGN", "ABS", "LAG", "SUM", "RANK", "STDVAL", "GROUP", "EXPAND", "RND", "NRND",
        "\"A\"", "\"", "1.2.3", "Q", "1E39"};
    std::mt19937 random(20240601);
    auto soup = [&](int most) {
        std::string out;
        const int n = 1 + static_cast<int>(random() % most);
        for (int i = 0; i < n; ++i) out += alphabet[random() % alphabet.size()] + (random() % 2 ? " " : "");
        return out;
    };
    test::TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillNamedSheet(sheet, {"A", "B", "CAT"}, {{"1", "-2", "1"}, {"", "0.5", "2"}, {"3", "4", ""}, {"0", "1", "3"}});
    test::SetCategorical(sheet, 3, 1, 3);
    const TransformSetup setup = ReadTransformSetup(sheet);
    int accepted = 0;
    for (int i = 0; i < 40000; ++i) {
        const std::string statement = i % 4 == 0 ? "IF " + soup(8) + " THEN Y = " + soup(8) + " ELSE Y = " + soup(6)
                                                 : "Y = " + soup(12);
        TransformList list(setup);
        if (list.add(statement)) continue;
        SCOPED_TRACE(statement);
        ++accepted;
        const CompiledExpression& e = list.records()[0].compiled;
        ASSERT_TRUE(CodeIsBalanced(e.code));
        ASSERT_LE(e.code.size(), 20u);
        ASSERT_LE(e.constants.size(), 20u);
        for (std::size_t k = 0; k < e.code.size(); ++k) {
            ASSERT_NE(e.code[k], -kOpThen);
            ASSERT_NE(e.code[k], -kOpElse);
            ASSERT_LE(e.code[k], 3);
            if (e.code[k] == -kFnExpand) {
                ASSERT_EQ(e.code.size(), 3u);
            }
        }
        ASSERT_FALSE(RunTransformation(t.app, sheet, list.setup(), list.records()));
        ASSERT_LE(sheet.variableCount(), 6);
    }
    EXPECT_GT(accepted, 200) << "the token soup should let some statements through";
}

TEST(TransformRobustness, RandomBytesNeverFail) {
    std::mt19937 random(7);
    const std::string bytes = "AB$0123456789.,()+-*/\\^%=<>\" \tIFTHENELSEMODANDORNOT\xE3\x81\x82\xFF\x01";
    for (int i = 0; i < 20000; ++i) {
        std::string statement;
        const int n = static_cast<int>(random() % 60);
        for (int k = 0; k < n; ++k) statement += bytes[random() % bytes.size()];
        TransformList list(test::SetupOf({"A", "B"}));
        const auto error = list.add(statement);
        if (error) {
            EXPECT_NE(MessageOf(error->code).text, "") << statement;
        }
    }
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <cmath>

#include "support/SingleTolerance.h"
#include "transform/Arithmetic.h"
#include "transform/OperationCodes.h"

namespace zoriduvo {
namespace {

struct OperatorCase {
    const char* name;
    int code;
    float left, right;
    bool ok;
    double result;
};

TEST(TransformArithmetic, Operators) {
    const OperatorCase cases[] = {
        {"0.1 + 0.2 through their texts", kOpAdd, 0.1f, 0.2f, true, 0.3f},
        {"1 - 0.9", kOpSubtract, 1.0f, 0.9f, true, 0.1f},
        {"0.1 * 3", kOpMultiply, 0.1f, 3.0f, true, 0.3f},
        {"1 / 3", kOpDivide, 1.0f, 3.0f, true, 1.0f / 3.0f},
        {"1 / 0", kOpDivide, 1.0f, 0.0f, false, 0},
        {"7 \\ 2", kOpIntDivide, 7, 2, true, 3},
        {"-7 \\ 2", kOpIntDivide, -7, 2, true, -3},
        {"2.5 \\ 1 halves to even", kOpIntDivide, 2.5f, 1, true, 2},
        {"3.5 \\ 1 halves to even", kOpIntDivide, 3.5f, 1, true, 4},
        {"5 \\ 0.4: divisor rounds to 0", kOpIntDivide, 5, 0.4f, false, 0},
        {"-2^31 \\ -1: seven digits put it beyond 32 bits", kOpIntDivide, -2147483648.0f, -1, false, 0},
        {"-1000000 \\ -1", kOpIntDivide, -1e6f, -1, true, 1e6},
        {"1E10 \\ 1: beyond 32 bits", kOpIntDivide, 1e10f, 1, false, 0},
        {"7 MOD -2", kOpMod, 7, -2, true, 1},
        {"-7 MOD 2", kOpMod, -7, 2, true, -1},
        {"7 MOD 0.4", kOpMod, 7, 0.4f, false, 0},
        {"(-2)^3", kOpPower, -2, 3, true, -8},
        {"(-8)^(1/3)", kOpPower, -8, 1.0f / 3.0f, false, 0},
        {"2^0.5", kOpPower, 2, 0.5f, true, std::sqrt(2.0)},
        {"0^-1 has no value", kOpPower, 0, -1, false, 0},
        {"10^39 beyond the single range", kOpPower, 10, 39, false, 0},
        {"3E38 + 3E38", kOpAdd, 3e38f, 3e38f, false, 0},
        {"1E38 * 10", kOpMultiply, 1e38f, 10, false, 0},
        {"1 = 1", kOpEqual, 1, 1, true, -1},
        {"1 < 2", kOpLess, 1, 2, true, -1},
        {"1 > 2", kOpGreater, 1, 2, true, 0},
        {"2 <= 2", kOpLessEqual, 2, 2, true, -1},
        {"1 >= 2", kOpGreaterEqual, 1, 2, true, 0},
        {"1 <> 2", kOpNotEqual, 1, 2, true, -1},
        {"12 AND 10", kOpAnd, 12, 10, true, 8},
        {"12 OR 3", kOpOr, 12, 3, true, 15},
        {"2.5 AND 3: halves to even", kOpAnd, 2.5f, 3, true, 2},
        {"1E10 AND 1: clamped", kOpAnd, 1e10f, 1, true, 1},
        {"-1E10 OR 0: clamped", kOpOr, -1e10f, 0, true, -2147483648.0},
        {"-1 AND -1", kOpAnd, -1, -1, true, -1},
    };
    for (const OperatorCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = ApplyOperator(c.code, c.left, c.right);
        EXPECT_EQ(o.ok, c.ok);
        if (c.ok) EXPECT_TRUE(test::SingleNear(o.value, c.result));
        else EXPECT_EQ(o.value, c.right) << "the right operand stands in";
    }
    // Through the decimal texts the sum is exactly the single nearest to 0.3.
    EXPECT_EQ(ApplyOperator(kOpAdd, 0.1f, 0.2f).value, 0.3f);
    EXPECT_EQ(ViaText(0.1f), 0.1);
}

struct FunctionCase {
    const char* name;
    int code;
    float x;
    bool ok;
    double result;
};

TEST(TransformArithmetic, NegationsNotAndFunctions) {
    const FunctionCase cases[] = {
        {"-X", kOpNegate, 2.5f, true, -2.5},
        {"exponent negation", kOpNegateExponent, -1, true, 1},
        {"NOT 0", kOpNot, 0, true, -1},
        {"NOT -1", kOpNot, -1, true, 0},
        {"NOT 1", kOpNot, 1, true, -2},
        {"SQR(4)", kFnSqr, 4, true, 2},
        {"SQR(-1)", kFnSqr, -1, false, 0},
        {"LOG(100)", kFnLog, 100, true, 2},
        {"LOG(-5)", kFnLog, -5, false, 0},
        {"LOG(0)", kFnLog, 0, false, 0},
        {"LN(1)", kFnLn, 1, true, 0},
        {"LN(0)", kFnLn, 0, false, 0},
        {"EXP(0)", kFnExp, 0, true, 1},
        {"EXP(88.7)", kFnExp, 88.7f, true, std::exp(static_cast<double>(88.7f))},
        {"EXP(89)", kFnExp, 89, false, 0},
        {"INT(2.7)", kFnInt, 2.7f, true, 2},
        {"INT(-2.5)", kFnInt, -2.5f, true, -3},
        {"SGN(-3)", kFnSgn, -3, true, -1},
        {"SGN(0)", kFnSgn, 0, true, 0},
        {"SGN(0.1)", kFnSgn, 0.1f, true, 1},
        {"ABS(-3)", kFnAbs, -3, true, 3},
    };
    for (const FunctionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = c.code >= kFirstFunction ? ApplyFunction(c.code, c.x) : ApplyUnary(c.code, c.x);
        EXPECT_EQ(o.ok, c.ok);
        if (c.ok) EXPECT_TRUE(test::SingleNear(o.value, c.result));
        else EXPECT_EQ(o.value, c.x) << "the argument stands in";
    }
}

TEST(TransformArithmetic, NormalDrawFromTwoUniforms) {
    // sqrt(-2 ln u1) cos(u2 x 6.2831853)
    EXPECT_TRUE(test::SingleNear(NormalFromUniforms(std::exp(-0.5), 0, 7).value, 1.0));
    EXPECT_TRUE(test::SingleNear(NormalFromUniforms(std::exp(-2.0), 0.5, 7).value, -2.0));
    const Outcome zero = NormalFromUniforms(0, 0.3, 7);
    EXPECT_FALSE(zero.ok);
    EXPECT_EQ(zero.value, 7);
}

}  // namespace
}  // namespace zoriduvo

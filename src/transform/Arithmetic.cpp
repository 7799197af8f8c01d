#include "transform/Arithmetic.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "text/NumberText.h"
#include "transform/OperationCodes.h"

namespace zoriduvo {

namespace {

constexpr float kLargestExponent = 88.72283f;

Outcome Single(double result, float standIn) {
    if (!std::isfinite(result) || std::fabs(result) > static_cast<double>(FLT_MAX)) return {standIn, false};
    return {ToSingle(result), true};
}

Outcome Failed(float standIn) { return {standIn, false}; }

Outcome Truth(bool b) { return {b ? -1.0f : 0.0f, true}; }

// AND, OR and NOT work on 32-bit integers; values beyond that range stand at its ends.
std::int32_t ClampedInt32(float x) {
    if (x >= 2147483647.0f) return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
    return RoundToInt32(x).value_or(0);
}

Outcome IntegerDivision(int code, float left, float right) {
    const auto l = RoundToInt32(ViaText(left));
    const auto r = RoundToInt32(ViaText(right));
    if (!l || !r || *r == 0) return Failed(right);
    const std::int64_t a = *l, b = *r;
    return Single(static_cast<double>(code == kOpMod ? a % b : a / b), right);
}

}  // namespace

double ViaText(float x) { return LeadingNumber(GeneralText(x)); }

Outcome ApplyOperator(int code, float left, float right) {
    switch (code) {
    case kOpAdd: return Single(ViaText(left) + ViaText(right), right);
    case kOpSubtract: return Single(ViaText(left) - ViaText(right), right);
    case kOpMultiply: return Single(ViaText(left) * static_cast<double>(right), right);
    case kOpDivide:
        if (right == 0) return Failed(right);
        return Single(ViaText(left) / ViaText(right), right);
    case kOpIntDivide:
    case kOpMod: return IntegerDivision(code, left, right);
    case kOpPower:
        if (left < 0 && right != std::floor(right)) return Failed(right);
        return Single(std::pow(static_cast<double>(left), static_cast<double>(right)), right);
    case kOpEqual: return Truth(left == right);
    case kOpLess: return Truth(left < right);
    case kOpGreater: return Truth(left > right);
    case kOpLessEqual: return Truth(left <= right);
    case kOpGreaterEqual: return Truth(left >= right);
    case kOpNotEqual: return Truth(left != right);
    case kOpAnd: return Single(static_cast<double>(ClampedInt32(left) & ClampedInt32(right)), right);
    case kOpOr: return Single(static_cast<double>(ClampedInt32(left) | ClampedInt32(right)), right);
    default: return Failed(right);
    }
}

Outcome ApplyUnary(int code, float x) {
    switch (code) {
    case kOpNegate:
    case kOpNegateExponent: return {-x, true};
    case kOpNot: return Single(static_cast<double>(~ClampedInt32(x)), x);
    default: return Failed(x);
    }
}

Outcome ApplyFunction(int code, float x) {
    const double d = x;
    switch (code) {
    case kFnSqr: return x < 0 ? Failed(x) : Single(std::sqrt(d), x);
    case kFnLog: return x <= 0 ? Failed(x) : Single(std::log(d) / std::log(10.0), x);
    case kFnLn: return x <= 0 ? Failed(x) : Single(std::log(d), x);
    case kFnExp: return x > kLargestExponent ? Failed(x) : Single(std::exp(d), x);
    case kFnInt: return Single(std::floor(d), x);
    case kFnSgn: return {static_cast<float>((x > 0) - (x < 0)), true};
    case kFnAbs: return {std::fabs(x), true};
    default: return Failed(x);
    }
}

Outcome NormalFromUniforms(double u1, double u2, float standIn) {
    // ln 0 has no value: such a draw gives no number rather than an infinity.
    if (!(u1 > 0)) return Failed(standIn);
    return Single(std::sqrt(-2.0 * std::log(u1)) * std::cos(u2 * 6.2831853), standIn);
}

}  // namespace zoriduvo

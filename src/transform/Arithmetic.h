// The meaning of each operator and one-argument function of the transformation language on single
// values. A failed domain check or a result beyond the single range gives ok = false; the value
// then stands in for the result: the right operand, or the argument.
#pragma once

namespace zoriduvo {

struct Outcome {
    float value;
    bool ok;
};

// The single rendered as its decimal text (7 significant digits) and read back as a double.
double ViaText(float x);

// Two-operand arithmetic, comparisons, AND and OR.
Outcome ApplyOperator(int code, float left, float right);
// Negation, exponent negation and NOT.
Outcome ApplyUnary(int code, float x);
// SQR, LOG, LN, EXP, INT, SGN, ABS.
Outcome ApplyFunction(int code, float x);
// The standard normal draw of NRND from two uniform draws.
Outcome NormalFromUniforms(double u1, double u2, float standIn);

}  // namespace zoriduvo

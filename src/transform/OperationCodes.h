// The compiled form of a transformation statement: postfix code of 16-bit entries.
// A positive entry is a variable number, 0 the case number ($0) and also the end marker,
// -1 .. -100 the k-th constant, and an operation code negated.
#pragma once
#include <cstdint>
#include <string_view>

namespace zoriduvo {

enum OperationCode : std::int16_t {
    kOpOpen = 1,
    kOpClose = 2,
    kOpComma = 10,
    kOpIf = 110,      // IF C THEN X ELSE Y: three operands
    kOpIfThen = 111,  // IF C THEN X: two operands
    kOpThen = 120,
    kOpElse = 130,
    kOpOr = 140,
    kOpAnd = 150,
    kOpNot = 160,
    kOpEqual = 170,
    kOpLess = 171,
    kOpGreater = 172,
    kOpLessEqual = 173,
    kOpGreaterEqual = 174,
    kOpNotEqual = 175,
    kOpAdd = 180,
    kOpSubtract = 181,
    kOpMod = 190,
    kOpIntDivide = 200,
    kOpMultiply = 210,
    kOpDivide = 211,
    kOpNegate = 220,
    kOpPower = 230,
    kOpNegateExponent = 240,
    kFnSqr = 300,
    kFnLog = 301,
    kFnLn = 302,
    kFnExp = 303,
    kFnRnd = 304,
    kFnNrnd = 305,
    kFnInt = 306,
    kFnSgn = 307,
    kFnAbs = 308,
    kFnSum = 309,
    kFnRank = 310,
    kFnGroup = 311,
    kFnStdval = 312,
    kFnLag = 313,
    kFnExpand = 314,
};

inline constexpr int kFirstFunction = kFnSqr;
inline constexpr int kLastFunction = kFnExpand;
inline constexpr int kMaxConstants = 20;
inline constexpr int kMaxCodeEntries = 20;   // end marker included
inline constexpr int kCompileSlots = 40;     // code and operator stack together
inline constexpr int kEvaluationStack = 20;

constexpr int Precedence(int code) { return code / 10; }
constexpr bool IsFunction(int code) { return code >= kFirstFunction && code <= kLastFunction; }
constexpr bool IsComparison(int code) { return code >= kOpEqual && code <= kOpNotEqual; }
// The operators that take a left and a right operand.
constexpr bool IsTwoOperandOperator(int code) {
    return code == kOpAdd || code == kOpSubtract || code == kOpMod || code == kOpIntDivide ||
           code == kOpMultiply || code == kOpDivide || code == kOpPower;
}

// Code entries.
constexpr bool IsVariableEntry(int entry) { return entry >= 1; }
constexpr bool IsConstantEntry(int entry) { return entry <= -1 && entry >= -100; }
constexpr bool IsOperandEntry(int entry) { return entry >= 0 || IsConstantEntry(entry); }

struct FunctionInfo {
    int code;
    std::string_view name;
    int arguments;
};

inline constexpr FunctionInfo kFunctions[] = {
    {kFnSqr, "SQR", 1},  {kFnLog, "LOG", 1},   {kFnLn, "LN", 1},         {kFnExp, "EXP", 1},
    {kFnRnd, "RND", 1},  {kFnNrnd, "NRND", 1}, {kFnInt, "INT", 1},       {kFnSgn, "SGN", 1},
    {kFnAbs, "ABS", 1},  {kFnSum, "SUM", 2},   {kFnRank, "RANK", 1},     {kFnGroup, "GROUP", 1},
    {kFnStdval, "STDVAL", 1}, {kFnLag, "LAG", 2}, {kFnExpand, "EXPAND", 1},
};

constexpr int FunctionArguments(int code) { return IsFunction(code) ? kFunctions[code - kFirstFunction].arguments : 0; }

// Operands an operation takes from the evaluation stack.
constexpr int OperandCount(int code) {
    if (code == kOpIf) return 3;
    if (code == kOpIfThen || code == kOpOr || code == kOpAnd || IsComparison(code) || IsTwoOperandOperator(code))
        return 2;
    if (code == kOpNot || code == kOpNegate || code == kOpNegateExponent) return 1;
    if (IsFunction(code)) return FunctionArguments(code);
    return -1;  // not an operation of the compiled code
}

// The templates of the function list, in the order the list shows them.
inline constexpr std::string_view kFunctionTemplates[] = {
    "ABS()", "EXP()", "EXPAND()", "GROUP()", "INT()", "LAG(,)", "LN()", "LOG()",
    "NRND()", "RANK()", "RND()", "SGN()", "SQR()", "STDVAL()", "SUM(,)",
};

}  // namespace zoriduvo

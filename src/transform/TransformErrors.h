// Every way a transformation statement or run can be refused, as a code with the place where it
// was found, and the one table that turns a code into the message the user sees.
#pragma once
#include <string>

#include "platform/Ui.h"

namespace zoriduvo {

enum class TransformErrorCode {
    // Statement form (exclamation icon)
    TooManyStatements,
    NotIfThenElse,
    DifferentTarget,
    MissingClosingQuote,
    MissingEquals,
    EmptyExpression,
    TargetStartsWithSymbol,
    EmptyTarget,
    BadTargetName,
    TabAfterKeyword,
    NestedIf,
    CaseNumberTarget,
    // Compilation (information icon)
    SyntaxError,
    FunctionNeedsBracket,
    IfStructure,
    BadVariableNumber,
    UnknownName,
    CommaNotExpected,
    CloseBracketNeeded,
    CommaNeeded,
    VariableNameOnly,
    NotCategorical,
    NotEnoughCells,
    BadNumber,
    NumberTooLarge,
    PercentSign,
    ExpressionTooLong,
    UnfinishedExpression,
    OperandMismatch,
    LagSecondArgument,
    ExpandNotAlone,
    // Run
    TooManyNewVariables,
    SheetFull,
    BadTargetNumber,
    Count
};

struct TransformError {
    TransformErrorCode code;
    int position = 0;  // byte offset in the text the failing stage read
};

Message MessageOf(TransformErrorCode code);
void ShowTransformError(Ui& ui, const TransformError& error);

}  // namespace zoriduvo

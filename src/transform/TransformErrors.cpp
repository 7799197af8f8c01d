#include "transform/TransformErrors.h"

namespace zoriduvo {

namespace {

constexpr const char* kTitle = "変数変換";
constexpr MessageIcon kForm = MessageIcon::Exclamation;
constexpr MessageIcon kCompile = MessageIcon::Information;

using Code = TransformErrorCode;

constexpr MessageRow<Code> kEntries[] = {
    {Code::TooManyStatements, "一度に指定できる変換式の個数は20個までです", kTitle, kForm},
    {Code::NotIfThenElse, "IF .. THEN .. (ELSE ..) となっていません", kTitle, kForm},
    {Code::DifferentTarget, "同一の変数を指定してください", kTitle, kForm},
    {Code::MissingClosingQuote, "\"がありません", kTitle, kForm},
    {Code::MissingEquals, "代入文に = がありません", kTitle, kForm},
    {Code::EmptyExpression, "代入文がありません", kTitle, kForm},
    {Code::TargetStartsWithSymbol, "変数名が特殊記号または数字で始まっています。", kTitle, kForm},
    {Code::EmptyTarget, "代入する変数名がありません", kTitle, kForm},
    {Code::BadTargetName, "変数名に \" や , は使えません", kTitle, kForm},
    {Code::TabAfterKeyword, "IF, THEN, ELSE の後にはタブではなく空白を入れてください", kTitle, kForm},
    {Code::NestedIf, "THEN や ELSE の後に IF は書けません", kTitle, kForm},
    {Code::CaseNumberTarget, "$0 はケース番号なので代入できません", kTitle, kForm},
    {Code::SyntaxError, "Syntax Error", kTitle, kCompile},
    {Code::FunctionNeedsBracket, "関数の後には '(' が必要です", kTitle, kCompile},
    {Code::IfStructure, "Syntax : 'IF .. THEN .. (ELSE ..)'", kTitle, kCompile},
    {Code::BadVariableNumber, "変数番号が誤りです", kTitle, kCompile},
    {Code::UnknownName, "未知の関数名または変数名です", kTitle, kCompile},
    {Code::CommaNotExpected, "',' がありません", kTitle, kCompile},
    {Code::CloseBracketNeeded, "')' が必要です", kTitle, kCompile},
    {Code::CommaNeeded, "',' が必要です", kTitle, kCompile},
    {Code::VariableNameOnly, "変数名しかありません", kTitle, kCompile},
    {Code::NotCategorical, "カテゴリデータではありません", kTitle, kCompile},
    {Code::NotEnoughCells, "十分なセルがありません", kTitle, kCompile},
    {Code::BadNumber, "数値の書き方が誤りです", kTitle, kCompile},
    {Code::NumberTooLarge, "数値が大きすぎます", kTitle, kCompile},
    {Code::PercentSign, "'%' は使えません", kTitle, kCompile},
    {Code::ExpressionTooLong, "変換式が長すぎます", kTitle, kCompile},
    {Code::UnfinishedExpression, "式が途中で終わっています", kTitle, kCompile},
    {Code::OperandMismatch, "演算子の使い方が誤りです", kTitle, kCompile},
    {Code::LagSecondArgument, "LAG の2番目の引数には数値、変数名または $0 を1つだけ指定してください", kTitle, kCompile},
    {Code::ExpandNotAlone, "EXPAND は 変数 = EXPAND(変数名) の形で単独に使ってください", kTitle, kCompile},
    {Code::TooManyNewVariables, "一度の変換で新しく作れる変数は20個までです", kTitle, kForm},
    {Code::SheetFull, "変数の数が 32767 に達しているので、新しい変数を作れません", kTitle, kForm},
    {Code::BadTargetNumber, "代入する変数の番号が誤りです", kTitle, kForm},
};

static_assert(CoversEveryCode(kEntries), "every code needs its message, in the order of the codes");

}  // namespace

Message MessageOf(TransformErrorCode code) { return RowOf(kEntries, code).message(); }

void ShowTransformError(Ui& ui, const TransformError& error) {
    ui.show(MessageOf(error.code));
}

}  // namespace zoriduvo

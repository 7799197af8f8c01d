#include "transform/TransformErrors.h"

#include <array>

namespace zoriduvo {

namespace {

constexpr const char* kTitle = "変数変換";
constexpr MessageIcon kForm = MessageIcon::Exclamation;
constexpr MessageIcon kCompile = MessageIcon::Information;

using Code = TransformErrorCode;

struct Entry {
    Code code;
    TransformMessage message;
};

// In the order of the codes; a test checks that every code has its entry.
constexpr Entry kEntries[] = {
    {Code::TooManyStatements, {"一度に指定できる変換式の個数は20個までです", kForm, kTitle}},
    {Code::NotIfThenElse, {"IF .. THEN .. (ELSE ..) となっていません", kForm, kTitle}},
    {Code::DifferentTarget, {"同一の変数を指定してください", kForm, kTitle}},
    {Code::MissingClosingQuote, {"\"がありません", kForm, kTitle}},
    {Code::MissingEquals, {"代入文に = がありません", kForm, kTitle}},
    {Code::EmptyExpression, {"代入文がありません", kForm, kTitle}},
    {Code::TargetStartsWithSymbol, {"変数名が特殊記号または数字で始まっています。", kForm, kTitle}},
    {Code::EmptyTarget, {"代入する変数名がありません", kForm, kTitle}},
    {Code::BadTargetName, {"変数名に \" や , は使えません", kForm, kTitle}},
    {Code::SyntaxError, {"Syntax Error", kCompile, kTitle}},
    {Code::FunctionNeedsBracket, {"関数の後には '(' が必要です", kCompile, kTitle}},
    {Code::IfStructure, {"Syntax : 'IF .. THEN .. (ELSE ..)'", kCompile, kTitle}},
    {Code::BadVariableNumber, {"変数番号が誤りです", kCompile, kTitle}},
    {Code::UnknownName, {"未知の関数名または変数名です", kCompile, kTitle}},
    {Code::CommaNotExpected, {"',' がありません", kCompile, kTitle}},
    {Code::CloseBracketNeeded, {"')' が必要です", kCompile, kTitle}},
    {Code::CommaNeeded, {"',' が必要です", kCompile, kTitle}},
    {Code::VariableNameOnly, {"変数名しかありません", kCompile, kTitle}},
    {Code::NotCategorical, {"カテゴリデータではありません", kCompile, kTitle}},
    {Code::NotEnoughCells, {"十分なセルがありません", kCompile, kTitle}},
    {Code::BadNumber, {"数値の書き方が誤りです", kCompile, kTitle}},
    {Code::NumberTooLarge, {"数値が大きすぎます", kCompile, kTitle}},
    {Code::PercentSign, {"'%' は使えません", kCompile, kTitle}},
    {Code::ExpressionTooLong, {"変換式が長すぎます", kCompile, kTitle}},
    {Code::UnfinishedExpression, {"式が途中で終わっています", kCompile, kTitle}},
    {Code::OperandMismatch, {"演算子の使い方が誤りです", kCompile, kTitle}},
    {Code::LagSecondArgument, {"LAG の2番目の引数には数値、変数名または $0 を1つだけ指定してください", kCompile, kTitle}},
    {Code::ExpandNotAlone, {"EXPAND は 変数 = EXPAND(変数名) の形で単独に使ってください", kCompile, kTitle}},
    {Code::TooManyNewVariables, {"一度の変換で新しく作れる変数は20個までです", kForm, kTitle}},
};

static_assert(std::size(kEntries) == static_cast<std::size_t>(Code::Count), "every code needs its message");

constexpr bool InCodeOrder() {
    for (std::size_t i = 0; i < std::size(kEntries); ++i)
        if (static_cast<std::size_t>(kEntries[i].code) != i) return false;
    return true;
}
static_assert(InCodeOrder(), "the message table follows the order of the codes");

}  // namespace

const TransformMessage& MessageOf(TransformErrorCode code) {
    static constexpr TransformMessage kUnknown{"", MessageIcon::None, ""};
    const auto i = static_cast<std::size_t>(code);
    return i < std::size(kEntries) ? kEntries[i].message : kUnknown;
}

void ShowTransformError(Ui& ui, const TransformError& error) {
    const TransformMessage& m = MessageOf(error.code);
    ui.message(m.text, m.title, m.icon);
}

}  // namespace zoriduvo

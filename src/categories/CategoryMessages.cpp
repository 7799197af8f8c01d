#include "categories/CategoryMessages.h"

#include "categories/CaseGroupEditor.h"
#include "categories/CategoryCombination.h"
#include "categories/VariableBinding.h"

namespace zoriduvo {

namespace {
using Code = CategoryMessage;
constexpr MessageRow<Code> kRows[] = {
    {Code::NoCases, "データがありません", kCaseGroupTitle, MessageIcon::Critical},
    {Code::GroupRefused, "設定が誤っています", kCaseGroupTitle, MessageIcon::Exclamation},
    {Code::CodesWanted, "結合カテゴリは -32768 から 32767 までの整数で指定して下さい。", kCategoryCombinationTitle,
     MessageIcon::Exclamation},
    {Code::NotCategorical, "カテゴリー型の変数を指定して下さい。", kCategoryCombinationTitle, MessageIcon::Exclamation},
    {Code::BadBindingName, "変数名が間違っています。", kVariableBindingTitle, MessageIcon::Exclamation},
    {Code::VariablesFull, "変数がいっぱいです。新しい変数は作れません。", kVariableBindingTitle,
     MessageIcon::Exclamation},
    {Code::ProductBeyond16Bit, "カテゴリー数の積が 32767 を超えるため結合できません。", kVariableBindingTitle,
     MessageIcon::Exclamation},
    {Code::CodeBeyond16Bit, "結合した値が -32768 から 32767 の範囲を超えるため結合できません。", kVariableBindingTitle,
     MessageIcon::Exclamation},
    {Code::TwoVariablesOnly, "結合する変数は２つです。選んだ変数を「戻す」で戻してから選び直して下さい。",
     kVariableBindingTitle, MessageIcon::Exclamation},
    {Code::SpanBeyond16Bit, "結合カテゴリの幅が 32767 を超えるため結合できません。", kCategoryCombinationTitle,
     MessageIcon::Exclamation},
    {Code::NoDeclaredCode, "結合カテゴリの範囲に、変数に定義されたカテゴリがありません。", kCategoryCombinationTitle,
     MessageIcon::Exclamation},
    {Code::NoCategoryLeft, "結合するとカテゴリが残らないため結合できません。", kCategoryCombinationTitle,
     MessageIcon::Exclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");
}  // namespace

Message MessageOf(CategoryMessage code) { return RowOf(kRows, code).message(); }

}  // namespace zoriduvo

#include "sheet/SheetMessages.h"

namespace zoriduvo {

namespace {
using Code = SheetMessage;
constexpr MessageRow<Code> kRows[] = {
    {Code::CountLimit, "ケース数と変数の数は 32767 までです。この値は入力できません。", "データの入力",
     MessageIcon::Exclamation},
    {Code::PasteBeyondLimit, "ケース数と変数の数は 32767 までです。この位置には貼り付けられません。", "貼り付け",
     MessageIcon::Exclamation},
    {Code::RangeRefused, "入力データに誤りがあります", "範囲設定", MessageIcon::Exclamation},
    {Code::TransposeTooLarge,
     "転置データを作れません。変数の数は 32745 まで、ケース数は 32760 までにして下さい。", "転置データの生成",
     MessageIcon::Exclamation},
    {Code::NoSheetLeft, "これ以上シートを開けません。", "転置データの生成", MessageIcon::Exclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");
}  // namespace

Message MessageOf(SheetMessage code) { return RowOf(kRows, code).message(); }

}  // namespace zoriduvo

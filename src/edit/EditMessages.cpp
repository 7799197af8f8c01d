#include "edit/EditMessages.h"

namespace zoriduvo {

namespace {
using Code = EditMessage;
using enum MessageIcon;
constexpr MessageRow<Code> kRows[] = {
    {Code::PasteTooLarge, "データのサイズが大きすぎます。分割して貼り付けて下さい。", "貼り付け", Exclamation},
    {Code::PasteLabelsBeyondLimit, "ケース数と変数の数は 32767 までです。このデータは貼り付けられません。",
     "ラベル付き貼り付け", Exclamation},
    {Code::EraseQuestion, "選択されているデータを削除します", "データの消去", Information},
    {Code::InsertCountRefused, "挿入する数は 1 から 32767 までの整数で指定して下さい。", "挿入", Exclamation},
    {Code::DeleteCountRefused, "削除する数は 1 から 32767 までの整数で指定して下さい。", "削除", Exclamation},
    {Code::InsertBeyondLimit, "ケース数と変数の数は 32767 までです。これ以上は挿入できません。", "挿入", Exclamation},
    {Code::FindNext, "次を検索します", "検索", Question},
    {Code::NotFound, "検索数値は見つかりません", "検索", Exclamation},
    {Code::ReplaceQuestion, "置換しますか", "置換", Question},
    {Code::ReplaceFinished, "置換が終了しました", "置換", Exclamation},
    {Code::NumberToBlank, "数値を指定して下さい。", "指定の値を欠損値へ", Exclamation},
    {Code::NumberFromBlank, "数値を指定して下さい。", "欠損値を指定の値へ", Exclamation},
    {Code::BlankCodeRefused, "空白の出力コードにカンマ、ダブルクォーテーション、改行は使えません。", "空白の出力コード",
     Exclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");
}  // namespace

Message MessageOf(EditMessage code) { return RowOf(kRows, code).message(); }

}  // namespace zoriduvo

#include "app/AppMessages.h"

#include "app/Version.h"

namespace zoriduvo {

namespace {

using Code = AppMessage;

constexpr const char* kHelpTitle = "ヘルプ";

constexpr MessageRow<Code> kEntries[] = {
    {Code::HelpFileMissing, "ヘルプファイルが見つかりません。\n", kHelpTitle, MessageIcon::Exclamation},
    {Code::HelpFileUnopenable, "ヘルプファイルを開けません。\n", kHelpTitle, MessageIcon::Exclamation},
    {Code::SystemInformationUnavailable, "現時点ではｼｽﾃﾑ情報を使用できません", "", MessageIcon::Exclamation},
    {Code::RecoveryOffer,
     "前回の実行が正常に終了しなかったため、保存されていないシートが %1 個残っています。\n"
     "復元しますか？\n"
     "（「いいえ」: 残っていたシートを削除します。「キャンセル」: 次回の起動まで残します）",
     kProgramTitle, MessageIcon::Question},
    {Code::RecoveryNotWritten, "自動保存できませんでした", kProgramTitle, MessageIcon::Exclamation},
};

static_assert(CoversEveryCode(kEntries), "every code needs its message, in the order of the codes");

}  // namespace

Message MessageOf(AppMessage code) { return RowOf(kEntries, code).message(); }

}  // namespace zoriduvo

#include "files/FileMessages.h"

#include "files/FileProblem.h"

namespace zoriduvo {

namespace {
constexpr const char* kOpenTitle = "ファイルを開く";
constexpr const char* kSaveTitle = "ファイルの保存";
constexpr const char* kCloseTitle = "ファイルを閉じる";
constexpr MessageIcon kNone = MessageIcon::None;
constexpr MessageIcon kWarn = MessageIcon::Exclamation;

using Text = FileText;

constexpr MessageRow<FileText> kTexts[] = {
    {Text::OpenTitle, kOpenTitle, "", kNone},
    {Text::SaveTitle, kSaveTitle, "", kNone},
    {Text::CloseTitle, kCloseTitle, "", kNone},
    {Text::OpenFilter, "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|CSV ﾌｧｲﾙ(*.csv)|*.csv|すべてのﾌｧｲﾙ(*.*)|*.*|", "", kNone},
    {Text::SaveFilter, "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|すべてのﾌｧｲﾙ(*.*)|*.*|", "", kNone},
    {Text::CloseQuestion, "'%1'は保存されていません。\n\r保存しますか？", kCloseTitle, MessageIcon::Question},
    {Text::FormatTagPlace, "形式名", "", kNone},
    {Text::FileLabelPlace, "ファイルラベル", "", kNone},
    {Text::GroupLinePlace, "グループの行", "", kNone},
    {Text::VariableNamePlace, "変数 %1 の名前", "", kNone},
    {Text::CasePlace, "ケース %1", "", kNone},
    {Text::CaseNamePlace, "ケース %1 のケース名", "", kNone},
    {Text::CaseValuePlace, "ケース %1、変数 %2 の値", "", kNone},
    {Text::StatisticsPlace, "統計量", "", kNone},
    {Text::StatisticsRangePlace, "統計量の範囲", "", kNone},
    {Text::CommentPlace, "コメント", "", kNone},
    {Text::CommentLinePlace, "データのコメント（%1 行目）", "", kNone},
    {Text::CaseCountPlace, "ケース数", "", kNone},
    {Text::VariableCountPlace, "変数の数", "", kNone},
    {Text::GroupCountPlace, "グループ数", "", kNone},
    {Text::GroupSizePlace, "グループのケース数", "", kNone},
    {Text::GroupSizeSumPlace, "グループのケース数の合計", "", kNone},
    {Text::CategoryCountPlace, "カテゴリー数", "", kNone},
    {Text::CategoryMinimumPlace, "最小カテゴリー値", "", kNone},
    {Text::CategoryMaximumPlace, "最大カテゴリー値", "", kNone},
    {Text::LineBreak, "改行", "", kNone},
    {Text::NoPermission, "この場所に書き込む権限がありません。", "", kNone},
    {Text::ReadOnly, "保存先は読み取り専用です。", "", kNone},
    {Text::FileNotWritable, "このファイルには書き込みの許可がありません（読み取り専用のファイルです）。", "", kNone},
    {Text::DiskFull, "ディスクの空き容量が足りません。", "", kNone},
    {Text::NoFolder, "保存先のフォルダーが見つかりません。", "", kNone},
    {Text::FolderInTheWay, "同じ名前のフォルダーがあります。", "", kNone},
    {Text::WriteError, "書き込み中にエラーが発生しました（%1）。", "", kNone},
    {Text::OldFileKept, "元のファイルは変更されていません。", "", kNone},
    {Text::InPlaceWriteFailed,
     "保存先のフォルダーに新しいファイルを作れないため元のファイルに直接書き込みましたが、途中で失敗しました。\n"
     "元のファイルは壊れている可能性があります。",
     "", kNone},
    {Text::LinesCut,
     "%1 行で項目の数が変数の数を超えていたため、超えた項目は読み込まれませんでした。\n最初の行は %2 行目です。",
     kOpenTitle, MessageIcon::Exclamation},
    {Text::ExtraValues,
     "ケース数と変数の数を超える %1 個の値があったため、それらは読み込まれませんでした。\n最初の値は %2 行目にあります。",
     kOpenTitle, MessageIcon::Exclamation},
    {Text::NotNumbers,
     "%1 個の値は数値ではないため、先頭の数値（数値で始まらないものは 0）として読み込まれました。\n最初は%2「%3」です。",
     kOpenTitle, MessageIcon::Exclamation},
    {Text::BeyondSingle,
     "%1 個の値は単精度の範囲（±3.402823E+38）を超えているため、統計量などの計算では範囲の端の値として扱われます。\n"
     "最初は%2「%3」です。",
     kOpenTitle, MessageIcon::Exclamation},
    {Text::UnstorableNames,
     "%1 個の名前はシフトJIS（コードページ 932）のファイルにそのまま保存できません: %2\n"
     "シフトJIS にない文字は、保存するときに UTF-8 を選べば残せます。二重引用符（\"）と改行は名前から除いてください。",
     kOpenTitle, MessageIcon::Exclamation},
    {Text::LabelsNotKept,
     "シートに持てないため、値ラベル %1 個、変数ラベル %2 個、ユーザー欠損値の定義 %3 個は読み込みませんでした。"
     "値はそのまま読み込まれています。",
     kOpenTitle, MessageIcon::Information},
    {Text::ForeignDamaged, "ファイルの内容が正しくないか、途中で切れています（%1）。", "", kNone},
    {Text::ChooseWorksheet, "このブックには複数のシートがあります。開くシートを選んでください。", "", kNone},
    {Text::CaseNamesQuestion, "文字列の変数「%1」の値はすべて異なります。この値をケース名にしますか？", kOpenTitle,
     MessageIcon::Question},
    {Text::SaveInUtf8Question,
     "文字「%1」（%2）はシフトJIS（コードページ 932）のファイルに保存できません。\n"
     "ファイルを UTF-8 で保存しますか？\n"
     "UTF-8 のファイルは、このプログラムの古い版などシフトJIS しか読めないプログラムでは正しく読めません。\n"
     "「いいえ」を選ぶと保存せずに戻ります。",
     kSaveTitle, MessageIcon::Question},
    {Text::NotRegularFile, "通常のファイルではありません。", "", kNone},
    {Text::FolderNotFile, "フォルダーです。", "", kNone},
    {Text::NoReadPermission, "このファイルを読み取る権限がありません。", "", kNone},
    {Text::LinkLoop, "シンボリックリンクが循環しています。", "", kNone},
    {Text::NameTooLong, "ファイル名が長すぎます。", "", kNone},
    {Text::ReadError, "読み込み中にエラーが発生しました。", "", kNone},
    {Text::OutOfMemory, "メモリが足りません。", "", kNone},
    {Text::InputOutputError, "装置の入出力エラー", "", kNone},
    {Text::ErrorNumber, "エラー番号 %1", "", kNone},
    {Text::FileTooLarge, "ファイルが大きすぎます。", "", kNone},
    {Text::PairTorn, "ヘッダーファイルのケース数・変量数とデータの行が合いません。", "", kNone},
    {Text::RecoveryDamaged, "復元用のファイルが壊れています。", "", kNone},
};

static_assert(CoversEveryCode(kTexts), "every text needs its row, in the order of the codes");

std::string Place(const FileProblem& p) {
    std::string place;
    if (p.line > 0) place += std::to_string(p.line) + " 行目";
    if (p.field > 0) place += "の " + std::to_string(p.field) + " 番目の項目";
    return place;
}
}  // namespace

std::string MissingFileText(const FileProblem& p) {
    return p.where.empty() ? "ファイルが存在しません" : "ファイルが存在しません\n" + p.where;
}

namespace {
// %1 where, %2 detail, %3 the place in the file, %4 the missing file's text.
constexpr MessageRow<FileError> kProblemMessages[] = {
    {FileError::NotVoData, "vo形式のデータではありません。", "", kWarn},
    {FileError::FileMissing, "%4", kOpenTitle, kWarn},
    {FileError::AlreadyOpen, "このファイルはすでに開かれています。", kOpenTitle, kWarn},
    {FileError::UnreadableText, "ファイルの %3に読み取れない文字があります。\nファイルは開かれませんでした。", kOpenTitle,
     kWarn},
    {FileError::CountOutOfRange,
     "ファイルの内容が正しくありません。\n%3（%1）の値 %2 は範囲外です。\nファイルは開かれませんでした。", kOpenTitle,
     kWarn},
    {FileError::TooLarge, "%1が 32767 を超えるため、このファイルは開けません。", kOpenTitle, kWarn},
    {FileError::UnwritableCharacter,
     "保存できない文字「%2」が%1にあります。\nこの文字を別の文字に直してから保存してください。\nファイルは保存されていません。",
     kSaveTitle, kWarn},
    {FileError::CannotWrite, "ファイル「%1」を保存できませんでした。\n%2", kSaveTitle, kWarn},
    {FileError::UnholdableValue, "%1「%2」はこの形式のファイルには書き出せません。\nファイルは書き出されていません。",
     kSaveTitle, kWarn},
    {FileError::CannotRead, "ファイル「%1」を開けませんでした。\n%2", kOpenTitle, kWarn},
    {FileError::OutOfMemory, "メモリが足りないため、この操作を完了できませんでした。\nファイルは書き込まれていません。",
     kProgramTitle, kWarn},
    {FileError::Utf16Text,
     "ファイル「%1」は UTF-16 で書かれています。UTF-16 のファイルは読めません。\n"
     "UTF-8 かシフトJIS で保存し直してから開いてください。",
     kOpenTitle, kWarn},
};
static_assert(CoversEveryCode(kProblemMessages), "every file error needs its message, in the order of the codes");
}  // namespace

Message MessageOf(const FileProblem& p) {
    if (static_cast<std::size_t>(p.code) >= std::size(kProblemMessages))
        return {"ファイルの処理に失敗しました。", "", kWarn};
    const MessageRow<FileError>& row = RowOf(kProblemMessages, p.code);
    return {FillIn(row.text, {p.where, p.detail, Place(p), MissingFileText(p)}), std::string(row.title), row.icon};
}

Message MessageOf(FileText text, std::initializer_list<std::string_view> values) {
    const auto& row = RowOf(kTexts, text);
    return {FillIn(row.text, values), std::string(row.title), row.icon};
}

std::string TextOf(FileText text, std::initializer_list<std::string_view> values) {
    return FillIn(RowOf(kTexts, text).text, values);
}

void ShowFileProblem(Ui& ui, const FileProblem& problem) {
    ui.show(MessageOf(problem));
}

}  // namespace zoriduvo

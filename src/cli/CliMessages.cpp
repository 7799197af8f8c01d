#include "cli/CliMessages.h"

#include "files/FileMessages.h"

namespace zoriduvo {

namespace {

constexpr MessageIcon kUsage = MessageIcon::None;
constexpr MessageIcon kRefused = MessageIcon::Exclamation;

using Code = CliMessage;

constexpr MessageRow<Code> kEntries[] = {
    {Code::NoCommand, "コマンドがありません", "", kUsage},
    {Code::ExtraArgument, "余分な引数があります: %1", "", kUsage},
    {Code::UnknownCommand, "不明なコマンドです: %1", "", kUsage},
    {Code::MissingValue, "%1 の値がありません", "", kUsage},
    {Code::UnknownOption, "不明なオプションです: %1", "", kUsage},
    {Code::FileCount, "%1 にはファイルが %2 個必要です", "", kUsage},
    {Code::UnknownFormat, "不明な形式です: %1", "", kUsage},
    {Code::HalfRange, "--from と --to は両方指定してください", "", kUsage},
    {Code::RangeNotAllowed, "%1 では --from/--to は使えません", "", kUsage},
    {Code::OptionNeeded, "%1 には %2 が必要です", "", kUsage},
    {Code::NotOurFormat, "vo-Data ファイルでも CSV ファイルでもありません。\n%1", "ファイルを開く", kRefused},
    {Code::UnknownVariable, "変数がありません: %1", "ソート", kRefused},
    {Code::OneOfNeeded, "%1 には %2 のどちらか一つが必要です", "", kUsage},
    {Code::MissingVariable, "変数がありません: %1", "欠損値の処理", kRefused},
    {Code::UnknownValue, "%1 の値が正しくありません: %2", "", kUsage},
    {Code::SeedNotNumber, "--seed の値が数値ではありません: %1", "", kUsage},
    {Code::StatementRefused, "%1 番目の -e の式を追加できません: %2", "変数変換", kRefused},
    {Code::UnsavableName, "変数名に保存できない文字「%1」があります", "変数変換", kRefused},
    {Code::OutputFailed, "標準出力に書き込めませんでした。", "", kRefused},
    {Code::NoPrintHelper, "印刷の補助プログラムを起動できません: %1", "印刷", kRefused},
    {Code::UnknownPlot, "不明なグラフの種類です: %1（scatter, box, index）", "", kUsage},
    {Code::PlotVariable, "変数がありません: %1", "グラフ", kRefused},
    {Code::OutputForm, "%1 の出力は %2 のファイルです: %3", "", kUsage},
    {Code::NoSuchVariable, "変数がありません: %1", "", kRefused},
    {Code::VariableCount, "%1 には --var が %2 個必要です", "", kUsage},
    {Code::OutputIsInput, "出力ファイルが入力ファイルと同じです: %1", "", kUsage},
    {Code::UnsavableText, "%1「%2」に保存できない文字「%3」があります", "", kRefused},
    {Code::OptionTwice, "%1 が二度指定されています", "", kUsage},
    {Code::OptionNotRead, "%1 は --layout %2 では使えません", "", kUsage},
    {Code::RepeatedVariable, "同じ変数が二度指定されています: %1", "カテゴリの結合", kUsage},
    {Code::EncodingForm, "--encoding は --to data-csv でだけ使えます", "", kUsage},
    {Code::BadCellLine, "%1 の %2 行目は「ケース<TAB>変数<TAB>値」ではありません", "", kUsage},
    {Code::GroupSizes, "グループの大きさ %1 の合計がケース数 %2 と一致しません", "ケースグループ", kRefused},
};

static_assert(CoversEveryCode(kEntries), "every code needs its message, in the order of the codes");

}  // namespace

Message MessageOf(CliMessage code, std::initializer_list<std::string_view> values) {
    const auto& row = RowOf(kEntries, code);
    return {FillIn(row.text, values), std::string(row.title), row.icon};
}

}  // namespace zoriduvo

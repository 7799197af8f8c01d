#include "files/exports/ExportMessages.h"

#include "files/FileMessages.h"

namespace zoriduvo {

namespace {

using Text = ExportText;
constexpr MessageIcon kNone = MessageIcon::None;
constexpr MessageIcon kWarn = MessageIcon::Exclamation;
constexpr MessageIcon kInfo = MessageIcon::Information;

constexpr MessageRow<ExportText> kTexts[] = {
    {Text::Title, "Export", "", kNone},
    {Text::BrowseFilter,
     "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|Mirv/B ﾌｧｲﾙ(*.hdr)|*.hdr|Lisp ﾌｧｲﾙ(*.lsp)|*.lsp|ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt|"
     "CSV ﾌｧｲﾙ(*.csv)|*.csv|ﾃﾞｰﾀ ﾌｧｲﾙ(*.dat)|*.dat|すべてのﾌｧｲﾙ(*.*)|*.*|"
     "SPSS ﾌｧｲﾙ(*.sav)|*.sav|Stata ﾌｧｲﾙ(*.dta)|*.dta|SAS transport ﾌｧｲﾙ(*.xpt)|*.xpt|Excel ﾌｧｲﾙ(*.xlsx)|*.xlsx|",
     "", kNone},
    {Text::HeaderWanted, "ヘッダーファイル (*.HDR)を指定してください。", "Export", kWarn},
    {Text::WrongExtension, "拡張子が違います(*.LSP)。", "Export", kWarn},
    {Text::TargetOpen, "このファイルは開いているシートのファイルです。\n別の名前を指定してください。", "Export", kWarn},
    {Text::BlankCodeNote,
     "欠損値の出力コード「%1」は、読み込むと欠損値ではなく値として読まれます。"
     "欠損値のまま読み戻すには、コードを %M、空欄、NA、. のいずれかにしてください。",
     "", kNone},
    {Text::NamesChanged, "この形式に合わせて次のとおり変えて書き出しました（%1 件）:\n%2", "Export", kInfo},
    {Text::StringVariable, "変数「%1」は文字列の変数（ケース %2 の値「%3」が数値ではありません）", "", kNone},
};

static_assert(CoversEveryCode(kTexts), "every text needs its row, in the order of the codes");

}  // namespace

Message MessageOf(ExportText text) { return RowOf(kTexts, text).message(); }

std::string TextOf(ExportText text, std::initializer_list<std::string_view> values) {
    return FillIn(RowOf(kTexts, text).text, values);
}

}  // namespace zoriduvo

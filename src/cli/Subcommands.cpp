#include "cli/Subcommands.h"

#include "cli/CliCommands.h"
#include "cli/CliEdits.h"
#include "cli/CliImport.h"
#include "cli/CliPlot.h"
#include "cli/CliPrint.h"

namespace zoriduvo {

namespace {

constexpr Subcommand kSubcommands[] = {
    // --blank-code is left out of the usage line, which scripts already read as it stands.
    {"convert", "convert IN OUT [--to vo1|vo2|vo3|vo4]",
     "IN を vo-Data の指定の版（既定は 3）で OUT に書き出します\n"
     "    IN は vo-Data、CSV、SPSS (.sav .zsav)、Stata (.dta)、SAS transport (.xpt)、Excel (.xlsx) のファイル\n"
     "    （形式はファイルの先頭で判断します）",
     2, 2,
     kFormatOption | kBlankCodeOption, 0, RunConvert, true, 1},
    {"stats", "stats IN [--from A --to B]", "統計量をシートに表示されるとおりに出力します", 1, 1, kRangeOption, 0,
     RunStats},
    {"sort", "sort IN OUT --key VAR [--descending] [--within-groups]", "ケースを変数の値で並べ替えて OUT に書き出します",
     2, 2, kKeyOption | kOrderOptions, kKeyOption, RunSort, true, 1},
    {"transform", "transform IN OUT [--from A --to B] [--seed X] -e STATEMENT [-e STATEMENT ...]",
     "変数変換の式を順に実行して OUT に書き出します", 2, 2, kRangeOption | kSeedOption | kStatementOption,
     kStatementOption, RunTransform, true, 1},
    {"missing", "missing IN OUT --to-blank TEXT | --from-blank TEXT [--var NAME ...]",
     "指定の値を空白へ、または空白を指定の値に変換して OUT に書き出します（--var がなければ全変数）", 2, 2,
     kMissingOptions, kMissingOptions, RunMissing, true, 1},
    {"export",
     "export IN OUT --to vo1|vo2|vo4|values|counts|mirv|sdata|lisp|csv|sav|dta|xpt|xlsx|data-csv "
     "[--encoding utf-8|cp932] [--blank-code TEXT]",
     "IN を指定の形式で OUT に書き出します（mirv は OUT にヘッダー、その横にデータファイル）\n"
     "    --encoding は data-csv の文字コード（既定は utf-8）",
     2, 2, kFormatOption | kAnyFormOption | kBlankCodeOption | kEncodingOption, kFormatOption, RunExport, true, 1},
    {"merge", "merge IN FILE OUT --cases | --variables",
     "FILE のケースまたは変数を IN に結合して OUT に書き出します", 3, 3, kMergeOptions, kMergeOptions, RunMerge, true, 2},
    {"recode", "recode IN OUT --codes LO-HI --var NAME [--var NAME ...] [--from A --to B]",
     "カテゴリ LO から HI を LO に結合し、それより上のカテゴリを詰めて OUT に書き出します（--from/--to はケースの行選択）",
     2, 2, kCodesOption | kVariableOption | kRangeOption, kCodesOption | kVariableOption, RunRecode, true, 1},
    {"bind", "bind IN OUT --var NAME --var NAME --name NEW [--from A --to B]",
     "2つのカテゴリー変数を結合した新しい変数を最後に加えて OUT に書き出します（--from/--to はケースの行選択）", 2, 2,
     kVariableOption | kNameOption | kRangeOption, kVariableOption | kNameOption, RunBind, true, 1},
    {"transpose", "transpose IN OUT", "ケースと変数を入れ替えた転置データを OUT に書き出します", 2, 2, 0, 0,
     RunTranspose, true, 1},
    {"names", "names IN OUT (--generate | --erase) (variables|cases|both)",
     "変数名やケース名を自動生成（V1..., C1...）または削除して OUT に書き出します", 2, 2, kNamesOptions,
     kNamesOptions, RunNames, true, 1},
    {"label", "label IN OUT --file-label TEXT | --comment TEXT",
     "ファイルラベルまたはデータのコメントを設定して OUT に書き出します", 2, 2, kLabelOptions, kLabelOptions,
     RunLabel, true, 1},
    {"set", "set IN OUT --cell CASE VAR TEXT [--cell ...] | --cells FILE",
     "セルに値を書き込んで OUT に書き出します（CASE と VAR は番号、ケース 0 は変数名、変数 0 はケース名、FILE は「ケース<TAB>変数<TAB>値」の行、空の値は空白）", 2, 2,
     kCellOptions, kCellOptions, RunSet, true, 1},
    {"insert", "insert IN OUT --cases AT N | --variables AT N",
     "AT 番目の前に N 個の空のケースまたは変数を挿入して OUT に書き出します", 2, 2, kLinesOptions, kLinesOptions,
     RunInsert, true, 1},
    {"delete", "delete IN OUT --cases AT N | --variables AT N",
     "AT 番目から N 個のケースまたは変数を削除して OUT に書き出します", 2, 2, kLinesOptions, kLinesOptions, RunDelete,
     true, 1},
    {"define", "define IN OUT --var N [--var N ...] [--name NAME] [--categories MIN MAX | --continuous]",
     "変数 N の名前と型を定義して OUT に書き出します（--name がなければ名前はそのまま、--var は何度でも）", 2, 2,
     kVariableOption | kNameOption | kCategoriesOptions, kVariableOption, RunDefine, true, 1},
    {"groups", "groups IN OUT --sizes N,N,... | --none",
     "ケースグループを大きさの並びで設定、または解除して OUT に書き出します", 2, 2, kGroupOptions, kGroupOptions,
     RunGroups, true, 1},
    {"range", "range IN OUT --from A --to B | --none", "ケースの範囲指定を設定、または解除して OUT に書き出します",
     2, 2, kRangeOption | kNoneOption, kNoneOption, RunRange, true, 1},
    {"casename", "casename IN OUT --case N --name TEXT", "ケース N の名前を設定して OUT に書き出します", 2, 2,
     kCaseOption | kNameOption, kCaseOption | kNameOption, RunCaseName, true, 1},
    {"comment", "comment IN OUT --comment TEXT", "データのコメントを設定して OUT に書き出します", 2, 2, kLabelOptions,
     kLabelOptions, RunComment, true, 1},
    {"file-label", "file-label IN OUT --file-label TEXT", "ファイルラベルを設定して OUT に書き出します", 2, 2,
     kLabelOptions, kLabelOptions, RunFileLabel, true, 1},
    {"info", "info IN", "ファイルとシートの情報を「項目<TAB>値」の行で出力します", 1, 1, 0, 0, RunInfo},
    {"import", "import IN OUT --layout values|counts|described|mirv|fixed [...]",
     "テキストファイルを指定のレイアウトで読み込んで OUT に書き出します\n"
     "    values: --cases C --variables V\n"
     "    described: [--skip N] [--counts-in-file] [--groups] [--cases C --variables V]\n"
     "               [--names file|none|generated] [--types] [--case-names file|none|generated]\n"
     "    mirv: IN はヘッダーファイル (*.hdr)\n"
     "    fixed: --column NAME:FIRST-LAST [--column ...] [--case-names generated|none|FIRST-LAST]\n"
     "    レイアウトが読まないオプションは使えません",
     2, 2, kImportOptions, 0, RunImportCommand, false, 1},
    {"print", "print IN OUT.pdf", "IN を「印刷(&P)...」が印刷するとおりのページで PDF ファイル OUT に書き出します", 2, 2, 0, 0,
     RunPrint, true, 1, ".pdf"},
    {"plot",
     "plot scatter|box|index IN OUT [...]",
     "グラフを SVG で OUT に書き出します\n"
     "    scatter: --x NAME --y NAME [--title T] [--x-title T] [--y-title T] [--from A --to B]\n"
     "    box: --var NAME [--var NAME ...] [--mean-sd] [--from A --to B]\n"
     "    index: --var NAME [--from A --to B]",
     3, 3, kPlotOptions | kRangeOption, 0, RunPlot, false, 2, ".svg", 1},
    {"help", "help [SUBCOMMAND]", "使い方を表示します", 0, 1, 0, 0, RunHelp},
};

}  // namespace

std::span<const Subcommand> Subcommands() { return kSubcommands; }

const Subcommand* FindSubcommand(std::string_view name) {
    for (const Subcommand& subcommand : kSubcommands)
        if (subcommand.name == name) return &subcommand;
    return nullptr;
}

std::string CliUsage() {
    std::string usage = "usage:\n  zoriduvo-cli --version | --help\n";
    // The first line offers help already (--help), so the list keeps the lines it always had.
    for (const Subcommand& subcommand : kSubcommands)
        if (subcommand.name != "help") usage.append("  zoriduvo-cli ").append(subcommand.usage) += '\n';
    return usage;
}

std::string SubcommandHelp(const Subcommand& subcommand) {
    std::string help = "usage:\n  zoriduvo-cli ";
    help.append(subcommand.usage).append("\n    ").append(subcommand.help) += '\n';
    return help;
}

}  // namespace zoriduvo

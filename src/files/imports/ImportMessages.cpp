#include "files/imports/ImportMessages.h"

#include <string>

#include "files/FileMessages.h"

namespace zoriduvo {

namespace {

using Code = ImportMessage;
constexpr auto kExclamation = MessageIcon::Exclamation;

constexpr MessageRow<Code> kRows[] = {
    {Code::NoPath, "ファイル名を指定して下さい。", kImportTitle, kExclamation},
    {Code::BadFileName, "ファイル名が正しくありません", kImportTitle, kExclamation},
    {Code::CountsMissing, "ケース数、変量数を入力してください。", kImportTitle, kExclamation},
    {Code::NoLayout, "ファイル形式を指定して下さい。", kImportTitle, MessageIcon::Question},
    {Code::NotHeader, "ヘッダーファイル (*.HDR)を指定してください。", kImportTitle, kExclamation},
    {Code::FileMissing, "ファイルが存在しません", kProgramTitle, kExclamation},
    {Code::AlreadyOpen, "このファイルはすでに開かれています。", kImportTitle, kExclamation},
    {Code::DescribedCountsMissing, "ケース数、変量数を指定して下さい", kProgramTitle, MessageIcon::None},
    {Code::LabelQuestion, "変数、ケースのラベルを付けますか？", kImportTitle, MessageIcon::Question},
    {Code::CountsTooLarge, "ケース数、変量数は 32767 以下で指定して下さい。", kImportTitle, kExclamation},
    {Code::GroupsNeedCounts, "ケースグループを読み込むには、ケース数、変量数を「あり」にして下さい。", kImportTitle,
     kExclamation},
    {Code::UnreadableText, "ファイルの %1 行目に読み取れない文字があります。\nファイルは読み込まれませんでした。",
     kImportTitle, kExclamation},
    {Code::CountOutOfRange,
     "ファイルの内容が正しくありません。\n%1（%2）の値 %3 は範囲外です。\nファイルは読み込まれませんでした。",
     kImportTitle, kExclamation},
    {Code::TooLarge, "%1が 32767 を超えるため、このファイルは読み込めません。", kImportTitle, kExclamation},
    {Code::NoVariableName, "変数名を指定してください。", kFixedWidthTitle, kExclamation},
    {Code::BadVariableName, "変数名が間違っています。", kFixedWidthTitle, kExclamation},
    {Code::BadColumns, "カラムの指定が正しくありません: %1", kFixedWidthTitle, kExclamation},
    {Code::NothingAfterSkip,
     "%1 行を読み飛ばすと、読み込むデータが残りません（ファイルは %2 行です）。\nファイルは読み込まれませんでした。",
     kImportTitle, kExclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");

std::string Place(const FileProblem& p) {
    std::string place = std::to_string(p.line) + " 行目";
    if (p.field > 0) place += "の " + std::to_string(p.field) + " 番目の項目";
    return place;
}

}  // namespace

Message MessageOf(ImportMessage code, std::initializer_list<std::string_view> values) {
    const auto& row = RowOf(kRows, code);
    return {FillIn(row.text, values), std::string(row.title), row.icon};
}

Message ImportProblemMessage(const FileProblem& p, std::string_view title) {
    Message m;
    switch (p.code) {
    case FileError::FileMissing:
        m = MessageOf(Code::FileMissing);
        m.text = MissingFileText(p);
        return m;
    case FileError::AlreadyOpen: m = MessageOf(Code::AlreadyOpen); break;
    case FileError::UnreadableText: m = MessageOf(Code::UnreadableText, {std::to_string(p.line)}); break;
    case FileError::CountOutOfRange: m = MessageOf(Code::CountOutOfRange, {Place(p), p.where, p.detail}); break;
    case FileError::TooLarge: m = MessageOf(Code::TooLarge, {p.where}); break;
    default: m = MessageOf(p); break;
    }
    m.title = std::string(title);
    return m;
}

}  // namespace zoriduvo

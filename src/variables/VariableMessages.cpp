#include "variables/VariableMessages.h"

#include <string>

#include "variables/CaseNames.h"
#include "variables/FileLabel.h"
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {

namespace {

using Code = VariableMessage;
constexpr auto kExclamation = MessageIcon::Exclamation;

constexpr MessageRow<Code> kRows[] = {
    {Code::NoData, "データがありません", "基本統計量の表示", MessageIcon::Critical},
    {Code::BadName, "変数名が間違っています。", kVariableDefinitionTitle, kExclamation},
    {Code::CategoryValueBeyond16Bit, "カテゴリーの値は -32768 から 32767 までの整数で指定して下さい。",
     kVariableDefinitionTitle, kExclamation},
    {Code::CategoryCountBeyond16Bit, "カテゴリーの範囲が広すぎます。最大と最小の差は 32766 までにして下さい。",
     kVariableDefinitionTitle, kExclamation},
    {Code::ColumnsFull, "列がいっぱいです。列を増やして下さい。", kProgramTitle, kExclamation},
    {Code::NumberWanted, "変更したい変数番号を指定してください", kVariableDefinitionTitle, kExclamation},
    {Code::BeyondTable, "表の範囲を超えています。", kProgramTitle, kExclamation},
    {Code::BadCaseName, "ケース名が間違っています。", kCaseNameTitle, kExclamation},
    {Code::RowsFull, "行がいっぱいです。行を増やして下さい。", kProgramTitle, kExclamation},
    {Code::CaseNumberWanted, "変更したいケース番号を指定してください", kCaseNameTitle, kExclamation},
    {Code::BadFileLabel, "ファイルラベルに \" や改行は使えません。", kFileLabelTitle, kExclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");

}  // namespace

Message MessageOf(VariableMessage code) { return RowOf(kRows, code).message(); }

Message CategoryRangeMessage(CategoryRangeError error, std::string_view title) {
    Message m = MessageOf(error == CategoryRangeError::CountBeyond16Bit ? Code::CategoryCountBeyond16Bit
                                                                         : Code::CategoryValueBeyond16Bit);
    m.title = std::string(title);
    return m;
}

}  // namespace zoriduvo

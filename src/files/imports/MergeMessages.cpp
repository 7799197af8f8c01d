#include "files/imports/MergeMessages.h"

#include "files/FileMessages.h"

namespace zoriduvo {

namespace {

using Text = MergeText;
constexpr const char* kTitle = "ファイルの結合";

constexpr MessageRow<MergeText> kTexts[] = {
    {Text::Title, kTitle, "", MessageIcon::None},
    {Text::Filter, "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|すべてのﾌｧｲﾙ(*.*)|*.*|", "", MessageIcon::None},
    {Text::TooManyCases, "結合するとケース数が %1 になり、32767 を超えるため結合できません。", kTitle,
     MessageIcon::Exclamation},
    {Text::TooManyVariables, "結合すると変数の数が %1 になり、32767 を超えるため結合できません。", kTitle,
     MessageIcon::Exclamation},
};

static_assert(CoversEveryCode(kTexts), "every text needs its row, in the order of the codes");

}  // namespace

Message MessageOf(MergeText text, std::initializer_list<std::string_view> values) {
    const auto& row = RowOf(kTexts, text);
    return {FillIn(row.text, values), std::string(row.title), row.icon};
}

}  // namespace zoriduvo

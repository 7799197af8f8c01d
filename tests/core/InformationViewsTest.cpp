#include <gtest/gtest.h>

#include "edit/RangeSelection.h"
#include "sheet/CaseGroups.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "variables/InformationViews.h"

namespace zoriduvo {
namespace {

std::string Lines(const std::vector<std::pair<std::string, std::string>>& lines) {
    std::string out;
    for (const auto& [caption, value] : lines) out += caption + "=" + value + "\n";
    return out;
}

TEST(FileInformationView, GroupsAndRangeAreListedWhenSet) {
    test::TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    for (int r = 2; r <= 6; ++r) s.grdVo.setText(r, 2, "1");
    s.setEndCell(0, "2");
    s.setEndCell(1, "6");
    s.information().formatTag = "vo-Data_3";
    EXPECT_EQ(Lines(FileInformation(s)),
              "ファイル名=名称未設定:1\n作成日時=未保存\nファイル形式=vo-Data_3\nケース数=5\n変 量 数=1\n"
              "ラベル=未定義\nケースグループ=なし\n範囲指定=なし\n");
    ASSERT_TRUE(ApplyCaseGroups(s, {3, 2}));
    RangeSelection::Store(s, 2, 4);
    s.statisticsAndFile().hasFile = true;
    s.information().path = "/data/survey.vo";
    const std::string text = Lines(FileInformation(s));
    EXPECT_NE(text.find("ファイル名=survey.vo\n"), std::string::npos);
    EXPECT_NE(text.find("ケースグループ=あり\nグループ=2\nｸﾞﾙｰﾌﾟ番号 1=3\nｸﾞﾙｰﾌﾟ番号 2=2\n"), std::string::npos);
    EXPECT_NE(text.find("範囲指定=[ 2 - 4 ]\n"), std::string::npos);
}

}  // namespace
}  // namespace zoriduvo

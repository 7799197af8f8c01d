#include <gtest/gtest.h>

#include "support/SheetFill.h"
#include "files/GatherSheet.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

using test::TestApp;

struct Gathered {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FileImage image;
    void gather(bool withStatistics = true) { GatherSheet(t.app, sheet, "/home/u/data/x.vo", withStatistics, image); }
};

TEST(GatherSheetNames, EmptyNamesBecomeVAndCWithTheirNumbers) {
    Gathered g;
    test::FillSheet(g.sheet, std::vector<std::vector<std::string>>(12, std::vector<std::string>(7, "1")));
    g.sheet.grdVoLabel.setText(0, 6, "six");
    g.sheet.grdVo.setText(1, 8, "");  // variable 7: no name anywhere
    g.sheet.grdVo.setText(13, 1, "");
    g.gather();
    EXPECT_EQ(g.image.variable(6).name, "six");
    EXPECT_EQ(g.image.variable(7).name, "V7");
    EXPECT_EQ(g.image.variable(1).name, "V1");  // from grdVo when the definition has none
    EXPECT_EQ(g.image.caseName(12), "C12");
    EXPECT_EQ(g.image.path, "/home/u/data/x.vo");
    EXPECT_EQ(g.image.fileName, "x.vo");
    EXPECT_EQ(g.image.formatTag, "vo-Data_3");
}

TEST(GatherSheetDefinitions, CategoryCountRoundedAndRangeOnlyForCategoricalVariables) {
    Gathered g;
    test::FillSheet(g.sheet, {{"1", "1", "1"}});
    const char* const rows[3][3] = {{"2.5", "3", "1"}, {"0", "9", "4"}, {"3.5", "4", "2"}};
    for (int v = 1; v <= 3; ++v)
        for (int row = 1; row <= 3; ++row) g.sheet.grdVoLabel.setText(row, v, rows[v - 1][row - 1]);
    g.gather();
    EXPECT_EQ(g.image.variable(1).category.count, 2);  // halves to even
    EXPECT_EQ(g.image.variable(1).category.maximum, 3);
    EXPECT_EQ(g.image.variable(1).category.minimum, 1);
    EXPECT_EQ(g.image.variable(2).category.count, 0);
    EXPECT_EQ(g.image.variable(2).category.maximum, 0);
    EXPECT_EQ(g.image.variable(2).category.minimum, 0);
    EXPECT_EQ(g.image.variable(3).category.count, 4);
}

TEST(GatherSheetGroups, SizesWhenTheyCoverTheCasesElseOneGroup) {
    struct Case {
        const char* name;
        int groups;
        std::vector<const char*> sizes;
        std::vector<std::int16_t> expected;
    };
    const Case cases[] = {
        {"ungrouped", 1, {}, {5}},
        {"two groups", 2, {"3", "2"}, {3, 2}},
        {"sizes short of the cases", 2, {"3", "1"}, {5}},
        {"a size of 0", 3, {"3", "0", "2"}, {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Gathered g;
        test::FillSheet(g.sheet, test::Column({"1", "2", "3", "4", "5"}));
        g.sheet.state().caseGroups = static_cast<std::int16_t>(c.groups);
        if (c.groups > 2) g.sheet.grdSInfo.setCols(c.groups);
        for (std::size_t k = 0; k < c.sizes.size(); ++k) g.sheet.grdSInfo.setText(0, static_cast<int>(k), c.sizes[k]);
        g.gather();
        EXPECT_EQ(g.image.groupSizes, c.expected);
        EXPECT_EQ(g.image.caseCount, 5);
    }
}

}  // namespace
}  // namespace zoriduvo

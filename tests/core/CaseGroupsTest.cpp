#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/CaseGroups.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::TestApp;

Sheet& SheetOfCases(TestApp& t, int cases) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, std::vector<std::vector<std::string>>(cases, {"1", "2"}));
    return sheet;
}

// The shade of each case's row, 'g' grey or 'w' white, after checking that the row is one colour
// from column 2 to the last column and that the fixed columns are never coloured.
std::string Shades(const Sheet& sheet) {
    const Grid& g = sheet.grdVo;
    std::string shades;
    for (int c = 1; c <= sheet.caseCount(); ++c) {
        const std::uint32_t colour = g.backColour(c + 1, 2);
        EXPECT_EQ(g.backColour(c + 1, g.cols() - 1), colour) << "case " << c;
        EXPECT_EQ(g.backColour(c + 1, 0), kDefaultColour) << "case " << c;
        EXPECT_EQ(g.backColour(c + 1, 1), kDefaultColour) << "case " << c;
        shades += colour == kCaseGroupShade ? 'g' : colour == kDefaultColour ? 'w' : '?';
    }
    return shades;
}

TEST(CaseGroupStore, SizesCountAndShadingOfEvenGroups) {
    struct Case {
        const char* name;
        int cases;
        std::vector<int> sizes;
        const char* shades;
    } cases[] = {
        {"three, three, four", 10, {3, 3, 4}, "wwwgggwwww"},
        {"four groups", 10, {1, 2, 3, 4}, "wggwwwgggg"},
        {"two single cases", 2, {1, 1}, "wg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = SheetOfCases(t, c.cases);
        sheet.grdSInfo.setText(1, 0, "2");
        sheet.grdSInfo.setText(1, 1, "5");
        ASSERT_TRUE(ApplyCaseGroups(sheet, c.sizes));
        const int k = static_cast<int>(c.sizes.size());
        EXPECT_EQ(sheet.state().caseGroups, k);
        ASSERT_EQ(sheet.grdSInfo.cols(), k);
        for (int i = 0; i < k; ++i) EXPECT_EQ(sheet.grdSInfo.text(0, i), std::to_string(c.sizes[i]));
        EXPECT_EQ(sheet.grdSInfo.text(1, 0), "2");  // the case range stays
        EXPECT_EQ(sheet.grdSInfo.text(1, 1), "5");
        EXPECT_EQ(Shades(sheet), c.shades);
        EXPECT_EQ(CaseGroupSizes(sheet), c.sizes);
        EXPECT_FALSE(sheet.modified()) << "the caller marks the sheet";
    }
}

TEST(CaseGroupStore, TheShadeIsLightGrey) { EXPECT_EQ(kCaseGroupShade, 0xEEEEEEu); }

TEST(CaseGroupStore, OneGroupOrClearingUngroupsAndWhitensEverything) {
    for (bool viaApply : {true, false}) {
        SCOPED_TRACE(viaApply ? "apply one group" : "clear");
        TestApp t;
        Sheet& sheet = SheetOfCases(t, 6);
        sheet.grdSInfo.setText(1, 0, "1");
        sheet.grdSInfo.setText(1, 1, "6");
        ASSERT_TRUE(ApplyCaseGroups(sheet, {2, 2, 2}));
        sheet.grdVo.setBackColour(40, 2, 5, kCaseGroupShade);  // stray shading below the data
        if (viaApply) ASSERT_TRUE(ApplyCaseGroups(sheet, {6}));
        else ClearCaseGroups(sheet);
        EXPECT_EQ(sheet.state().caseGroups, 1);
        EXPECT_EQ(sheet.grdSInfo.cols(), 2);
        EXPECT_EQ(sheet.grdSInfo.text(0, 1), "6");
        EXPECT_EQ(sheet.grdSInfo.text(1, 1), "6");
        EXPECT_EQ(Shades(sheet), "wwwwww");
        EXPECT_EQ(sheet.grdVo.backColour(40, 3), kDefaultColour);
        EXPECT_EQ(CaseGroupSizes(sheet), std::vector<int>{6});
    }
}

TEST(CaseGroupStore, SizesThatDoNotCoverTheCasesAreRefused) {
    const std::vector<std::vector<int>> bad = {{3, 3}, {3, 3, 5}, {0, 10}, {-2, 12}, {}};
    for (const auto& sizes : bad) {
        TestApp t;
        Sheet& sheet = SheetOfCases(t, 10);
        ASSERT_TRUE(ApplyCaseGroups(sheet, {5, 5}));
        EXPECT_FALSE(ApplyCaseGroups(sheet, sizes));
        EXPECT_EQ(sheet.state().caseGroups, 2);
        EXPECT_EQ(sheet.grdSInfo.text(0, 0), "5");
        EXPECT_EQ(Shades(sheet), "wwwwwggggg");
    }
}

TEST(CaseGroupStore, ReadingDistrustsAStoreThatNoLongerAddsUp) {
    TestApp t;
    Sheet& sheet = SheetOfCases(t, 10);
    ASSERT_TRUE(ApplyCaseGroups(sheet, {4, 6}));
    sheet.grdSInfo.setText(0, 1, "5");  // as if a case had gone without ungrouping
    EXPECT_EQ(CaseGroupSizes(sheet), std::vector<int>{10});
    sheet.grdSInfo.setText(0, 1, "abc");
    EXPECT_EQ(CaseGroupSizes(sheet), std::vector<int>{10});
    sheet.state().caseGroups = 5;  // more groups than stored sizes
    EXPECT_EQ(CaseGroupSizes(sheet), std::vector<int>{10});
    TestApp empty;
    EXPECT_TRUE(CaseGroupSizes(empty.app.sheet(NewSheet(empty.app))).empty());
}

TEST(CaseGroupStore, ShadingAFullSheetTellsTheViewOnce) {
    TestApp t;
    Sheet& sheet = SheetOfCases(t, 3);
    sheet.grdVo.setRows(32790);
    sheet.setEndCell(1, "32768");
    std::vector<int> sizes(32767 / 7, 7);
    sizes.back() += 32767 % 7;
    test::ChangeRecorder recorder(t.app.bus);
    ASSERT_TRUE(ApplyCaseGroups(sheet, sizes));
    EXPECT_EQ(recorder.count(ChangeKind::Layout), 0);
    EXPECT_EQ(recorder.count(ChangeKind::Reset), 1);
    EXPECT_EQ(sheet.grdVo.backColour(9, 2), kCaseGroupShade);  // case 8, group 2
    EXPECT_EQ(sheet.grdVo.backColour(32768, 2), kDefaultColour);  // last case, group 4681
}

}  // namespace
}  // namespace zoriduvo

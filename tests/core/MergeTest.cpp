// Appending the cases or the variables of a vo-Data file to a sheet.
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/imports/Merge.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

// A file of cases x variables; the last variable is categorical 1..2, value (c, v) = 10 c + v.
FileImage Image(int cases, int variables) {
    std::string text = "\"vo-Data_3\"\r\n\"f\"\r\n 1 , " + std::to_string(cases) + " , " + std::to_string(variables) + "\r\n";
    for (int v = 1; v <= variables; ++v) text += "\"f" + std::to_string(v) + (v == variables ? "\",2,1,2,0\r\n" : "\",0,0,0,0\r\n");
    for (int c = 1; c <= cases; ++c) {
        text += "\"n" + std::to_string(c) + "\"";
        for (int v = 1; v <= variables; ++v) text += "," + (c == 1 && v == 1 ? std::string("%M") : std::to_string(10 * c + v));
        text += "\r\n";
    }
    FileImage image;
    EXPECT_FALSE(ReadNativeBytes(text, image));
    return image;
}

Sheet& SheetOf(test::TestApp& t, int cases, int variables) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(cases, std::vector<std::string>(variables, "1")));
    ShowStatisticsBlock(t.app, sheet);
    sheet.setModified(false);
    return sheet;
}

TEST(Merge, AppendsByPositionAndLeavesOneModifiedGroupWithoutStatistics) {
    struct Case {
        const char* name;
        MergeDirection direction;
        int sheetCases, sheetVariables, fileCases, fileVariables;
        int cases, variables;
        int fileRow, fileColumn;  // where the file's case 2, variable 1 lands
    };
    const Case cases[] = {
        {"5 cases onto 10", MergeDirection::Cases, 10, 2, 5, 3, 15, 3, 13, 2},
        {"variables onto more cases", MergeDirection::Variables, 10, 2, 5, 3, 10, 5, 3, 4},
        {"variables onto fewer cases", MergeDirection::Variables, 3, 2, 5, 3, 5, 5, 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestApp t;
        Sheet& sheet = SheetOf(t, c.sheetCases, c.sheetVariables);
        ASSERT_EQ(sheet.state().statisticsBlocks, 1);
        const FileImage image = Image(c.fileCases, c.fileVariables);
        const auto refusal = c.direction == MergeDirection::Cases ? AppendImageCases(sheet, image)
                                                                  : AppendImageVariables(sheet, image);
        ASSERT_FALSE(refusal);
        EXPECT_EQ(sheet.caseCount(), c.cases);
        EXPECT_EQ(sheet.variableCount(), c.variables);
        EXPECT_EQ(sheet.grdVo.text(c.fileRow, c.fileColumn), "21");
        EXPECT_EQ(sheet.grdVo.text(c.fileRow - 1, c.fileColumn), "");  // the file's blank
        EXPECT_EQ(sheet.grdVo.text(1, 2), "V1");                      // the sheet's own names stay
        EXPECT_EQ(sheet.grdVo.text(1, c.variables + 1), "f3");        // the file's last variable
        EXPECT_EQ(ReadCategoryRange(sheet, c.variables), (CategoryRange{2, 2, 1}));
        EXPECT_EQ(sheet.grdVo.text(c.cases + 1, 0), std::to_string(c.cases));
        EXPECT_EQ(sheet.state().statisticsBlocks, 0);
        EXPECT_EQ(sheet.grdVo.text(c.cases + 3, 1), "");  // no block left below the data
        EXPECT_EQ(sheet.state().caseGroups, 1);
        EXPECT_TRUE(sheet.modified());
    }
}

TEST(Merge, CasesOfTheFileKeepTheirNamesWhereTheyAreNew) {
    test::TestApp t;
    Sheet& sheet = SheetOf(t, 3, 2);
    ASSERT_FALSE(AppendImageVariables(sheet, Image(5, 1)));
    EXPECT_EQ(sheet.grdVo.text(3, 1), "C2");
    EXPECT_EQ(sheet.grdVo.text(6, 1), "n5");
    EXPECT_EQ(sheet.grdVo.text(6, 2), "");  // the earlier variables are blank in the added cases
    ASSERT_FALSE(AppendImageCases(sheet, Image(2, 1)));
    EXPECT_EQ(sheet.grdVo.text(8, 1), "n2");
}

TEST(Merge, PastTheCountLimitIsRefusedBeforeAnythingChanges) {
    test::TestApp t;
    Sheet& sheet = SheetOf(t, 3, 2);
    FileImage image = Image(1, 1);
    image.caseCount = kMaxCount - 2;
    const auto refusal = AppendImageCases(sheet, image);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find("32768"), std::string::npos);
    EXPECT_EQ(sheet.caseCount(), 3);
    EXPECT_EQ(sheet.state().statisticsBlocks, 1);
    EXPECT_FALSE(sheet.modified());
}

TEST(Merge, CommandReadsTheChosenFileAndCancelChangesNothing) {
    test::TempFolder folder;
    test::TestApp t;
    Sheet& sheet = SheetOf(t, 10, 2);
    t.ui.fileNames = {std::nullopt, folder.file("none.vo")};
    EXPECT_EQ(MergeCasesCommand(t.app, sheet), MergeOutcome::Cancelled);
    EXPECT_EQ(t.ui.fileDialogs.at(0).title, "ファイルの結合");
    EXPECT_EQ(MergeCasesCommand(t.app, sheet), MergeOutcome::Unreadable);
    EXPECT_EQ(sheet.caseCount(), 10);
    EXPECT_FALSE(sheet.modified());
    t.ui.fileNames = {std::string(ZORIDUVO_TEST_DATA) + "/exports/more.vo"};
    EXPECT_EQ(MergeVariablesCommand(t.app, sheet), MergeOutcome::Merged);
    EXPECT_EQ(sheet.variableCount(), 6);
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include "sheet/CaseGroups.h"
#include "files/SheetLoader.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;

FileImage SmallImage(std::vector<std::int16_t> groups = {3}) {
    FileImage image;
    image.path = "/data/Test.VO";
    image.fileName = "Test.VO";
    image.formatTag = "vo-Data_3";
    image.fileLabel = "label";
    image.date = "99-12-06 14:05:09";
    image.groupSizes = groups;
    for (auto size : groups) image.caseCount += size;
    image.variableCount = 2;
    image.variables = {{"x", {0, 0, 0}}, {"g", {3, 3, 1}}};
    for (int c = 1; c <= image.caseCount; ++c) {
        image.caseNames.push_back("k" + std::to_string(c));
        image.appendValue(c == 2 ? "" : std::to_string(c));
        image.appendValue("1");
    }
    return image;
}

TEST(SheetLoaderValues, ShortestTextOfTheLeadingNumber) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {{"abc", "0"}, {"2.50", "2.5"}, {"", ""}, {"1e3", "1000"}, {"12abc", "12"},
                          {"0.1", "0.1"}, {"-0", "0"}, {"1.5D2", "150"}, {"1e40", "1E+40"}};
    FileImage image;
    image.groupSizes = {static_cast<std::int16_t>(std::size(cases))};
    image.caseCount = image.groupSizes[0];
    image.variableCount = 1;
    for (const Case& c : cases) image.appendValue(c.stored);
    TestApp t;
    NewSheet(t.app);
    const Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, image));
    for (int c = 1; c <= image.caseCount; ++c) {
        SCOPED_TRACE(cases[c - 1].stored);
        EXPECT_EQ(sheet.grdVo.text(c + 1, 2), cases[c - 1].shown);
    }
}

// Opening and saving a file must not change its values: IDs and coordinates keep every digit.
TEST(SheetLoaderValues, LoadedValuesKeepTheirDoubleDigits) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {"20240131", "20240131"},     {"99999999", "99999999"}, {"35.6812345", "35.6812345"},
        {"1234567.89", "1234567.89"}, {"300000", "300000"},     {"0.0001", "0.0001"},
        {"787300000", "787300000"},   {"1.50", "1.5"},          {"-139.7671234", "-139.7671234"},
        {"1e15", "1E+15"},            {"0.00001", "1E-05"},     {"0.1234567890123456", "0.123456789012346"},
    };
    FileImage image;
    image.groupSizes = {static_cast<std::int16_t>(std::size(cases))};
    image.caseCount = image.groupSizes[0];
    image.variableCount = 1;
    for (const Case& c : cases) image.appendValue(c.stored);
    TestApp t;
    NewSheet(t.app);
    const Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, image));
    for (int c = 1; c <= image.caseCount; ++c) {
        SCOPED_TRACE(cases[c - 1].stored);
        EXPECT_EQ(sheet.grdVo.text(c + 1, 2), cases[c - 1].shown);
    }
}

TEST(SheetLoaderTarget, TheEmptyStartSheetTakesTheFileAnyOtherMakesANewSheet) {
    TestApp t;
    const int start = NewSheet(t.app);
    t.app.setActiveSheet(start);
    EXPECT_EQ(LoadImageIntoSheet(t.app, SmallImage()), start);
    EXPECT_EQ(t.app.openCount(), 1);
    const int second = LoadImageIntoSheet(t.app, SmallImage());
    EXPECT_NE(second, start);
    EXPECT_EQ(t.app.openSheets(), (std::vector<int>{start, second}));
    EXPECT_EQ(t.app.sheet(start).grdVo.text(1, 2), "x");
}

TEST(SheetLoaderRecords, FlagsFileRecordAndCaption) {
    TestApp t;
    t.app.setActiveSheet(NewSheet(t.app));
    Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, SmallImage()));
    EXPECT_FALSE(sheet.modified());
    EXPECT_FALSE(sheet.blank());  // unlocked by the end cells
    EXPECT_TRUE(sheet.statisticsAndFile().hasFile);
    EXPECT_FALSE(sheet.statisticsValid());  // the image holds no statistics
    EXPECT_EQ(sheet.state().statisticsBlocks, 0);
    EXPECT_EQ(sheet.caption(), "test.vo");
    const SheetInformation& info = sheet.information();
    EXPECT_EQ(info.path, "/data/Test.VO");  // the path as chosen
    EXPECT_EQ(info.fileLabel, "label");
    EXPECT_EQ(info.formatTag, "vo-Data_3");
    EXPECT_EQ(info.date, "99-12-06 14:05:09");
    EXPECT_EQ(info.loadedCases, 3);
    EXPECT_EQ(info.loadedVariables, 2);
    EXPECT_EQ(info.blankCode, "%M");
    EXPECT_EQ(sheet.endCell(0), "3");
    EXPECT_EQ(sheet.endCell(1), "4");
    EXPECT_TRUE(t.app.toolbar.button("fileSave").enabled);

    LoadOptions noFile;
    noFile.hasFile = false;
    EXPECT_FALSE(t.app.sheet(LoadImageIntoSheet(t.app, SmallImage(), noFile)).statisticsAndFile().hasFile);
}

TEST(SheetLoaderGrids, NamesNumbersDefinitionsAndComment) {
    TestApp t;
    t.app.setActiveSheet(NewSheet(t.app));
    FileImage image = SmallImage();
    image.comment = "a\r\nb";
    const Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, image));
    const Grid& grid = sheet.grdVo;
    EXPECT_EQ(grid.text(0, 3), "2");
    EXPECT_EQ(grid.text(1, 3), "g");
    EXPECT_EQ(grid.text(3, 0), "2");
    EXPECT_EQ(grid.text(3, 1), "k2");
    EXPECT_EQ(grid.text(3, 2), "");
    EXPECT_EQ(sheet.grdVoLabel.text(0, 1), "x");
    EXPECT_EQ(sheet.grdVoLabel.text(1, 1), "");  // a continuous variable keeps empty rows
    EXPECT_EQ(sheet.grdVoLabel.text(1, 2), "3");
    EXPECT_EQ(sheet.grdVoLabel.text(2, 2), "3");
    EXPECT_EQ(sheet.grdVoLabel.text(3, 2), "1");
    EXPECT_EQ(sheet.comment(), "a\r\nb");
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 2);
}

TEST(SheetLoaderGrids, GridsGrowToTheImage) {
    TestApp t;
    t.app.setActiveSheet(NewSheet(t.app));
    FileImage image;
    image.groupSizes = {200};
    image.caseCount = 200;
    image.variableCount = 30;
    const Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, image));
    EXPECT_EQ(sheet.grdVo.cols(), 37);
    EXPECT_EQ(sheet.grdVoLabel.cols(), 36);
    EXPECT_EQ(sheet.grdVoStat.cols(), 36);
    EXPECT_EQ(sheet.grdVo.rows(), 222);
    EXPECT_EQ(sheet.grdVo.colWidth(36), 1200);
    EXPECT_EQ(sheet.grdVo.rowHeight(221), 280);
    EXPECT_EQ(sheet.grdVo.text(201, 0), "200");
}

TEST(SheetLoaderGroups, SizesInTheInformationGridAndEverySecondGroupShaded) {
    TestApp t;
    t.app.setActiveSheet(NewSheet(t.app));
    const Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, SmallImage({1, 2, 1, 1})));
    EXPECT_EQ(sheet.state().caseGroups, 4);
    ASSERT_EQ(sheet.grdSInfo.cols(), 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(sheet.grdSInfo.text(0, k), k == 1 ? "2" : "1");
    const Grid& grid = sheet.grdVo;
    const bool shaded[] = {false, true, true, false, true};  // cases 1..5: groups 1, 2, 2, 3, 4
    for (int c = 1; c <= 5; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(grid.backColour(c + 1, 2) == kCaseGroupShade, shaded[c - 1]);
        EXPECT_EQ(grid.backColour(c + 1, grid.cols() - 1) == kCaseGroupShade, shaded[c - 1]);
        EXPECT_EQ(grid.backColour(c + 1, 1), kDefaultColour);  // case names stay white
    }
    const Sheet& single = t.app.sheet(LoadImageIntoSheet(t.app, SmallImage({3})));
    EXPECT_EQ(single.state().caseGroups, 1);
    EXPECT_EQ(single.grdSInfo.cols(), 2);
    EXPECT_EQ(single.grdVo.backColour(3, 2), kDefaultColour);
}

TEST(SheetLoaderStatistics, BlockBelowTheDataAndStatisticsGrid) {
    TestApp t;
    t.app.setActiveSheet(NewSheet(t.app));
    FileImage image = SmallImage();
    image.statisticsPresent = true;
    image.statisticsCorner = " 1- 3";
    image.statistics = {{3, 1, 2, 1.414214f, 2}, {}};
    Sheet& sheet = t.app.sheet(LoadImageIntoSheet(t.app, image));
    EXPECT_TRUE(sheet.statisticsValid());
    EXPECT_EQ(sheet.state().statisticsBlocks, 1);
    const Grid& grid = sheet.grdVo;
    EXPECT_EQ(grid.text(6, 1), " 1- 3");  // row C + 3
    EXPECT_EQ(sheet.grdVoStat.text(0, 0), " 1- 3");
    const char* const first[] = {"3", "1", "2", "1.414214", "2"};
    const char* const second[] = {"-", "-", "-", "-", "0"};
    for (int row = 1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.text(6 + row, 1), sheet.grdVoStat.text(row, 0));
        EXPECT_EQ(sheet.grdVoStat.text(row, 1), first[row - 1]);
        EXPECT_EQ(sheet.grdVoStat.text(row, 2), second[row - 1]);
        EXPECT_EQ(grid.text(6 + row, 2), first[row - 1]);
        EXPECT_EQ(grid.text(6 + row, 3), second[row - 1]);
    }
}

// A full-size load is one model reset, not one notification per cell.
TEST(SheetLoaderBulk, ThirtyTwoThousandCasesAreOneReset) {
    TestApp t;
    FileImage image;
    image.groupSizes = {16000, 16767};
    image.caseCount = 32767;
    image.variableCount = 4;
    for (int c = 1; c <= image.caseCount; ++c) {
        image.caseNames.push_back("c");
        for (int v = 1; v <= 4; ++v) image.appendValue("1.5");
    }
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::ChangeRecorder recorder(t.app.bus);
    FillSheetFromImage(sheet, image);
    EXPECT_EQ(recorder.count(ChangeKind::Reset), 1);
    EXPECT_EQ(recorder.count(ChangeKind::Cell), 0);
    EXPECT_EQ(recorder.count(ChangeKind::Names), 0);
    EXPECT_EQ(recorder.count(ChangeKind::Layout), 0);
    EXPECT_EQ(sheet.grdVo.text(32768, 5), "1.5");
    EXPECT_EQ(sheet.grdVo.backColour(32768, 5), kCaseGroupShade);
}

}  // namespace
}  // namespace zoriduvo

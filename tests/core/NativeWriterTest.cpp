#include <gtest/gtest.h>

#include <vector>

#include "FileTestSupport.h"
#include "SurveySheet.h"
#include "files/GatherSheet.h"
#include "files/NativeFileSave.h"
#include "files/NativeWriter.h"
#include "files/exports/ExportCommand.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

using test::TestApp;

std::string Encode(const FileImage& image, int version) {
    std::string bytes;
    const auto problem = EncodeNativeFile(image, version, bytes);
    EXPECT_FALSE(problem) << (problem ? problem->where : "");
    return bytes;
}

// The file's lines in UTF-8; every line must end in CR LF.
std::vector<std::string> Lines(const std::string& bytes) {
    const std::string text = Cp932ToUtf8(bytes).value();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

FileImage GatheredSurvey(TestApp& t, bool withStatistics) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSurveySheet(sheet);
    FileImage image;
    GatherSheet(t.app, sheet, "/data/survey.vo", withStatistics, image);
    return image;
}

TEST(NativeWriterGolden, Version3WithGroupsCategoriesBlanksStatisticsAndComment) {
    TestApp t;
    EXPECT_EQ(Encode(GatheredSurvey(t, true), 3), test::TestData("native-v3-groups/expected.vo"));
}

TEST(NativeWriterGolden, Version1HasTwoFieldVariablesAndNoStatistics) {
    TestApp t;
    EXPECT_EQ(Encode(GatheredSurvey(t, false), 1), test::TestData("native-v1-groups/expected.vo"));
}

TEST(NativeWriterVersions, VariableLinesAndStatisticsBlockFollowTheVersion) {
    TestApp t;
    const FileImage image = GatheredSurvey(t, true);
    struct Case {
        int version;
        const char* categoricalLine;
        bool statistics;
    };
    for (const Case& c : {Case{1, "\"性別\", 2 ", false}, Case{2, "\"性別\", 2 ", true},
                          Case{3, "\"性別\", 2 , 1 , 2 , 0 ", true}, Case{4, "\"性別\", 2 , 1 , 2 , 0 ", false}}) {
        SCOPED_TRACE(c.version);
        const auto lines = Lines(Encode(image, c.version));
        ASSERT_GE(lines.size(), 10u);
        EXPECT_EQ(lines[0], "\"vo-Data_" + std::to_string(c.version) + "\"");
        EXPECT_EQ(lines[4], c.categoricalLine);
        EXPECT_EQ(lines.size(), c.statistics ? 20u : 13u);
        EXPECT_EQ(lines[9] == "\"nn\",%M,%M,%M", c.statistics);
    }
}

TEST(NativeWriterLines, GroupLineAndBlankCode) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(20, std::vector<std::string>(4, "1")));
    sheet.grdVo.setText(3, 2, "");
    FileImage image;
    GatherSheet(t.app, sheet, "/d/a.vo", false, image);
    EXPECT_EQ(Lines(Encode(image, 4))[2], " 1 , 20 , 4 ");
    EXPECT_EQ(Lines(Encode(image, 4))[8], "\"C2\",%M,1,1,1");

    sheet.state().caseGroups = 2;
    sheet.grdSInfo.setText(0, 0, "12");
    sheet.grdSInfo.setText(0, 1, "8");
    sheet.information().blankCode = ".";
    GatherSheet(t.app, sheet, "/d/a.vo", false, image);
    const auto lines = Lines(Encode(image, 4));
    EXPECT_EQ(lines[2], " 2 , 12 , 8 , 4 ");
    EXPECT_EQ(lines[8], "\"C2\",.,1,1,1");
}

TEST(NativeWriterComment, EmptyCommentWritesNoBlockAndLineBreaksBecomeCrLf) {
    FileImage image;
    image.groupSizes = {0};
    EXPECT_EQ(Lines(Encode(image, 4)).size(), 3u);
    image.comment = "one\ntwo\r\nthree\rfour";
    const auto lines = Lines(Encode(image, 4));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()),
              (std::vector<std::string>{"///*", "one", "two", "three", "four", "*///"}));
}

// A character code page 932 cannot hold is refused where it stands, and nothing is written.
TEST(NativeWriterRefusal, NamesThePlaceOfAnUnwritableCharacter) {
    struct Case {
        const char* name;
        void (*spoil)(Sheet&);
        const char* where;
    };
    const Case cases[] = {
        {"label", [](Sheet& s) { s.information().fileLabel = "café"; }, "ファイルラベル"},
        {"variable name", [](Sheet& s) { s.grdVoLabel.setText(0, 3, "x😀"); }, "変数 3 の名前"},
        {"case name", [](Sheet& s) { s.grdVo.setText(4, 1, "é"); }, "ケース 3 のケース名"},
        {"cell", [](Sheet& s) { s.grdVo.setText(3, 3, "2é"); }, "ケース 2、変数 2 の値"},
        {"statistics corner", [](Sheet& s) { s.grdVoStat.setText(0, 0, "ü"); }, "統計量の範囲"},
        {"comment", [](Sheet& s) { s.setComment("ok\r\nnaïve"); }, "データのコメント（2 行目）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSurveySheet(sheet);
        c.spoil(sheet);
        FileImage image;
        GatherSheet(t.app, sheet, "/d/a.vo", true, image);
        std::string bytes = "untouched";
        const auto problem = EncodeNativeFile(image, 3, bytes);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->code, FileError::UnwritableCharacter);
        EXPECT_EQ(problem->where, c.where);
        EXPECT_EQ(bytes, "untouched");
        const Message message = MessageOf(*problem);
        EXPECT_NE(message.text.find(c.where), std::string::npos);
        EXPECT_NE(message.text.find(problem->detail), std::string::npos);
    }
}

// A pasted text is kept as it is; as a bare value it would shift the fields of its case.
TEST(NativeWriterRefusal, AValueThatWouldSplitItsFieldIsRefused) {
    for (const char* text : {"1,5", "a\"b", "1\r\n2"}) {
        SCOPED_TRACE(text);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSurveySheet(sheet);
        sheet.grdVo.setText(3, 3, text);
        FileImage image;
        GatherSheet(t.app, sheet, "/d/a.vo", true, image);
        std::string bytes = "untouched";
        const auto problem = EncodeNativeFile(image, 3, bytes);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->where, "ケース 2、変数 2 の値");
        EXPECT_EQ(bytes, "untouched");
    }
}

TEST(NativeWriterRefusal, NothingReachesTheDiskAndTheSheetStaysModified) {
    TestApp t;
    test::TempFolder folder;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSurveySheet(sheet);
    sheet.grdVo.setText(2, 1, "€uro?");
    sheet.setModified(true);
    const std::string path = folder.file("a.vo");
    test::WriteBytes(path, "old");
    EXPECT_FALSE(WriteSheetVersion3(t.app, sheet, path));
    EXPECT_EQ(test::ReadBytes(path), "old");
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsAndFile().hasFile);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].title, "ファイルの保存");
    EXPECT_EQ(t.ui.busyDepth, 0);
}

TEST(NativeWriterRecord, UndefinedLabelIsMadeFromFileNameAndDateAndKept) {
    test::SourceDateGuard utc("944489109");
    TestApp t;
    t.clock.seconds = 944489109;  // 1999-12-06 14:05:09 UTC
    test::TempFolder folder;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1"}});
    sheet.setModified(true);
    ASSERT_TRUE(WriteSheetVersion3(t.app, sheet, folder.file("data1.vo")));
    EXPECT_EQ(Lines(test::ReadBytes(folder.file("data1.vo")))[1], "\"data1.vo : 12-06-1999 14:05:09\"");
    const SheetInformation& info = sheet.information();
    EXPECT_EQ(info.fileLabel, "data1.vo : 12-06-1999 14:05:09");
    EXPECT_EQ(info.date, "12-06-1999 14:05:09");
    EXPECT_EQ(info.formatTag, "vo-Data_3");
    EXPECT_EQ(info.path, folder.file("data1.vo"));
    EXPECT_EQ(info.loadedCases, 1);
    EXPECT_FALSE(sheet.modified());
    EXPECT_TRUE(sheet.statisticsAndFile().hasFile);
    EXPECT_TRUE(sheet.statisticsValid());
}

TEST(NativeWriterRecord, Versions1And4LeaveTheStatisticsFlagAlone) {
    TestApp t;
    test::TempFolder folder;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1"}});
    for (int version : {1, 4, 2}) {
        SCOPED_TRACE(version);
        const std::string form = "vo" + std::to_string(version);
        ASSERT_EQ(ExportCommand(t.app, sheet, *FindExportForm(form), folder.file(form + ".vo")),
                  ExportOutcome::Written);
        EXPECT_EQ(sheet.statisticsValid(), version == 2);
        EXPECT_EQ(sheet.information().formatTag, "vo-Data_" + std::to_string(version));
    }
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

// The writer reserves its room once; for a big sheet of few values that room must follow the file,
// not the largest text every cell could have, or saving such a sheet asks for gigabytes.
TEST(NativeWriterRoom, ASparseSheetReservesAboutWhatItsFileTakes) {
    FileImage image;
    image.formatTag = "vo-Data_3";
    image.caseCount = image.variableCount = 1000;
    image.blankText = "%M";
    image.groupSizes = {1000};
    for (int v = 1; v <= image.variableCount; ++v) image.variables.push_back({"V" + std::to_string(v), {}});
    for (int c = 1; c <= image.caseCount; ++c) {
        image.caseNames.push_back("C" + std::to_string(c));
        image.beginCase();
        if (c % 100 == 0) image.appendValue("1234.5");
    }
    std::string bytes;
    ASSERT_FALSE(EncodeNativeFile(image, 1, bytes));
    EXPECT_GT(bytes.size(), 3000000u);
    EXPECT_LT(bytes.capacity(), bytes.size() + bytes.size() / 4);
}

}  // namespace
}  // namespace zoriduvo

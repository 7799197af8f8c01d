#include <gtest/gtest.h>

#include <string>

#include "FileTestSupport.h"
#include "app/StartUp.h"
#include "files/OpenCommand.h"
#include "files/exports/ExportFormats.h"
#include "files/exports/WriteExport.h"
#include "files/imports/FixedWidth.h"
#include "files/imports/ImportCommand.h"
#include "files/imports/ImportMessages.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

struct Frame {
    Frame() {
        StartUp(t.app);
        t.app.setActiveSheet(1);
    }
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        test::WriteBytes(path, bytes);
        return path;
    }
    test::TestApp t;
    test::TempFolder folder;
};

TEST(ImportRun, RefusalsAreToldAndBuildNothing) {
    using L = ImportLayout;
    const struct {
        const char* name;
        const char* file;  // written with a table in it unless empty
        L layout;
        const char* cases;
        const char* text;
        const char* title;
    } cases[] = {
        {"no path", nullptr, L::ValuesOnly, "1", "ファイル名を指定して下さい。", "Import"},
        {"name without a stem", ".txt", L::ValuesOnly, "1", "ファイル名が正しくありません", "Import"},
        {"counts missing", "d.txt", L::ValuesOnly, "0", "ケース数、変量数を入力してください。", "Import"},
        {"counts beyond a sheet", "d.txt", L::ValuesOnly, "40000", "ケース数、変量数は 32767 以下で指定して下さい。", "Import"},
        {"no layout", "d.txt", L::None, "1", "ファイル形式を指定して下さい。", "Import"},
        {"pair without a header", "d.txt", L::Mirv, "1", "ヘッダーファイル (*.HDR)を指定してください。", "Import"},
        {"missing file", "", L::WithCounts, "1", "ファイルが存在しません\nnone.txt", kProgramTitle},
    };
    for (const auto& c : cases) {
        Frame f;
        std::string path;
        if (c.file) path = *c.file ? f.write(c.file, "1 2\r\n") : f.folder.file("none.txt");
        const ImportResult result = RunImport(f.t.app, path, c.layout, c.cases, "2");
        EXPECT_NE(result.outcome, ImportResult::Imported) << c.name;
        ASSERT_EQ(f.t.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.t.ui.messages[0].text, c.text) << c.name;
        EXPECT_EQ(f.t.ui.messages[0].title, c.title) << c.name;
        EXPECT_EQ(f.t.app.sheet(1).variableCount(), 0) << c.name;
    }
}

// What the reader left out or read otherwise is told once the sheet stands; a skip past the end
// of the file leaves nothing to read and is refused.
TEST(ImportRun, ExtraValuesAndASkipPastTheEndAreTold) {
    Frame f;
    const std::string path = f.write("nine.txt", "1 2 3\n4 5 6\n7 8 9\n");
    EXPECT_EQ(RunImport(f.t.app, path, ImportLayout::ValuesOnly, "2", "3").outcome, ImportResult::Imported);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].text,
              "ケース数と変数の数を超える 3 個の値があったため、それらは読み込まれませんでした。\n最初の値は 3 行目にあります。");
    EXPECT_EQ(f.t.ui.messages[0].title, "Import");

    DescribedFields fields;
    fields.skip = "3";
    fields.cases = fields.variables = "1";
    EXPECT_EQ(RunDescribedImport(f.t.app, path, fields).outcome, ImportResult::Refused);
    ASSERT_EQ(f.t.ui.messages.size(), 2u);
    EXPECT_EQ(f.t.ui.messages[1].text,
              "3 行を読み飛ばすと、読み込むデータが残りません（ファイルは 3 行です）。\nファイルは読み込まれませんでした。");
    fields.skip = "2";
    EXPECT_EQ(RunDescribedImport(f.t.app, path, fields).outcome, ImportResult::Imported);
}

TEST(ImportRun, AFileOfAnyNameBecomesAModifiedSheetWithoutFile) {
    Frame f;
    const std::string path = f.write("Measurements-of-2024.data.TXT", "1 2 3\r\n4 %M 6\r\n");
    const ImportResult result = RunImport(f.t.app, path, ImportLayout::ValuesOnly, "2", "3");
    ASSERT_EQ(result.outcome, ImportResult::Imported);
    const Sheet& sheet = f.t.app.sheet(result.sheet);
    EXPECT_EQ(result.sheet, 1);
    EXPECT_EQ(sheet.caption(), "Measurements-of-2024.Vo");
    EXPECT_EQ(sheet.information().path, "Measurements-of-2024.Vo");
    EXPECT_EQ(sheet.information().formatTag, "vo-Data_3");
    EXPECT_EQ(sheet.information().date, "未保存");
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsAndFile().hasFile);
    EXPECT_EQ(sheet.grdVo.text(3, 2), "4");
    EXPECT_EQ(sheet.grdVo.text(3, 3), "");
    EXPECT_EQ(sheet.caseCount(), 2);
}

TEST(ImportRun, AFileOpenAlreadyIsNotImported) {
    Frame f;
    const std::string path = f.write("d.vo", test::TestData("native-v3-groups/expected.vo"));
    ASSERT_EQ(OpenPath(f.t.app, path, 1), OpenOutcome::Opened);
    EXPECT_EQ(RunImport(f.t.app, path, ImportLayout::WithCounts, "", "").outcome, ImportResult::Failed);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].text, "このファイルはすでに開かれています。");
}

TEST(ImportRun, MirvPairInCapitals) {
    Frame f;
    const std::string header = f.write("SURVEY.HDR",
                                       "\"Mirv/B_1\"\r\n\"S\",\"d\", \"t\"\r\n\"p\"\r\n\"S.Vo\",\"d\", \"t\"\r\n\"1\"\r\n"
                                       "1\r\n2,\"\"\r\n1,0\r\n\"w\",\"\",0,0,0\r\n0,0\r\n");
    f.write("SURVEY.DAT", "60\r\n%M\r\n");
    const ImportResult result = RunImport(f.t.app, header, ImportLayout::Mirv, "", "");
    ASSERT_EQ(result.outcome, ImportResult::Imported);
    const Sheet& sheet = f.t.app.sheet(result.sheet);
    EXPECT_EQ(sheet.caption(), "SURVEY.Vo");
    EXPECT_EQ(sheet.information().formatTag, "未保存");
    EXPECT_EQ(sheet.grdVo.text(1, 2), "w");
    EXPECT_EQ(sheet.grdVo.text(2, 2), "60");
    EXPECT_EQ(sheet.grdVo.text(3, 2), "");
}

// The pair of a sheet with variables and no cases has an empty data file: it reads back as such
// a sheet, not as a missing file.
TEST(ImportRun, MirvPairOfASheetWithoutCasesReadsBack) {
    Frame f;
    Sheet& sheet = f.t.app.sheet(1);
    sheet.grdVo.setText(1, 2, "a");
    sheet.grdVo.setText(1, 3, "b");
    sheet.setEndCell(0, "3");
    const std::string header = f.folder.file("empty.hdr");
    ASSERT_FALSE(WriteExport(f.t.app, sheet, *FindExportForm("mirv"), header));
    const ImportResult result = RunImport(f.t.app, header, ImportLayout::Mirv, "", "");
    ASSERT_EQ(result.outcome, ImportResult::Imported);
    const Sheet& read = f.t.app.sheet(result.sheet);
    EXPECT_EQ(read.variableCount(), 2);
    EXPECT_EQ(read.caseCount(), 0);
    EXPECT_EQ(read.grdVo.text(1, 3), "b");
    EXPECT_TRUE(f.t.ui.messages.empty());
}

TEST(ImportRun, DescribedRefusals) {
    const struct {
        const char* name;
        DescribedFields fields;
        const char* text;
    } cases[] = {
        {"groups need counts in the file", {"0", true, false, "1", "1"}, "ケースグループを読み込むには、ケース数、変量数を「あり」にして下さい。"},
        {"counts not typed", {"0", false, false, "", "2"}, "ケース数、変量数を指定して下さい"},
        {"no variables", {"0", false, false, "3", "0"}, "ケース数、変量数を指定して下さい"},
    };
    for (const auto& c : cases) {
        Frame f;
        const std::string path = f.write("d.txt", "1 2\r\n");
        EXPECT_EQ(RunDescribedImport(f.t.app, path, c.fields).outcome, ImportResult::Refused) << c.name;
        ASSERT_EQ(f.t.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.t.ui.messages[0].text, c.text) << c.name;
    }
}

// A fixed-width file of case names in columns 1 to 4 and one variable in columns 6 to 8.
ImportResult ImportNamesAndOneColumn(Frame& f, const std::string& bytes, const std::string& variable) {
    FixedLayout layout;
    layout.variables = {{variable, 6, 8}};
    layout.caseNames = FixedCaseNames::Read;
    layout.nameFirst = 1, layout.nameLast = 4;
    return ImportFixedWidth(f.t.app, f.write("fixed.txt", bytes), layout);
}

TEST(ImportRun, FixedWidthSheet) {
    Frame f;
    const ImportResult result = ImportNamesAndOneColumn(f, test::Sjis("山田 170\r\n佐藤 165\r\n"), "身長");
    ASSERT_EQ(result.outcome, ImportResult::Imported);
    const Sheet& sheet = f.t.app.sheet(result.sheet);
    EXPECT_EQ(sheet.caption(), "名称未設定:1");
    EXPECT_EQ(sheet.information().formatTag, "Fixed_Data");
    EXPECT_EQ(sheet.information().path, "未定義");
    EXPECT_EQ(sheet.grdVo.text(3, 1), "佐藤");
    EXPECT_EQ(sheet.grdVo.text(3, 2), "165");
    EXPECT_TRUE(sheet.modified());
    EXPECT_TRUE(f.t.ui.messages.empty());
}

// Columns cut where a name holds a double quote or a character code page 932 has not, and a
// missing-value code where a number stands: the import says so.
TEST(ImportRun, FixedWidthNamesThatCannotBeStoredAndMissingCodes) {
    Frame f;
    const ImportResult result = ImportNamesAndOneColumn(f, "a\"b  NA\ncafé170\n", "x");  // é takes two columns
    ASSERT_EQ(result.outcome, ImportResult::Imported);
    const Sheet& sheet = f.t.app.sheet(result.sheet);
    EXPECT_EQ(sheet.grdVo.text(2, 2), "");
    EXPECT_EQ(sheet.grdVo.text(3, 2), "170");
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_TRUE(f.t.ui.messages[0].text.starts_with("2 個の名前はシフトJIS（コードページ 932）のファイルにそのまま保存でき"
                                                    "ません: 「a\"b」、「café」\n"))
        << f.t.ui.messages[0].text;
    EXPECT_EQ(f.t.ui.messages[0].title, kFixedWidthTitle);
}

}  // namespace
}  // namespace zoriduvo

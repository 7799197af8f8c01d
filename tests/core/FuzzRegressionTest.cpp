// Findings of the fuzz targets, each kept with its minimised input in tests/data/fuzz-regressions.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "FileTestSupport.h"
#include "app/StartUp.h"
#include "edit/ClipboardCommands.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/OpenCommand.h"
#include "files/Recovery.h"
#include "files/SaveCommands.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;

std::string RegressionPath(const std::string& name) {
    return std::string(ZORIDUVO_TEST_DATA) + "/fuzz-regressions/" + name;
}

struct Frame {
    Frame() {
        StartUp(t.app);
        t.app.setActiveSheet(1);
    }
    test::TestApp t;
    test::TempFolder folder;
};

// The sheet saved through "名前をつけて保存" and its file read back; empty when the save said anything.
std::optional<FileImage> SavedAndReadBack(Frame& f, Sheet& sheet) {
    const std::string out = f.folder.file("out.vo");
    f.t.ui.fileNames.push_back(out);
    SaveAsCommand(f.t.app, sheet);
    FileImage back;
    if (!f.t.ui.messages.empty() || ReadNativeFile(out, back)) return std::nullopt;
    return back;
}

// A recovery copy of the regression folder restored as a sheet a dead run left.
Sheet* RestoredCopy(Frame& f, const std::string& name) {
    const std::string copy = f.folder.file("1.rec");
    fs::copy_file(RegressionPath(name), copy);
    if (!RestoreLeftSheet(f.t.app, {copy}, "")) return nullptr;
    return &f.t.app.sheet(f.t.app.openSheets().back());
}

// The format has no escaping: a double quote in a case name was written as it stood, and the file
// read back with the name cut at the quote (and, with a comma after it, every value of the case
// shifted by one). Now the save is refused with the place, and no file is written.
TEST(FuzzRegression, QuoteInCaseNameIsRefusedOnSaveInsteadOfShiftingTheCase) {
    struct Case {
        const char* name;
        const char* input;
        const char* place;
    };
    const Case cases[] = {
        {"native reader", "native_reader-quote-in-case-name.vo", "ケース 1 のケース名"},
        {"csv reader", "csv_reader-quote-in-case-name.csv", "ケース 1 のケース名"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f;
        ASSERT_EQ(OpenPath(f.t.app, RegressionPath(c.input), 1), OpenOutcome::Opened);
        Sheet& sheet = f.t.app.sheet(1);
        ASSERT_NE(sheet.grdVo.text(2, 1).view().find('"'), std::string_view::npos) << "the name holds its quote";
        // The open already says so.
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_TRUE(f.t.ui.messages[0].text.starts_with("1 個の名前は")) << f.t.ui.messages[0].text;
        sheet.setModified(true);
        const std::string out = f.folder.file("out.vo");
        f.t.ui.fileNames.push_back(out);
        SaveAsCommand(f.t.app, sheet);
        ASSERT_EQ(f.t.ui.messages.size(), 2u);
        EXPECT_EQ(f.t.ui.messages[1].text,
                  std::string("保存できない文字「\"」が") + c.place +
                      "にあります。\nこの文字を別の文字に直してから保存してください。\nファイルは保存されていません。");
        EXPECT_FALSE(fs::exists(out));
        EXPECT_TRUE(sheet.modified());
    }
}

// A group line may count a group without cases. The sheet kept it, the save then found sizes it
// would not write and wrote one group of all cases, so the groups around the empty one merged.
TEST(FuzzRegression, EmptyCaseGroupIsDroppedSoTheOthersSurviveASave) {
    Frame f;
    ASSERT_EQ(OpenPath(f.t.app, RegressionPath("native_reader-empty-case-group.vo"), 1), OpenOutcome::Opened);
    Sheet& sheet = f.t.app.sheet(1);
    EXPECT_EQ(sheet.state().caseGroups, 2);
    const auto back = SavedAndReadBack(f, sheet);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->groupSizes, (std::vector<std::int16_t>{2, 1}));
    EXPECT_EQ(back->caseCount, 3);
    EXPECT_EQ(back->caseName(3), "c");
}

// A recovery copy may count a group without cases, as a vo-Data file may. The restored sheet kept
// it, and its next save wrote one group of all cases: the groups around the empty one merged.
TEST(FuzzRegression, EmptyCaseGroupInARecoveryCopyIsDroppedSoTheOthersSurviveASave) {
    Frame f;
    Sheet* sheet = RestoredCopy(f, "recovery-empty-case-group.rec");
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->state().caseGroups, 2);
    const auto back = SavedAndReadBack(f, *sheet);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->groupSizes, (std::vector<std::int16_t>{2, 1}));
    EXPECT_EQ(back->caseName(3), "c");
}

// A value may be a text of nothing but blanks (pasted, or kept in a recovery copy). The sheet
// counts it as 0; it was written as it stood, and the reader took it for a blank.
TEST(FuzzRegression, ValueThatReadsAsABlankIsSavedAsItsNumber) {
    Frame f;
    Sheet* sheet = RestoredCopy(f, "recovery-value-of-blanks.rec");
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->grdVo.text(2, 2), " ");
    ASSERT_EQ(sheet->grdVo.text(3, 2), "\t ");
    const auto back = SavedAndReadBack(f, *sheet);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->value(1, 1).view(), "0");
    EXPECT_EQ(back->value(2, 1).view(), "0");
    EXPECT_EQ(back->value(3, 1).view(), "7");
    EXPECT_EQ(back->value(4, 1).view(), "") << "a blank stays blank";
}

// A statement's target may hold any character; a line break in it went into the file as a line
// break, splitting the variable line in two.
TEST(FuzzRegression, LineBreakInNewVariableNameIsRefusedOnSave) {
    Frame f;
    Sheet& sheet = f.t.app.sheet(1);
    test::FillSheet(sheet, {{"1"}, {"2"}});
    std::string statement = test::ReadBytes(RegressionPath("transform-line-break-in-target.txt"));
    statement.pop_back();  // the file's own line end
    TransformList list(ReadTransformSetup(sheet));
    ASSERT_FALSE(list.add(statement));
    ASSERT_FALSE(RunTransformation(f.t.app, sheet, list.setup(), list.records()));
    ASSERT_EQ(sheet.variableCount(), 2);
    const std::string out = f.folder.file("out.vo");
    f.t.ui.fileNames.push_back(out);
    SaveAsCommand(f.t.app, sheet);
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_NE(f.t.ui.messages[0].text.find("保存できない文字「改行」が変数 2 の名前にあります。"), std::string::npos)
        << f.t.ui.messages[0].text;
    EXPECT_FALSE(fs::exists(out));
}

// NUL bytes in a new variable's name went into the file as they stood; the reader's test for UTF-16
// text then took the whole file for UTF-16. A few NULs are no UTF-16: the file reads back.
TEST(FuzzRegression, NulBytesInANameAreNoSignOfUtf16) {
    Frame f;
    Sheet& sheet = f.t.app.sheet(1);
    test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
    sheet.grdVo.setText(1, 2, "A");
    sheet.grdVo.setText(1, 3, "B");
    std::string statement = test::ReadBytes(RegressionPath("transform-nul-in-target.txt"));
    statement.pop_back();  // the file's own line end
    TransformList list(ReadTransformSetup(sheet));
    ASSERT_FALSE(list.add(statement));
    ASSERT_FALSE(RunTransformation(f.t.app, sheet, list.setup(), list.records()));
    const std::string name(sheet.grdVo.text(1, sheet.variableCount() + 1));
    const std::string out = f.folder.file("out.vo");
    f.t.ui.fileNames.push_back(out);
    ASSERT_EQ(SaveAsCommand(f.t.app, sheet), SaveOutcome::Saved);
    FileImage image;
    ASSERT_FALSE(ReadNativeFile(out, image));
    EXPECT_EQ(image.variable(image.variableCount).name, name);
    EXPECT_NE(test::ReadBytes(out).find(std::string(4, '\0')), std::string::npos);
}

// A pasted text with a long run of NUL bytes went into the file as it stood, and a test for UTF-16
// that counted NULs anywhere near the start took the whole file for UTF-16: its own reader refused it.
TEST(FuzzRegression, ARunOfNulBytesInACellIsNoSignOfUtf16) {
    Frame f;
    Sheet& sheet = f.t.app.sheet(1);
    f.t.clipboard.content = test::ReadBytes(RegressionPath("paste-nul-run-in-a-cell.txt"));
    ASSERT_TRUE(PasteAtCursor(f.t.app, sheet));
    const std::string out = f.folder.file("out.vo");
    f.t.ui.fileNames.push_back(out);
    ASSERT_EQ(SaveAsCommand(f.t.app, sheet), SaveOutcome::Saved);
    EXPECT_NE(test::ReadBytes(out).find(std::string(64, '\0')), std::string::npos);
    FileImage image;
    EXPECT_FALSE(ReadNativeFile(out, image));
}

// Every quoted text of the file is checked, and a text without quote or line break still writes
// and reads back as it was.
TEST(FuzzRegression, EveryQuotedTextRefusesQuoteAndLineBreak) {
    struct Case {
        const char* name;
        void (*spoil)(FileImage&);
        const char* place;
    };
    const Case cases[] = {
        {"file label", [](FileImage& i) { i.fileLabel = "a\"b"; }, "ファイルラベル"},
        {"variable name", [](FileImage& i) { i.variables[0].name = "v\n"; }, "変数 1 の名前"},
        {"case name", [](FileImage& i) { i.caseNames[1] = "\rc"; }, "ケース 2 のケース名"},
        {"statistics corner", [](FileImage& i) { i.statisticsCorner = "1\"-2"; }, "統計量の範囲"},
    };
    FileImage image;
    image.fileLabel = "L, with comma";
    image.caseCount = 2;
    image.variableCount = 1;
    image.variables = {{"v", {0, 0, 0}}};
    image.caseNames = {"c1", "c 2"};
    image.appendValue("1");
    image.appendValue("%M");
    image.statisticsPresent = true;
    image.statisticsCorner = " 1- 2";
    std::string bytes;
    ASSERT_FALSE(EncodeNativeFile(image, 3, bytes));
    FileImage back;
    ASSERT_FALSE(ReadNativeBytes(bytes, back));
    EXPECT_EQ(back.fileLabel, image.fileLabel);
    EXPECT_EQ(back.caseName(2), "c 2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileImage spoilt = image;
        c.spoil(spoilt);
        std::string out = "untouched";
        const auto problem = EncodeNativeFile(spoilt, 3, out);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->code, FileError::UnwritableCharacter);
        EXPECT_EQ(problem->where, c.place);
        EXPECT_EQ(out, "untouched");
    }
}

}  // namespace
}  // namespace zoriduvo

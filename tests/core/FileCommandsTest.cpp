#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "FileTestSupport.h"
#include "SurveySheet.h"
#include "app/StartUp.h"
#include "files/CloseSheet.h"
#include "files/NativeReader.h"
#include "files/OpenCommand.h"
#include "files/SaveCommands.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;
using test::TestApp;

constexpr const char* kOpenTitle = "ファイルを開く";

// A frame with its empty start sheet active and the file commands installed.
struct Frame {
    Frame() {
        StartUp(t.app);
        t.app.setActiveSheet(1);
    }
    Sheet& active() { return t.app.sheet(t.app.activeSheet()); }
    // Opens through the dialog and makes the result the active sheet, as the frame would; true
    // when cancelled or open already.
    bool open(const std::string& path) {
        t.ui.fileNames.push_back(path);
        const int before = t.app.openCount();
        const OpenOutcome outcome = OpenFileCommand(t.app);
        if (t.app.openCount() > before) t.app.setActiveSheet(t.app.openSheets().back());
        return outcome == OpenOutcome::Cancelled || outcome == OpenOutcome::AlreadyOpen;
    }
    TestApp t;
    test::TempFolder folder;
};

std::string SurveyFile(Frame& f, const std::string& name) {
    const std::string path = f.folder.file(name);
    test::WriteBytes(path, test::TestData("native-v3-groups/expected.vo"));
    return path;
}

TEST(OpenCommandDialog, TitleFilterExtensionAndCancel) {
    Frame f;
    EXPECT_EQ(OpenFileCommand(f.t.app), OpenOutcome::Cancelled);  // no name scripted
    ASSERT_EQ(f.t.ui.fileDialogs.size(), 1u);
    const FileDialogRequest& request = f.t.ui.fileDialogs[0];
    EXPECT_EQ(request.title, "ファイルを開く");
    EXPECT_EQ(request.filter, "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|CSV ﾌｧｲﾙ(*.csv)|*.csv|すべてのﾌｧｲﾙ(*.*)|*.*|");
    EXPECT_EQ(request.defaultExtension, "vo");
    EXPECT_EQ(request.initialName, "");
    EXPECT_TRUE(f.t.ui.messages.empty());
    EXPECT_EQ(f.t.app.openCount(), 1);
}

TEST(OpenCommandFiles, NativeFileFillsTheStartSheetWithLowerCaseCaption) {
    Frame f;
    const std::string path = SurveyFile(f, "Test.VO");
    EXPECT_FALSE(f.open(path));
    EXPECT_EQ(f.t.app.openCount(), 1);
    const Sheet& sheet = f.t.app.sheet(1);
    EXPECT_EQ(sheet.caption(), "test.vo");
    EXPECT_EQ(sheet.information().path, path);
    EXPECT_EQ(sheet.information().formatTag, "vo-Data_3");
    EXPECT_EQ(sheet.grdVo.text(1, 2), "身長");
    EXPECT_EQ(sheet.grdVo.text(4, 2), "160");
    EXPECT_EQ(sheet.comment(), "一行目\r\n二行目");
    EXPECT_TRUE(sheet.statisticsAndFile().hasFile);
    EXPECT_EQ(f.t.ui.busyDepth, 0);
}

TEST(OpenCommandFiles, SameFileUnderAnotherNameIsAlreadyOpen) {
    Frame f;
    const std::string path = SurveyFile(f, "data.vo");
    ASSERT_FALSE(f.open(path));
    fs::create_symlink(path, f.folder.file("DATA.VO"));
    fs::create_hard_link(path, f.folder.file("Other.vo"));
    for (const std::string& name : {path, f.folder.file("DATA.VO"), f.folder.file("Other.vo")}) {
        SCOPED_TRACE(name);
        f.t.ui.messages.clear();
        EXPECT_TRUE(f.open(name));
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_EQ(f.t.ui.messages[0].text, "このファイルはすでに開かれています。");
        EXPECT_EQ(f.t.ui.messages[0].title, kOpenTitle);
        EXPECT_EQ(f.t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(f.t.app.openCount(), 1);
    }
    // A different file of the same content is not the same file.
    fs::copy_file(path, f.folder.file("copy.vo"));
    EXPECT_FALSE(f.open(f.folder.file("copy.vo")));
    EXPECT_EQ(f.t.app.openCount(), 2);
}

TEST(OpenCommandFiles, MissingEmptyAndForeignFiles) {
    struct Case {
        const char* name;
        const char* file;
        std::string bytes;
        const char* message;  // nullptr: nothing said
        const char* title;
    };
    const Case cases[] = {
        {"missing", "none.vo", "", "ファイルが存在しません\nnone.vo", kOpenTitle},
        {"empty", "empty.vo", "-", "ファイルが存在しません\nempty.vo", kOpenTitle},
        {"vo without tag", "plain.vo", "1,2\r\n", "vo形式のデータではありません。", ""},
        {"other kind without tag", "plain.dat", "1,2\r\n", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f;
        if (c.bytes != "") test::WriteBytes(f.folder.file(c.file), c.bytes == "-" ? "" : c.bytes);
        EXPECT_FALSE(f.open(f.folder.file(c.file)));
        EXPECT_EQ(f.t.app.sheet(1).variableCount(), 0);
        EXPECT_EQ(f.t.app.openCount(), 1);
        if (!c.message) {
            EXPECT_TRUE(f.t.ui.messages.empty());
            continue;
        }
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_EQ(f.t.ui.messages[0].text, c.message);
        EXPECT_EQ(f.t.ui.messages[0].title, c.title);
        EXPECT_EQ(f.t.ui.messages[0].icon, MessageIcon::Exclamation);
    }
}

TEST(OpenCommandFiles, OtherKindWithTagIsReadAsNative) {
    Frame f;
    EXPECT_FALSE(f.open(SurveyFile(f, "survey.bak")));
    EXPECT_EQ(f.t.app.sheet(1).variableCount(), 3);
}

TEST(OpenCommandCsv, OpensWithoutAFileToSaveTo) {
    Frame f;
    // A native file first, so that nothing of it may pass to the CSV sheet.
    ASSERT_FALSE(f.open(SurveyFile(f, "first.vo")));
    const std::string csv = f.folder.file("Table.CSV");
    test::WriteBytes(csv, "x,y\r\n1,2\r\n");
    ASSERT_FALSE(f.open(csv));
    Sheet& sheet = f.active();
    EXPECT_EQ(sheet.caption(), "table.csv");
    EXPECT_EQ(sheet.information().formatTag, "CSV");
    EXPECT_EQ(sheet.information().fileLabel, "未定義");
    EXPECT_EQ(sheet.information().date, "未保存");
    EXPECT_FALSE(sheet.statisticsAndFile().hasFile);
    EXPECT_EQ(sheet.grdVo.text(1, 3), "y");

    sheet.setModified(true);
    EXPECT_EQ(SaveCommand(f.t.app, sheet), SaveOutcome::Cancelled);  // Save asks for a name
    EXPECT_EQ(f.t.ui.fileDialogs.back().title, "ファイルの保存");
    EXPECT_EQ(test::ReadBytes(csv), "x,y\r\n1,2\r\n");
    EXPECT_TRUE(f.open(csv));  // and it is open already
}

TEST(SaveCommands, NotModifiedDoesNothingWithoutFileAsksWithSaveAs) {
    Frame f;
    Sheet& sheet = f.active();
    test::FillSurveySheet(sheet);
    EXPECT_EQ(SaveCommand(f.t.app, sheet), SaveOutcome::Saved);
    EXPECT_TRUE(f.t.ui.fileDialogs.empty());

    sheet.setModified(true);
    EXPECT_EQ(SaveCommand(f.t.app, sheet), SaveOutcome::Cancelled);
    ASSERT_EQ(f.t.ui.fileDialogs.size(), 1u);
    const FileDialogRequest& request = f.t.ui.fileDialogs[0];
    EXPECT_EQ(request.title, "ファイルの保存");
    EXPECT_EQ(request.filter, "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|すべてのﾌｧｲﾙ(*.*)|*.*|");
    EXPECT_EQ(request.defaultExtension, "vo");
    EXPECT_TRUE(request.askBeforeOverwrite);
    EXPECT_TRUE(sheet.modified());
}

TEST(SaveCommands, SaveAsWritesVersion3AndSaveWritesBackToTheSameFile) {
    Frame f;
    Sheet& sheet = f.active();
    test::FillSurveySheet(sheet);
    sheet.setStatisticsValid(true);  // grdVoStat holds them already
    sheet.setModified(true);
    const std::string path = f.folder.file("Survey.vo");
    f.t.ui.fileNames.push_back(path);
    EXPECT_EQ(SaveAsCommand(f.t.app, sheet), SaveOutcome::Saved);
    EXPECT_EQ(test::ReadBytes(path), test::TestData("native-v3-groups/expected.vo"));
    EXPECT_EQ(sheet.caption(), "Survey.vo");
    EXPECT_FALSE(sheet.modified());
    EXPECT_TRUE(sheet.statisticsAndFile().hasFile);
    EXPECT_EQ(f.t.ui.busyDepth, 0);

    sheet.grdVo.setText(2, 2, "171");
    sheet.setModified(true);
    EXPECT_EQ(SaveCommand(f.t.app, sheet), SaveOutcome::Saved);
    EXPECT_EQ(f.t.ui.fileDialogs.size(), 1u);
    FileImage image;
    ASSERT_FALSE(ReadNativeFile(path, image));
    EXPECT_EQ(image.value(1, 1), "171");
}

TEST(SaveCommands, StatisticsAreComputedWhenNotValid) {
    Frame f;
    Sheet& sheet = f.active();
    test::FillSheet(sheet, test::Column({"2", "9", ""}));
    sheet.setModified(true);
    f.t.ui.fileNames.push_back(f.folder.file("s.vo"));
    ASSERT_EQ(SaveAsCommand(f.t.app, sheet), SaveOutcome::Saved);
    FileImage image;
    ASSERT_FALSE(ReadNativeFile(f.folder.file("s.vo"), image));
    ASSERT_TRUE(image.statisticsPresent);
    EXPECT_EQ(image.statisticsOf(1).maximum, 9);
    EXPECT_EQ(image.statisticsOf(1).cases, 2);
}

// A failed save says so, keeps the old file byte for byte, leaves no temporary file behind and
// leaves the sheet modified.
class SaveFailure : public testing::Test {
protected:
    void SetUp() override {
        sheet = &frame.active();
        test::FillSurveySheet(*sheet);
        sheet->setStatisticsValid(true);
        sheet->setModified(true);
        frame.t.ui.fileNames.push_back(path);
        ASSERT_EQ(SaveAsCommand(frame.t.app, *sheet), SaveOutcome::Saved);
        old = test::ReadBytes(path);
        sheet->grdVo.setText(2, 2, "999");
        sheet->setModified(true);
    }
    void ExpectFailedSave(bool oldFileKept = true) {
        EXPECT_EQ(SaveCommand(frame.t.app, *sheet), SaveOutcome::Failed);
        EXPECT_TRUE(sheet->modified());
        ASSERT_EQ(frame.t.ui.messages.size(), 1u);
        EXPECT_EQ(frame.t.ui.messages[0].title, "ファイルの保存");
        EXPECT_NE(frame.t.ui.messages[0].text.find("survey.vo"), std::string::npos);
        EXPECT_EQ(frame.t.ui.busyDepth, 0);
        if (!oldFileKept) return;
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(frame.folder.path()), fs::directory_iterator()), 1);
    }
    Frame frame;
    Sheet* sheet = nullptr;
    std::string path = frame.folder.file("survey.vo");
    std::string old;
};

TEST_F(SaveFailure, FolderRemoved) {
    fs::remove_all(frame.folder.path());
    ExpectFailedSave(false);
    EXPECT_NE(frame.t.ui.messages[0].text.find("フォルダーが見つかりません"), std::string::npos);
}

TEST_F(SaveFailure, WriteErrorPartWayThrough) {
    SaveOutcome outcome;
    {
        test::FileSizeLimit limit;
        outcome = SaveCommand(frame.t.app, *sheet);
    }
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_TRUE(sheet->modified());
    ASSERT_EQ(frame.t.ui.messages.size(), 1u);
    EXPECT_NE(frame.t.ui.messages[0].text.find("ディスクの空き容量が足りません"), std::string::npos);
    EXPECT_NE(frame.t.ui.messages[0].text.find("元のファイルは変更されていません"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(frame.folder.path()), fs::directory_iterator()), 1);
}

TEST_F(SaveFailure, CloseQuestionKeepsTheSheetOpen) {
    fs::remove_all(frame.folder.path());
    frame.t.ui.answers.push_back(Answer::Yes);
    EXPECT_EQ(CloseSheetQuery(frame.t.app, *sheet), CloseOutcome::KeptOpen);
    EXPECT_TRUE(frame.t.app.closeCancelled);
    EXPECT_EQ(frame.t.app.openCount(), 1);
}

TEST(SaveCommands, CloseQuestionYesSavesThroughTheInstalledSaver) {
    Frame f;
    Sheet& sheet = f.active();
    test::FillSheet(sheet, {{"1"}});
    sheet.setModified(true);
    f.t.ui.answers.push_back(Answer::Yes);
    f.t.ui.fileNames.push_back(f.folder.file("closing.vo"));
    EXPECT_EQ(CloseSheetQuery(f.t.app, sheet), CloseOutcome::Closed);
    EXPECT_TRUE(fs::exists(f.folder.file("closing.vo")));
    EXPECT_EQ(f.t.app.openCount(), 0);

    // Save As cancelled while closing: the sheet stays, as after Cancel.
    Frame g;
    test::FillSheet(g.active(), {{"1"}});
    g.active().setModified(true);
    g.t.ui.answers.push_back(Answer::Yes);
    EXPECT_EQ(CloseSheetQuery(g.t.app, g.active()), CloseOutcome::KeptOpen);
    EXPECT_TRUE(g.t.app.closeCancelled);
}

// A version 3 file whose statistics block is missing or cut short: the statistics are not taken as
// valid, so a save computes them instead of writing what little was read.
TEST(OpenCommandFiles, StatisticsCutShortAreComputedOnSave) {
    const std::string full = test::TestData("native-v3-groups/expected.vo");
    struct Case {
        const char* name;
        std::size_t length;
    };
    const Case cases[] = {
        {"no block", full.find("\"nn\"")},
        {"cut after the maxima", full.find("\"Min\"")},
        {"last count missing", full.find(", 0 \r\n///*")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f;
        const std::string path = f.folder.file("cut.vo");
        test::WriteBytes(path, full.substr(0, c.length));
        ASSERT_FALSE(f.open(path));
        Sheet& sheet = f.active();
        EXPECT_FALSE(sheet.statisticsValid());
        sheet.setModified(true);
        ASSERT_EQ(SaveCommand(f.t.app, sheet), SaveOutcome::Saved);
        FileImage saved;
        ASSERT_FALSE(ReadNativeFile(path, saved));
        EXPECT_EQ(saved.statisticsOf(1).cases, 2);
        EXPECT_EQ(saved.statisticsOf(1).maximum, 170.5f);
        EXPECT_EQ(saved.statisticsOf(2).cases, 2);
    }
}

TEST(OpenCommandFiles, FileOfAnotherKindNamedVoIsNotVoData) {
    Frame f;
    test::WriteBytes(f.folder.file("picture.vo"), "\x89PNG\r\n\x1A\n\x81\x20\x00");
    EXPECT_FALSE(f.open(f.folder.file("picture.vo")));
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].text, "vo形式のデータではありません。");
}

// What the reader left out or read otherwise than written is told once the sheet stands.
TEST(OpenCommandCsv, WhatWasLeftOutOrReadOtherwiseIsTold) {
    const struct {
        const char* name;
        const char* bytes;
        int row, col;
        const char* cell;
        std::vector<std::string> messages;
    } cases[] = {
        {"lines cut at the variable count", "a,b\r\n1,2\r\n3,4,5\r\n6,7, \r\n8,9,,10\r\n", 3, 3, "4",
         {"2 行で項目の数が変数の数を超えていたため、超えた項目は読み込まれませんでした。\n最初の行は 3 行目です。"}},
        {"a missing code, a word and an infinity", "a,b\n1,NA\n2,abc\n3,Inf\n", 2, 3, "",
         {"1 個の値は数値ではないため、先頭の数値（数値で始まらないものは 0）として読み込まれました。\n"
          "最初はケース 2、変数 2 の値「abc」です。",
          "1 個の値は単精度の範囲（±3.402823E+38）を超えているため、統計量などの計算では範囲の端の値として扱われます"
          "。\n最初はケース 3、変数 2 の値「Inf」です。"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f;
        const std::string csv = f.folder.file("table.csv");
        test::WriteBytes(csv, c.bytes);
        ASSERT_FALSE(f.open(csv));
        EXPECT_EQ(f.active().grdVo.text(c.row, c.col), c.cell);
        ASSERT_EQ(f.t.ui.messages.size(), c.messages.size());
        for (std::size_t k = 0; k < c.messages.size(); ++k) {
            EXPECT_EQ(f.t.ui.messages[k].text, c.messages[k]);
            EXPECT_EQ(f.t.ui.messages[k].title, kOpenTitle);
        }
    }
}

// Names from a UTF-8 file that code page 932 cannot hold: the open says so, and Save asks whether
// to write UTF-8, which the program reads back; No writes nothing.
TEST(SaveCommands, NamesBeyondCodePage932AreToldAndSavedInUtf8WhenAsked) {
    const struct {
        const char* name;
        Answer answer;
        bool written;
    } cases[] = {{"yes: UTF-8", Answer::Yes, true}, {"no: back to the sheet", Answer::No, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Frame f;
        const std::string csv = f.folder.file("sizes.csv");
        test::WriteBytes(csv, "Größe,café,x1,x2,x3\n1,2,3,4,5\n");
        ASSERT_FALSE(f.open(csv));
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_TRUE(f.t.ui.messages[0].text.starts_with("2 個の名前はシフトJIS（コードページ 932）のファイルにそのまま"
                                                        "保存できません: 「Größe」、「café」\n"))
            << f.t.ui.messages[0].text;

        Sheet& sheet = f.active();
        sheet.setModified(true);
        const std::string out = f.folder.file("sizes.vo");
        f.t.ui.fileNames.push_back(out);
        f.t.ui.answers.push_back(c.answer);
        EXPECT_EQ(SaveAsCommand(f.t.app, sheet), c.written ? SaveOutcome::Saved : SaveOutcome::Failed);
        ASSERT_EQ(f.t.ui.messages.size(), 2u) << "the question, and nothing after it";
        EXPECT_EQ(f.t.ui.messages[1].buttons, MessageButtons::YesNo);
        EXPECT_NE(f.t.ui.messages[1].text.find("文字「ö」（変数 1 の名前）"), std::string::npos);
        EXPECT_NE(f.t.ui.messages[1].text.find("UTF-8"), std::string::npos);
        EXPECT_EQ(fs::exists(out), c.written);
        EXPECT_EQ(sheet.modified(), !c.written);
        if (!c.written) continue;
        FileImage back;
        ASSERT_FALSE(ReadNativeFile(out, back));
        EXPECT_EQ(back.variable(1).name, "Größe");
        EXPECT_EQ(back.variable(2).name, "café");
        EXPECT_EQ(back.value(1, 5), "5");
    }
}

// Save As onto a file that another sheet holds would bind two sheets to one file.
TEST(SaveCommands, SaveAsOntoAFileOpenInAnotherSheetIsRefused) {
    Frame f;
    const std::string path = SurveyFile(f, "data.vo");
    ASSERT_FALSE(f.open(path));
    const std::string old = test::ReadBytes(path);
    fs::create_symlink(path, f.folder.file("link.vo"));
    Sheet& other = f.t.app.sheet(NewSheet(f.t.app));
    test::FillSheet(other, {{"1"}});
    other.setModified(true);
    const std::string unbound = other.information().path;
    for (const std::string& name : {path, f.folder.file("link.vo")}) {
        SCOPED_TRACE(name);
        f.t.ui.messages.clear();
        f.t.ui.fileNames.push_back(name);
        EXPECT_EQ(SaveAsCommand(f.t.app, other), SaveOutcome::Failed);
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_EQ(f.t.ui.messages[0].text, "このファイルはすでに開かれています。");
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(other.information().path, unbound);
    }
    // The sheet that holds the file may save as it again.
    f.t.app.sheet(1).setModified(true);
    f.t.ui.fileNames.push_back(path);
    EXPECT_EQ(SaveAsCommand(f.t.app, f.t.app.sheet(1)), SaveOutcome::Saved);
}

TEST(OpenAtStart, CommandLinePathFillsSheetOne) {
    TestApp t;
    test::TempFolder folder;
    const std::string path = folder.file("start.vo");
    test::WriteBytes(path, test::TestData("native-v1-groups/expected.vo"));
    StartUp(t.app);
    OpenFileAtStart(t.app, path);
    EXPECT_EQ(t.app.openCount(), 1);
    EXPECT_EQ(t.app.sheet(1).caption(), "start.vo");
    EXPECT_EQ(t.app.sheet(1).variableCount(), 3);

    TestApp missing;
    StartUp(missing.app);
    OpenFileAtStart(missing.app, folder.file("nothing.vo"));
    ASSERT_EQ(missing.ui.messages.size(), 1u);
    EXPECT_EQ(missing.ui.messages[0].text, "ファイルが存在しません\nnothing.vo");
    EXPECT_EQ(missing.app.sheet(1).caption(), "名称未設定:1");
}

TEST(FileMessages, EveryCodeHasItsText) {
    for (int code = 0; code < static_cast<int>(FileError::Count); ++code) {
        SCOPED_TRACE(code);
        const Message message = MessageOf({static_cast<FileError>(code), 3, 2, "place", "detail"});
        EXPECT_FALSE(message.text.empty());
        EXPECT_NE(message.text, MessageOf({FileError::Count}).text);
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace zoriduvo

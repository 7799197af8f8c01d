#include "files/Recovery.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "app/RecoveryOffer.h"
#include "files/SaveCommands.h"
#include "sheet/CellEditing.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::TestApp;

const std::vector<std::vector<std::string>> kHeld = {
    {"café", "x,y", "\"quoted\""}, {"two\r\nlines", "%M", ""}, {"///*", "1.50", "①～"}};
const std::vector<std::vector<std::string>> kPasted = {{"x,y", "7"}};

// Sheet 1 holds texts no vo-Data file can, sheet 2 a pasted "x,y", sheet 3 is saved.
void ThreeSheets(TestApp& t) {
    for (const auto* cells : {&kHeld, &kPasted}) {
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, *cells);
        sheet.setCaption("名称未設定:" + std::to_string(sheet.number()));
        sheet.setComment("*///");
        sheet.setModified(true);
    }
    Sheet& saved = t.app.sheet(NewSheet(t.app));
    test::FillSheet(saved, {{"7"}});
    saved.setModified(false);
}

// A run that wrote its copies and died: its lock goes with it, its files stay.
void DeadRun(const std::string& root, TestApp& t) {
    RecoveryRun run(root);
    ASSERT_FALSE(run.folder().empty());
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, run.folder())));
}

void ExpectCells(const Sheet& sheet, const std::vector<std::vector<std::string>>& cells) {
    for (std::size_t r = 0; r < cells.size(); ++r)
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            EXPECT_EQ(sheet.grdVo.text(static_cast<int>(r) + 2, static_cast<int>(c) + 2), cells[r][c]) << r << "," << c;
}

// Whatever a cell holds, the copy holds it exactly, and one sheet never keeps another from its copy.
TEST(Recovery, EverySheetIsKeptExactlyWhateverItsCellsHold) {
    TempFolder root;
    {
        TestApp t;
        ThreeSheets(t);
        DeadRun(root.path().string(), t);
    }
    const LeftSheets left = FindLeftSheets(root.path().string());
    ASSERT_EQ(left.sheets.size(), 2u) << "the saved sheet has no copy";
    EXPECT_TRUE(FindLeftSheets(root.path().string()).sheets.empty()) << "offered once, not by a second start too";
    TestApp after;
    RecoveryRun run(root.file("after"));
    for (const RecoveredSheet& sheet : left.sheets) ASSERT_TRUE(RestoreLeftSheet(after.app, sheet, run.folder()));
    for (const int n : after.app.openSheets()) {
        const Sheet& restored = after.app.sheet(n);
        if (restored.caseCount() == 0) continue;
        SCOPED_TRACE(restored.caption());
        EXPECT_TRUE(restored.modified());
        EXPECT_FALSE(restored.statisticsAndFile().hasFile);
        EXPECT_EQ(restored.comment(), "*///");
        ExpectCells(restored, restored.caseCount() == 3 ? kHeld : kPasted);
    }
    // No file holds a restored sheet: a change and its undo leave it unsaved.
    Sheet& changed = after.app.sheet(after.app.openSheets().front());
    changed.grdVo.setCurrent(2, 2);
    CommitEditorWithEnter(after.app, changed, "5");
    ASSERT_TRUE(changed.history().canUndo());
    changed.history().undo();
    EXPECT_TRUE(changed.modified());

    // A sheet whose copy cannot be written is told; the others are still written.
    TestApp t;
    ThreeSheets(t);
    RecoveryRun broken(root.file("broken"));
    fs::create_directory(broken.folder() + "/1.rec");
    const auto problem = WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, broken.folder()));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(MessageOf(*problem).text.find("1.rec"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(broken.folder() + "/2.rec"));
}

// A run is alive while it holds its lock, whatever its process id; killed, its lock is free.
TEST(Recovery, ARunIsDeadWhenItsLockIsFree) {
    TempFolder root;
    TestApp t;
    ThreeSheets(t);
    RecoveryRun live(root.path().string());
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, live.folder())));
    EXPECT_TRUE(FindLeftSheets(root.path().string()).sheets.empty()) << "a live run's files are not offered";

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TestApp killed;
        ThreeSheets(killed);
        RecoveryRun run(root.path().string());
        WriteRecoverySnapshot(TakeRecoverySnapshot(killed.app, run.folder()));
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(FindLeftSheets(root.path().string()).sheets.size(), 2u);
}

// Restored sheets keep their copies (moved into this run) until they are saved or closed, so a
// second crash loses nothing; "キャンセル" keeps everything for the next start, "いいえ" discards.
TEST(Recovery, ACopyStaysUntilItsSheetIsSavedOrClosed) {
    TempFolder root;
    const std::string from = root.file("runs");
    {
        TestApp t;
        ThreeSheets(t);
        DeadRun(from, t);
    }
    TestApp later;
    later.ui.answers.push_back(Answer::Cancel);
    OfferLeftSheets(later.app, from, "");
    EXPECT_EQ(later.app.openCount(), 0);
    ASSERT_EQ(FindLeftSheets(from).sheets.size(), 2u) << "kept for the next start";
    {
        TestApp second;
        RecoveryRun run(from);
        second.ui.answers.push_back(Answer::Yes);
        OfferLeftSheets(second.app, from, run.folder());
        ASSERT_EQ(second.app.openCount(), 2);
        EXPECT_EQ(std::distance(fs::directory_iterator(from), fs::directory_iterator()), 1) << "moved into this run";
    }  // killed again before any write of its own
    ASSERT_EQ(FindLeftSheets(from).sheets.size(), 2u);
    TestApp third;
    RecoveryRun run(from);
    third.ui.answers.push_back(Answer::Yes);
    OfferLeftSheets(third.app, from, run.folder());
    const int first = third.app.openSheets().front();
    ExpectCells(third.app.sheet(first), third.app.sheet(first).caseCount() == 3 ? kHeld : kPasted);
    // Saved, the next write takes its copy away.
    third.app.sheet(first).setModified(false);
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(third.app, run.folder())));
    EXPECT_EQ(std::distance(fs::directory_iterator(run.folder()), fs::directory_iterator()), 2) << "lock and one";

    TestApp discarding;
    {
        TestApp t;
        ThreeSheets(t);
        DeadRun(root.file("other"), t);
    }
    discarding.ui.answers.push_back(Answer::No);
    OfferLeftSheets(discarding.app, root.file("other"), "");
    EXPECT_TRUE(fs::is_empty(root.file("other")));
    EXPECT_EQ(discarding.app.openCount(), 0);
}

// What is no run folder or no sheet file of ours is skipped without being read, and left alone.
TEST(Recovery, GarbageInTheFolderIsSkippedAndLeftAlone) {
    TempFolder root;
    {
        TestApp t;
        ThreeSheets(t);
        DeadRun(root.path().string(), t);
    }
    const fs::path run = FindLeftSheets(root.path().string()).sheets.at(0).filePath;
    const fs::path dead = run.parent_path();
    fs::create_directory(root.path() / "99999999999999999999999");
    fs::create_directory(root.path() / "run-nolock");
    test::WriteBytes((root.path() / "run-nolock" / "1.rec").string(), "x");
    ASSERT_EQ(::mkfifo((dead / "7.rec").c_str(), 0600), 0);
    if (::mknod((root.path() / "zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0)
        fs::create_symlink(root.path() / "zero", dead / "8.rec");
    fs::create_directory(dead / "9.rec");
    test::WriteBytes((dead / "10.rec").string(), "");
    fs::resize_file(dead / "10.rec", std::uintmax_t{3} << 30);  // sparse: no room taken
    EXPECT_EQ(FindLeftSheets(root.path().string()).sheets.size(), 2u);
    for (const char* name : {"7.rec", "9.rec", "10.rec"}) EXPECT_TRUE(fs::exists(dead / name)) << name;
    EXPECT_TRUE(fs::exists(root.path() / "run-nolock" / "1.rec"));
}

// Other users may read none of it, whatever the umask says.
TEST(Recovery, FoldersAndFilesAreTheUsersAlone) {
    TempFolder root;
    const mode_t mask = ::umask(0);
    TestApp t;
    ThreeSheets(t);
    const std::string top = root.file("recovery");
    RecoveryRun run(top);
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, run.folder())));
    ::umask(mask);
    const auto mode = [](const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    };
    EXPECT_EQ(mode(top), 0700u);
    EXPECT_EQ(mode(run.folder()), 0700u);
    EXPECT_EQ(mode(run.folder() + "/1.rec"), 0600u);
    EXPECT_EQ(mode(run.folder() + "/lock"), 0600u);
}

// A record is a file anyone who reaches the folder could write: its path is saved over without a
// question only when it holds a vo-Data file of the user's.
TEST(Recovery, ARecordedPathIsTrustedOnlyForTheUsersVoDataFile) {
    TempFolder root;
    const std::string vo = root.file("mine.vo"), text = root.file("notes.txt");
    test::WriteBytes(vo, "\"vo-Data_4\"\r\n\"x\"\r\n 1 , 0 , 0 \r\n");
    test::WriteBytes(text, "not data\n");
    const struct {
        const char* name;
        std::string path;
        bool hasFile;
        bool trusted;
    } cases[] = {
        {"the user's vo-Data file", vo, true, true},
        {"recorded without a file", vo, false, false},
        {"a file of another kind", text, true, false},
        {"a missing file", root.file("none.vo"), true, false},
        {"a relative path", "mine.vo", true, false},
    };
    FileImage image;
    image.groupSizes = {1};
    image.caseCount = 1;
    image.variableCount = 1;
    image.variables.push_back({"a", {}});
    image.caseNames.push_back("c");
    image.appendValue("5");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecoveryRun dead(root.file("runs"));
        const std::string file = dead.folder() + "/1.rec";
        test::WriteBytes(file, EncodeRecoveryFile({"cap", c.path, "label", "%M", c.hasFile}, image));
        TestApp t;
        ASSERT_TRUE(RestoreLeftSheet(t.app, {file}, ""));
        Sheet& sheet = t.app.sheet(t.app.openSheets().back());
        EXPECT_EQ(sheet.statisticsAndFile().hasFile, c.trusted);
        t.ui.fileNames.push_back(std::nullopt);  // Save As, cancelled
        SaveCommand(t.app, sheet);
        EXPECT_EQ(t.ui.fileDialogs.size(), c.trusted ? 0u : 1u);
    }
    EXPECT_NE(test::ReadBytes(vo).find("\"c\",5"), std::string::npos) << "the trusted one was saved";
    EXPECT_EQ(test::ReadBytes(text), "not data\n");
}

TEST(Recovery, AnUnreadableCopyIsReportedAndKept) {
    TempFolder root;
    RecoveryRun dead(root.path().string());
    const std::string file = dead.folder() + "/3.rec";
    test::WriteBytes(file, "zoriduvo-recovery 1\n3:cap\n99999:cut short");
    TestApp t;
    EXPECT_FALSE(RestoreLeftSheet(t.app, {file}, ""));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_NE(t.ui.messages[0].text.find("3.rec"), std::string::npos);
    EXPECT_TRUE(fs::exists(file));
}

}  // namespace
}  // namespace zoriduvo

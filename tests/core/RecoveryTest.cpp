#include "files/Recovery.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sheet/CellEditing.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;
using test::TestApp;

bool NeverAlive(int) { return false; }
bool Alive(int pid) { return kill(pid, 0) == 0; }

struct Folder {
    fs::path root = fs::temp_directory_path() / ("recovery-test-" + std::to_string(getpid()));
    Folder() { fs::remove_all(root); }
    ~Folder() { fs::remove_all(root); }
    std::string run(int pid) const { return (root / std::to_string(pid)).string(); }
};

// Sheet 1 typed into (modified), sheet 2 as a saved file would leave it.
void TwoSheets(TestApp& t) {
    Sheet& typed = t.app.sheet(NewSheet(t.app));
    test::FillSheet(typed, {{"1.5", ""}, {"", "20240131"}});
    typed.setCaption("名称未設定:1");
    typed.setModified(true);
    Sheet& saved = t.app.sheet(NewSheet(t.app));
    test::FillSheet(saved, {{"7"}});
    saved.setModified(false);
}

TEST(Recovery, ModifiedSheetsAreKeptRestoredAsModifiedAndDiscarded) {
    Folder folder;
    TestApp t;
    TwoSheets(t);
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, folder.run(12345))));
    EXPECT_TRUE(fs::exists(folder.run(12345) + "/1.vo"));
    EXPECT_FALSE(fs::exists(folder.run(12345) + "/2.vo"));

    const std::vector<RecoveredSheet> left = FindLeftSheets(folder.root.string(), NeverAlive);
    ASSERT_EQ(left.size(), 1u);
    TestApp after;
    ASSERT_TRUE(RestoreLeftSheet(after.app, left[0]));
    Sheet& restored = after.app.sheet(after.app.openSheets().back());
    EXPECT_EQ(restored.caption(), "名称未設定:1");
    EXPECT_TRUE(restored.modified());
    EXPECT_FALSE(restored.statisticsAndFile().hasFile);
    EXPECT_EQ(restored.grdVo.text(2, 2), "1.5");
    EXPECT_EQ(restored.grdVo.text(3, 3), "20240131");
    EXPECT_EQ(restored.grdVo.text(3, 2), "");
    DiscardLeftSheet(left[0]);
    EXPECT_FALSE(fs::exists(folder.run(12345)));

    // Saved meanwhile: the next write takes its files away.
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, folder.run(1))));
    t.app.sheet(1).setModified(false);
    ASSERT_FALSE(WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, folder.run(1))));
    EXPECT_FALSE(fs::exists(folder.run(1) + "/1.vo"));
}

TEST(Recovery, ARunKilledWithUnsavedWorkIsFoundAndALiveOneIsNot) {
    Folder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TestApp t;
        TwoSheets(t);
        WriteRecoverySnapshot(TakeRecoverySnapshot(t.app, folder.run(getpid())));
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(FindLeftSheets(folder.root.string(), Alive).size(), 1u);
    fs::create_directories(folder.run(getpid()));
    std::ofstream(folder.run(getpid()) + "/1.rec") << "caption=mine\n";
    EXPECT_EQ(FindLeftSheets(folder.root.string(), Alive).size(), 1u) << "this run's own files are not offered";
}

TEST(Recovery, AnUnreadableFileIsReportedAndKept) {
    Folder folder;
    fs::create_directories(folder.run(7));
    std::ofstream(folder.run(7) + "/3.rec") << "caption=壊れた\nhasFile=0\n";
    std::ofstream(folder.run(7) + "/3.vo") << "not a data file";
    TestApp t;
    const std::vector<RecoveredSheet> left = FindLeftSheets(folder.root.string(), NeverAlive);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_FALSE(RestoreLeftSheet(t.app, left[0]));
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(left[0].dataPath));
}

}  // namespace
}  // namespace zoriduvo

// Saves that fail part-way keep the previous file byte for byte, leave no temporary file and leave
// the sheet modified. The machines that run the tests are often root, who writes anywhere, so the
// permission cases run the save in a child process that has given up root.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "FileTestSupport.h"
#include "SurveySheet.h"
#include "app/StartUp.h"
#include "files/SaveCommands.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;

using test::RunUnprivileged;

// A survey sheet saved once to survey.vo (by the test's own user), then changed again.
class SaveUnderFaults : public testing::Test {
protected:
    void SetUp() override {
        StartUp(t.app);
        t.app.setActiveSheet(1);
        sheet = &t.app.sheet(1);
        test::FillSurveySheet(*sheet);
        sheet->setStatisticsValid(true);
        sheet->setModified(true);
        t.ui.fileNames.push_back(path);
        ASSERT_TRUE(SaveAsCommand(t.app, *sheet) == SaveOutcome::Saved && fs::exists(path));
        old = test::ReadBytes(path);
        sheet->grdVo.setText(2, 2, "999");
        sheet->setModified(true);
        t.ui.messages.clear();
    }

    // What the failed save must look like from inside: 0 when all holds, else which part broke.
    int failedSaveSays(const std::string& reason, bool oldFileThere = true) {
        if (SaveCommand(t.app, *sheet) != SaveOutcome::Failed) return 1;
        if (!sheet->modified()) return 2;
        if (t.ui.messages.size() != 1 || t.ui.messages[0].title != "ファイルの保存") return 3;
        if (t.ui.messages[0].text.find(reason) == std::string::npos) return 4;
        const bool promised = t.ui.messages[0].text.find("元のファイルは変更されていません") != std::string::npos;
        if (promised != oldFileThere) return 5;
        if (t.ui.busyDepth != 0) return 6;
        return 0;
    }

    void expectOldFileKept(const fs::path& folder) {
        EXPECT_EQ(test::ReadBytes((folder / "survey.vo").string()), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
            << "no temporary file is left behind";
    }

    test::TestApp t;
    test::TempFolder folder;
    std::string path = folder.file("survey.vo");
    Sheet* sheet = nullptr;
    std::string old;
};

// The temporary file cannot even be made.
TEST_F(SaveUnderFaults, ReadOnlyFolderKeepsTheOldFile) {
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(RunUnprivileged([this] { return failedSaveSays("このファイルには書き込みの許可がありません"); }), 0);
    expectOldFileKept(folder.path());
}

// The whole file is written and flushed, and the last step, the rename over the old file, is
// refused: in a sticky folder only the owner may replace the file, and the old one is root's.
TEST_F(SaveUnderFaults, RefusedRenameKeepsTheOldFileAndRemovesTheTemporary) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a file owned by another user; runs where the tests run as root";
    fs::permissions(folder.path(), fs::perms::all | fs::perms::sticky_bit);
    EXPECT_EQ(RunUnprivileged([this] { return failedSaveSays("このファイルには書き込みの許可がありません"); }), 0);
    expectOldFileKept(folder.path());
}

// A file the user may not write is refused even where its folder would let a rename replace it; a
// file the user may write in a folder that takes no new file is written in place, once the room
// for it is sure: without it the old file is kept as it was.
TEST_F(SaveUnderFaults, FilePermissionsDecideBetweenRefusalAndAWriteInPlace) {
    constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    constexpr auto kReadOnlyFolder = kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    constexpr auto kAll = fs::perms::all;
    constexpr auto kReadWrite = kReadOnly | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    struct Case {
        const char* name;
        fs::perms folder, file;
        bool diskFull;
        const char* says;  // nullptr: saved
    };
    const Case cases[] = {
        {"read-only file in a writable folder", kAll, kReadOnly, false,
         "このファイルには書き込みの許可がありません（読み取り専用のファイルです）。"},
        {"writable file in a read-only folder", kReadOnlyFolder, kReadWrite, false, nullptr},
        {"no room for the write in place", kReadOnlyFolder, kReadWrite, true, "ディスクの空き容量が足りません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::permissions(folder.path(), kAll);
        test::WriteBytes(path, old);
        fs::permissions(path, c.file);
        fs::permissions(folder.path(), c.folder);
        sheet->setModified(true);
        t.ui.messages.clear();
        const int result = RunUnprivileged([&] {
            if (!c.says) return SaveCommand(t.app, *sheet) == SaveOutcome::Saved ? 0 : 1;
            std::optional<test::FileSizeLimit> limit;
            if (c.diskFull) limit.emplace();
            return failedSaveSays(c.says);
        });
        EXPECT_EQ(result, 0);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
        const std::string now = test::ReadBytes(path);
        EXPECT_EQ(now.find("999") != std::string::npos, c.says == nullptr);
        if (c.diskFull) {
            EXPECT_EQ(now, old) << "the room is taken before the first old byte changes";
        }
    }
}

// The folder was moved away after the file was opened: the save finds no folder and writes
// nothing anywhere; the old file, where it now is, is untouched.
TEST_F(SaveUnderFaults, FolderMovedAwayKeepsTheOldFile) {
    const fs::path moved = folder.path().string() + "-moved";
    fs::rename(folder.path(), moved);
    // From where the save stands there is no old file, so the message does not speak of one.
    const int result = failedSaveSays("保存先のフォルダーが見つかりません。", false);
    fs::rename(moved, folder.path());
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(fs::exists(moved));
    expectOldFileKept(folder.path());
}

}  // namespace
}  // namespace zoriduvo

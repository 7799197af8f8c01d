// Odd file-system states: what is not a regular file, links, identities, limits and leftovers.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "FileTestSupport.h"
#include "app/StartUp.h"
#include "files/FilePaths.h"
#include "files/OpenCommand.h"
#include "files/SafeSave.h"
#include "files/imports/FixedWidth.h"
#include "files/imports/ImportCommand.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

const std::string kVoData = "\"vo-Data_1\"\r\n\"x\"\r\n1,1,1\r\n\"a\",0\r\n\"c1\",1\r\n";

// The one message Open showed, or what went wrong instead.
std::string OpenMessage(const std::string& path) {
    test::TestApp t;
    StartUp(t.app);
    if (OpenPath(t.app, path) != OpenOutcome::Failed) return "opened";
    return t.ui.messages.size() == 1 ? t.ui.messages[0].text : "messages: " + std::to_string(t.ui.messages.size());
}

TEST(HostileFiles, OpenRefusesWhatIsNoReadableRegularFileByName) {
    TempFolder folder;
    fs::create_directory(folder.file("folder.vo"));
    ASSERT_EQ(::mkfifo(folder.file("pipe.vo").c_str(), 0600), 0);  // no writer: open must not wait
    fs::create_symlink("/dev/zero", folder.file("zero.vo"));       // read, it would never end
    fs::create_symlink(folder.file("loop2.vo"), folder.file("loop1.vo"));
    fs::create_symlink(folder.file("loop1.vo"), folder.file("loop2.vo"));
    const struct {
        const char* name;
        const char* says;
    } cases[] = {
        {"folder.vo", "フォルダーです。"},
        {"pipe.vo", "通常のファイルではありません。"},
        {"zero.vo", "通常のファイルではありません。"},
        {"loop1.vo", "シンボリックリンクが循環しています。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = OpenMessage(folder.file(c.name));
        EXPECT_NE(message.find(std::string("「") + c.name + "」"), std::string::npos) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
    EXPECT_EQ(OpenMessage(folder.file("none.vo")), "ファイルが存在しません\nnone.vo");

    const std::string locked = folder.file("locked.vo");
    test::WriteBytes(locked, kVoData);
    fs::permissions(locked, fs::perms::none);
    EXPECT_EQ(test::RunUnprivileged([&] {
                  return OpenMessage(locked).find("読み取る権限がありません") == std::string::npos;
              }),
              0);
}

// Every import layout and the pair's data file go through the opener of Open: a pipe or a zero
// device is refused at once by name instead of freezing the program or filling its memory.
TEST(HostileFiles, ImportsRefuseWhatIsNoRegularFileByName) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe.txt").c_str(), 0600), 0);
    const bool device = ::mknod(folder.file("zero.txt").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    test::WriteBytes(folder.file("pair.hdr"), "\"Mirv/B_1\"\r\n");
    ASSERT_EQ(::mkfifo(folder.file("pair.dat").c_str(), 0600), 0);
    FixedLayout fixed;
    fixed.variables.push_back({"a", 1, 2});
    const struct {
        const char* name;
        const char* file;
        const char* named;
        ImportResult (*run)(App&, const std::string&, const FixedLayout&);
    } cases[] = {
        {"values from a pipe", "pipe.txt", "pipe.txt",
         [](App& app, const std::string& path, const FixedLayout&) {
             return RunImport(app, path, ImportLayout::ValuesOnly, "1", "1");
         }},
        {"counts from a zero device", "zero.txt", "zero.txt",
         [](App& app, const std::string& path, const FixedLayout&) {
             return RunImport(app, path, ImportLayout::WithCounts, "", "");
         }},
        {"fixed width from a pipe", "pipe.txt", "pipe.txt", ImportFixedWidth},
        {"a pair whose data file is a pipe", "pair.hdr", "pair.dat",
         [](App& app, const std::string& path, const FixedLayout&) {
             return RunImport(app, path, ImportLayout::Mirv, "", "");
         }},
    };
    for (const auto& c : cases) {
        if (!device && std::string(c.file) == "zero.txt") continue;  // mknod needs root
        SCOPED_TRACE(c.name);
        test::TestApp t;
        StartUp(t.app);
        EXPECT_NE(c.run(t.app, folder.file(c.file), fixed).outcome, ImportResult::Imported);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        const std::string& text = t.ui.messages[0].text;
        EXPECT_NE(text.find(std::string("「") + c.named + "」"), std::string::npos) << text;
        EXPECT_NE(text.find("通常のファイルではありません。"), std::string::npos) << text;
    }
}

// "link/.." is the folder above the link's target for the system; a text rule would say the folder
// that holds the link.
TEST(HostileFiles, PathsAreResolvedByTheFileSystem) {
    TempFolder folder;
    fs::create_directories(folder.path() / "deep" / "inner");
    fs::create_symlink(folder.path() / "deep" / "inner", folder.path() / "link");
    test::WriteBytes(folder.file("deep/data.vo"), kVoData);
    const std::string chosen = folder.file("link/../data.vo");
    EXPECT_TRUE(SameFile(AbsolutePath(chosen), folder.file("deep/data.vo")));
    EXPECT_EQ(OpenMessage(folder.file("link/../none.vo")), "ファイルが存在しません\nnone.vo");
    test::TestApp t;
    StartUp(t.app);
    EXPECT_EQ(OpenPath(t.app, chosen), OpenOutcome::Opened);
}

TEST(HostileFiles, SavingOntoWhatIsNoRegularFileIsRefusedAndLeavesItAsItWas) {
    TempFolder folder;
    const std::string pipe = folder.file("pipe.vo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string device = folder.file("device.vo");
    // A character device of our own (the null device's numbers), never the system's node itself.
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device.clear();
    for (const std::string& path : {pipe, device}) {
        if (path.empty()) continue;  // mknod needs root
        SCOPED_TRACE(path);
        struct stat before {};
        ASSERT_EQ(::lstat(path.c_str(), &before), 0);
        const auto problem = SaveFileSafely(path, kVoData);
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(MessageOf(*problem).text.find("通常のファイルではありません。"), std::string::npos);
        struct stat after {};
        ASSERT_EQ(::lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), device.empty() ? 1 : 2);
}

// Saved through a symbolic link to a file of mode 0640 that has a second name: the link stays a
// link, both names show the new bytes, and the file keeps its mode (and its owner, where we may).
TEST(HostileFiles, SavingKeepsModeOwnerLinksAndHardLinks) {
    TempFolder folder;
    const std::string file = folder.file("data.vo"), hard = folder.file("hard.vo"), soft = folder.file("soft.vo");
    test::WriteBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), test::kNobody, test::kNobody), 0);
    }
    fs::create_hard_link(file, hard);
    fs::create_symlink("data.vo", soft);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    ASSERT_FALSE(SaveFileSafely(soft, "new"));
    EXPECT_TRUE(fs::is_symlink(soft));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(test::ReadBytes(hard), "new");
    EXPECT_EQ(test::ReadBytes(file), "new");

    // One name alone is renamed over as before, and still keeps the mode and owner.
    fs::remove(hard);
    ASSERT_FALSE(SaveFileSafely(file, "newer"));
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

// Under a file-size limit with the signal's default action the save reports the full disk instead
// of dying, and leaves no temporary; a later save removes what a killed one left.
TEST(HostileFiles, FileSizeLimitIsAMessageAndTemporariesDoNotStay) {
    TempFolder folder;
    const std::string path = folder.file("data.vo");
    test::WriteBytes(path, "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        struct rlimit small {100, 100};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const auto problem = SaveFileSafely(path, std::string(1000, 'x'));
        const bool told = problem && MessageOf(*problem).text.find("ディスクの空き容量") != std::string::npos;
        ::_exit(told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(test::ReadBytes(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// A save removes what a killed save of the same target left, and nothing else: not the user's own
// files that look alike, not a temporary young enough to belong to a save running now.
TEST(HostileFiles, OnlyOurOwnOldTemporariesAreCleanedUp) {
    TempFolder folder;
    const std::string path = folder.file("data.vo");
    test::WriteBytes(path, "old");
    const struct {
        const char* name;
        bool old;
        bool removed;
    } cases[] = {
        {".data.vo.zoriduvo-save-a1B2c3", true, true},
        {".data.vo.zoriduvo-save-Zz9xY8.old", true, true},
        {".data.vo.zoriduvo-save-q1w2e3", false, false},  // a save running now
        {".data.vo.backup", true, false},                  // the user's, of the same length
        {".data.vo.a1B2c3", true, false},
        {".data.vo.old", true, false},
        {".data.vo.zoriduvo-save-a1B2c3.bak", true, false},
        {".other.vo.zoriduvo-save-a1B2c3", true, false},   // another target's
    };
    for (const auto& c : cases) {
        test::WriteBytes(folder.file(c.name), "left");
        if (c.old)
            fs::last_write_time(folder.file(c.name), fs::file_time_type::clock::now() - std::chrono::hours(48));
    }
    ASSERT_FALSE(SaveFileSafely(path, "new"));
    for (const auto& c : cases) EXPECT_EQ(fs::exists(folder.file(c.name)), !c.removed) << c.name;
}

// A file with a second name is written in place; when the new bytes have no room (a file-size
// limit here; a full disk takes the same road through the reserved room) the old bytes stay.
TEST(HostileFiles, AHardLinkedFileWithoutRoomKeepsItsOldBytes) {
    TempFolder folder;
    const std::string path = folder.file("data.vo"), other = folder.file("other.vo");
    const std::string old(50, 'o');
    test::WriteBytes(path, old);
    fs::create_hard_link(path, other);
    std::optional<FileProblem> problem;
    {
        const test::FileSizeLimit limit;  // 100 bytes
        problem = SaveFileSafely(path, std::string(1000, 'n'));
    }
    ASSERT_TRUE(problem.has_value());
    const std::string text = MessageOf(*problem).text;
    EXPECT_NE(text.find("ディスクの空き容量が足りません。"), std::string::npos) << text;
    EXPECT_NE(text.find("元のファイルは変更されていません。"), std::string::npos) << text;
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(test::ReadBytes(other), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);

    ASSERT_FALSE(SaveFileSafely(path, "shorter"));
    EXPECT_EQ(test::ReadBytes(other), "shorter") << "written in place, the old tail cut off";
}

TEST(HostileFiles, FailuresAreToldInOurOwnWords) {
    TempFolder folder;
    const auto problem = SaveFileSafely(folder.file(std::string(300, 'n') + ".vo"), "x");
    ASSERT_TRUE(problem.has_value());
    const std::string text = MessageOf(*problem).text;
    EXPECT_NE(text.find("ファイル名が長すぎます。"), std::string::npos) << text;
    EXPECT_EQ(text.find("too long"), std::string::npos) << text;
}

}  // namespace
}  // namespace zoriduvo

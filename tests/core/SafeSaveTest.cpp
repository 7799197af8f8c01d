#include <gtest/gtest.h>

#include <filesystem>

#include "FileTestSupport.h"
#include "files/SafeSave.h"

namespace zoriduvo {
namespace {

namespace fs = std::filesystem;

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeSave, ReplacedFileKeepsItsPermissions) {
    test::TempFolder folder;
    const std::string path = folder.file("a.vo");
    test::WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(SaveFileSafely(path, "new"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SafeSave, ALinkStaysALinkAndItsFileIsReplaced) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const std::string target = (folder.path() / "real" / "data.vo").string();
    test::WriteBytes(target, "old");
    const std::string link = folder.file("link.vo");
    fs::create_symlink(target, link);
    ASSERT_FALSE(SaveFileSafely(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(target), "new");
    EXPECT_EQ(Entries(folder.path() / "real"), 1u);
}

// The temporary and the old file's second name are made from the target's name, and must still fit
// where the name itself takes all the room a folder allows.
TEST(SafeSave, LongestFileNamesStillSave) {
    test::TempFolder folder;
    std::string longest;
    for (int i = 0; i < 85; ++i) longest += "名";  // 255 bytes
    const std::string first = folder.file(longest);
    const std::string second = folder.file(std::string(254, 'x') + "y");
    ASSERT_FALSE(SaveFileSafely(first, "new"));
    EXPECT_EQ(test::ReadBytes(first), "new");
    test::WriteBytes(second, "old");
    ASSERT_FALSE(SaveFilesSafely({{first, "a"}, {second, "b"}}));
    EXPECT_EQ(test::ReadBytes(first), "a");
    EXPECT_EQ(test::ReadBytes(second), "b");
    EXPECT_EQ(Entries(folder.path()), 2u);
}

TEST(SafeSave, AFolderInTheWayIsRefusedAndKept) {
    test::TempFolder folder;
    fs::create_directory(folder.path() / "taken.vo");
    const auto problem = SaveFileSafely(folder.file("taken.vo"), "x");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->code, FileError::CannotWrite);
    EXPECT_EQ(problem->where, "taken.vo");
    EXPECT_TRUE(fs::is_directory(folder.path() / "taken.vo"));
    EXPECT_EQ(Entries(folder.path()), 1u);
}

}  // namespace
}  // namespace zoriduvo

// A pair of files is written all or none: a fault in the second file leaves both old files as
// they were and no temporary behind, whether the fault comes while writing or at the last rename.
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

TEST(SaveFilesSafely, AFaultInTheSecondFileKeepsBothOldFiles) {
    struct Case {
        const char* name;
        bool folderInTheWay;  // the second target is a folder: its rename fails after the first one's
        bool sizeLimit;       // the second file outgrows the size limit: its write fails part-way
        const char* reason;
    };
    const Case cases[] = {
        {"write of the second fails", false, true, "ディスクの空き容量が足りません。"},
        {"rename of the second fails", true, false, "同じ名前のフォルダーがあります。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        const std::string data = folder.file("pair.dat"), header = folder.file("pair.hdr");
        test::WriteBytes(data, "old data");
        if (c.folderInTheWay) fs::create_directory(header);
        else test::WriteBytes(header, "old header");
        const std::vector<OutputFile> files = {{data, "new data"}, {header, std::string(200, 'h')}};

        std::optional<FileProblem> problem;
        if (c.sizeLimit) {
            test::FileSizeLimit limit;
            problem = SaveFilesSafely(files);
        } else {
            problem = SaveFilesSafely(files);
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->where, "pair.hdr");
        EXPECT_NE(problem->detail.find(c.reason), std::string::npos);
        EXPECT_NE(problem->detail.find("元のファイルは変更されていません。"), std::string::npos);
        EXPECT_EQ(test::ReadBytes(data), "old data");
        if (c.folderInTheWay) EXPECT_TRUE(fs::is_directory(header));
        else EXPECT_EQ(test::ReadBytes(header), "old header");
        EXPECT_EQ(Entries(folder.path()), 2u) << "no temporary or kept file is left behind";
    }
}

TEST(SaveFilesSafely, AFailedPairRemovesTheFilesItMadeAndASuccessLeavesOnlyThePair) {
    test::TempFolder folder;
    const std::string data = folder.file("new.dat");
    fs::create_directory(folder.file("new.hdr"));
    ASSERT_TRUE(SaveFilesSafely({{data, "d"}, {folder.file("new.hdr"), "h"}}));
    EXPECT_FALSE(fs::exists(data));
    fs::remove(folder.file("new.hdr"));

    test::WriteBytes(data, "old");
    ASSERT_FALSE(SaveFilesSafely({{data, "d"}, {folder.file("new.hdr"), "h"}}));
    EXPECT_EQ(test::ReadBytes(data), "d");
    EXPECT_EQ(test::ReadBytes(folder.file("new.hdr")), "h");
    EXPECT_EQ(Entries(folder.path()), 2u);
}

}  // namespace
}  // namespace zoriduvo

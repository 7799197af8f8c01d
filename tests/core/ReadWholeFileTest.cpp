#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <thread>

#include "FileTestSupport.h"
#include "files/FilePaths.h"

namespace zoriduvo {
namespace {

using test::TempFolder;

// Regular files are read in one piece of their size; the content must come back byte for byte.
TEST(ReadWholeFile, RegularFilesComeBackByteForByte) {
    TempFolder folder;
    std::string large;
    for (int k = 0; k < 300000; ++k) large += static_cast<char>(k * 7 % 256);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"one byte", "x"},
        {"line ends and NULs", std::string("a\r\nb\0c\rd\n", 9)},
        {"larger than any stream buffer", large},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("f.bin");
        test::WriteBytes(path, c.bytes);
        const auto read = ReadWholeFile(path);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->size(), c.bytes.size());
        EXPECT_TRUE(*read == c.bytes);
    }
}

// A file whose size the system does not know beforehand (a pipe, a file of /proc) is read to its end.
TEST(ReadWholeFile, FilesOfUnknownSizeAreReadToTheirEnd) {
    TempFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string sent(100000, 'p');
    std::thread writer([&] { test::WriteBytes(fifo, sent); });
    const auto read = ReadWholeFile(fifo);
    writer.join();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), sent.size());

    const auto status = ReadWholeFile("/proc/self/status");  // its size reads as 0
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(status->find("Name:"), std::string::npos);
}

TEST(ReadWholeFile, FoldersAndMissingFilesAreNotRead) {
    TempFolder folder;
    EXPECT_FALSE(ReadWholeFile(folder.path().string()).has_value());
    EXPECT_FALSE(ReadWholeFile(folder.file("missing.vo")).has_value());
}

}  // namespace
}  // namespace zoriduvo

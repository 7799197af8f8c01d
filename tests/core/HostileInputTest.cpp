// Files that lie about their size, come in another code, or end their lines oddly.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "FileTestSupport.h"
#include "SurveySheet.h"
#include "app/StartUp.h"
#include "files/Cp932.h"
#include "files/CsvQuickReader.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/SheetLoader.h"
#include "support/Fakes.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZORIDUVO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORIDUVO_ADDRESS_SANITIZER 1
#endif
#endif

namespace zoriduvo {
namespace {

// Runs check in a child whose address space is limited to megabytes; its exit code, or -1 when it
// died (an uncaught bad_alloc aborts).
int RunInLimitedMemory(std::size_t megabytes, const std::function<int()>& check) {
    const pid_t child = ::fork();
    if (child < 0) return -2;
    if (child == 0) {
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = megabytes << 20;
        ::setrlimit(RLIMIT_AS, &limit);
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// A 42-byte file that announces 32767 cases of 32767 variables and holds none of them, and a CSV
// file of 32767 names over lines of one value: loading and gathering them for a save takes what
// they hold, not what a full sheet of that size would.
TEST(HostileInput, MemoryFollowsWhatTheFileHolds) {
#ifdef ZORIDUVO_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer reserves more address space than the limit allows";
#endif
    std::string wide;
    for (int v = 1; v <= 32767; ++v) wide += (v > 1 ? ",n" : "n") + std::to_string(v);
    for (int c = 1; c <= 32766; ++c) wide += "\r\n" + std::to_string(c % 10);
    const struct {
        const char* name;
        std::string bytes;
        bool csv;
    } cases[] = {
        {"announced, not held", "\"vo-Data_1\"\r\n\"label file\"\r\n1,32767,32767\r\n", false},
        {"names over short lines", wide, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = RunInLimitedMemory(400, [&] {
            test::TestApp t;
            StartUp(t.app);
            FileImage image;
            if (c.csv ? ReadCsvBytes(c.bytes, image) : ReadNativeBytes(c.bytes, image)) return 1;
            LoadOptions options;
            options.into = 1;
            if (image.caseCount < 32766 || LoadImageIntoSheet(t.app, image, options) != 1) return 2;
            FileImage gathered;
            GatherSheet(t.app, t.app.sheet(1), "/nowhere/out.vo", false, gathered);
            return gathered.valuesHeld() <= 32767 ? 0 : 3;
        });
        EXPECT_EQ(result, 0);
    }
}

// A vo-Data file written in UTF-8 by another program reads as its text, not as code page 932.
TEST(HostileInput, Utf8NativeFilesAreRead) {
    const std::string body = "\"vo-Data_1\"\r\n\"ラベル\"\r\n1,1,1\r\n\"身長\",0\r\n\"山田\",170\r\n";
    for (const std::string& bytes : {body, "\xEF\xBB\xBF" + body}) {
        FileImage image;
        ASSERT_FALSE(ReadNativeBytes(bytes, image));
        EXPECT_EQ(image.fileLabel, "ラベル");
        EXPECT_EQ(image.variable(1).name, "身長");
        EXPECT_EQ(image.caseName(1), "山田");
    }
}

TEST(HostileInput, LineNumbersCountEveryKindOfLineEnd) {
    const struct {
        std::string_view bytes;
        std::size_t offset;
        int line;
    } cases[] = {
        {"a\rb\rc", 4, 3}, {"a\r\nb\r\nc", 6, 3}, {"a\nb\nc", 4, 3}, {"a\r\rb", 3, 3}, {"a\r\nb", 2, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(LineOfOffset(c.bytes, c.offset), c.line) << c.bytes;
}

// The label the program makes up from a file name the user chose freely must not refuse the save;
// a label the user typed is theirs and is still refused by its field.
TEST(HostileInput, MadeUpLabelsHoldOnlyWhatTheFileCan) {
    test::TestApp t;
    StartUp(t.app);
    Sheet& sheet = t.app.sheet(1);
    test::FillSurveySheet(sheet);
    sheet.information().fileLabel = kUndefined;
    FileImage image;
    GatherSheet(t.app, sheet, "/data/café \"1\".vo", false, image);
    std::string bytes;
    EXPECT_FALSE(EncodeNativeFile(image, 3, bytes));
    EXPECT_EQ(image.fileLabel.substr(0, 13), "caf? ?1?.vo :");

    sheet.information().fileLabel = "café";
    GatherSheet(t.app, sheet, "/data/cafe.vo", false, image);
    const auto problem = EncodeNativeFile(image, 3, bytes);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->where, "ファイルラベル");
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <string>

#include "FileTestSupport.h"
#include "files/NativeReader.h"

namespace zoriduvo {
namespace {

FileImage Read(const std::string& utf8Text) {
    FileImage image;
    const auto problem = ReadNativeBytes(test::Sjis(utf8Text), image);
    EXPECT_FALSE(problem) << (problem ? MessageOf(*problem).text : "");
    return image;
}

TEST(NativeReaderOldVersions, StoredCategoryCountIsConverted) {
    struct Case {
        const char* stored;
        int count, minimum, maximum;
    };
    for (const char* tag : {"vo-Data_1", "vo-Data_2"}) {
        for (const Case& c : {Case{" 0 ", 0, 0, 0}, Case{" 1 ", 2, 0, 1}, Case{" 2 ", 2, 0, 1}, Case{" 5 ", 5, 1, 5}}) {
            SCOPED_TRACE(std::string(tag) + " stored" + c.stored);
            const FileImage image =
                Read("\"" + std::string(tag) + "\"\r\n\"L\"\r\n 1 , 0 , 1 \r\n\"x\"," + c.stored + "\r\n");
            ASSERT_EQ(image.variables.size(), 1u);
            EXPECT_EQ(image.variable(1).name, "x");
            EXPECT_EQ(image.variable(1).category.count, c.count);
            EXPECT_EQ(image.variable(1).category.minimum, c.minimum);
            EXPECT_EQ(image.variable(1).category.maximum, c.maximum);
        }
    }
}

TEST(NativeReaderVersions, StatisticsOnlyInVersions2And3) {
    const std::string body = "\"L\"\r\n 1 , 1 , 2 \r\n\"a\", 0 \r\n\"b\", 0 \r\n\"c1\",1,-\r\n";
    const std::string statistics =
        "\"nn\",%M,%M\r\n\" 1- 1\",%M,%M\r\n\"Max\", 1 ,-\r\n\"Min\", 1 ,-\r\n\"Average\", 1 ,-\r\n"
        "\"STD.Dev\", 0 ,-\r\n\"# of Cases\", 1 , 0 \r\n";
    const FileImage v2 = Read("\"vo-Data_2\"\r\n" + body + statistics);
    EXPECT_TRUE(v2.statisticsPresent);
    EXPECT_EQ(v2.statisticsCorner, " 1- 1");
    EXPECT_EQ(v2.statisticsOf(1).maximum, 1);
    EXPECT_EQ(v2.statisticsOf(1).cases, 1);
    EXPECT_EQ(v2.statisticsOf(2).maximum, 0);  // "-"
    EXPECT_EQ(v2.statisticsOf(2).cases, 0);

    const FileImage v4 = Read("\"vo-Data_4\"\r\n\"L\"\r\n 1 , 1 , 1 \r\n\"a\", 0 , 0 , 0 , 0 \r\n\"c1\",1\r\n");
    EXPECT_FALSE(v4.statisticsPresent);
    EXPECT_EQ(v4.value(1, 1), "1");
}

TEST(NativeReaderFields, BlankCodePaddingQuotesAndLeadingText) {
    const FileImage image = Read(
        "some text, before \r\n\"the tag\"\r\n\"vo-Data_4\"\r\n\"Label, with comma\"\r\n"
        " 1 , 2 , 4 \r\n"
        "\"a\", 0 , 0 , 0 , 0 \r\n\"b\", 0 , 0 , 0 , 0 \r\n\"c\", 0 , 0 , 0 , 0 \r\n\"d\", 0 , 0 , 0 , 0 \r\n"
        "\"one, two\",%M,  12  ,\"  x  \",.\r\n"
        "\" spaced \", %M , -1.5e3,,\"%M\"\r\n");
    EXPECT_EQ(image.formatTag, "vo-Data_4");
    EXPECT_EQ(image.fileLabel, "Label, with comma");
    EXPECT_EQ(image.caseName(1), "one, two");
    EXPECT_EQ(image.caseName(2), " spaced ");
    const char* const expected[2][4] = {{"", "12", "x", "."}, {"", "-1.5e3", "", ""}};
    for (int c = 1; c <= 2; ++c)
        for (int v = 1; v <= 4; ++v) EXPECT_EQ(image.value(c, v), expected[c - 1][v - 1]) << c << "," << v;
}

TEST(NativeReaderComment, LinesBetweenTheMarkersJoinedByCrLf) {
    const FileImage image = Read(
        "\"vo-Data_4\"\r\n\"L\"\r\n 1 , 0 , 0 \r\nignored\r\n///*\r\none\r\n\r\nthree\r\n*///\r\nafter\r\n");
    EXPECT_EQ(image.comment, "one\r\n\r\nthree");
    EXPECT_EQ(Read("\"vo-Data_4\"\r\n\"L\"\r\n 1 , 0 , 0 \r\n").comment, "");
}

TEST(NativeReaderCharacters, VendorCharactersReadBack) {
    const FileImage image = Read("\"vo-Data_4\"\r\n\"①～ｱ\"\r\n 1 , 0 , 0 \r\n");
    EXPECT_EQ(image.fileLabel, "①～ｱ");
}

TEST(NativeReaderFailures, NoTagBytesThatAreNoCharacterAndCountsOutOfRange) {
    struct Case {
        const char* name;
        std::string bytes;
        FileError code;
        int line, field;
    };
    const std::string head = "\"vo-Data_3\"\r\n\"L\"\r\n";
    const Case cases[] = {
        {"no tag", "\"vo-Data\"\r\nhello, world\r\n", FileError::NotVoData, 0, 0},
        {"empty", "", FileError::NotVoData, 0, 0},
        {"broken byte", head + " 1 , 1 , 1 \r\n\"\x81\"", FileError::UnreadableText, 4, 0},
        {"no groups", head + " 0 , 1 \r\n", FileError::CountOutOfRange, 3, 1},
        {"negative groups", head + "-1 , 1 \r\n", FileError::CountOutOfRange, 3, 1},
        {"groups beyond 16 bits", head + " 40000 \r\n", FileError::CountOutOfRange, 3, 1},
        {"negative group size", head + " 2 , 5 ,-5 , 1 \r\n", FileError::CountOutOfRange, 3, 3},
        {"cases beyond 32767 in sum", head + " 2 , 30000 , 30000 , 1 \r\n", FileError::TooLarge, 3, 3},
        {"variables beyond 16 bits", head + " 1 , 1 , 99999 \r\n", FileError::CountOutOfRange, 3, 3},
        {"negative variables", head + " 1 , 1 ,-2 \r\n", FileError::CountOutOfRange, 3, 3},
        {"category beyond 16 bits", head + " 1 , 1 , 1 \r\n\"a\", 70000 , 0 , 0 , 0 \r\n",
         FileError::CountOutOfRange, 4, 2},
        {"minimum beyond 16 bits", head + " 1 , 1 , 1 \r\n\"a\", 2 ,-40000 , 0 , 0 \r\n",
         FileError::CountOutOfRange, 4, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileImage image;
        image.fileLabel = "before";
        const auto problem = ReadNativeBytes(c.bytes, image);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->code, c.code);
        EXPECT_EQ(problem->line, c.line);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(image.fileLabel, "before");  // a failed read leaves the image as it was
    }
}

// Counts that the file does not back with fields cost nothing: the reader stops where the bytes do.
TEST(NativeReaderFailures, HugeCountsInATinyFileAllocateNothingBig) {
    const FileImage groups = Read("\"vo-Data_3\"\r\n\"L\"\r\n 30000 , 1 ");
    EXPECT_EQ(groups.groupSizes.size(), 1u);
    EXPECT_LT(groups.groupSizes.capacity(), 64u);

    const FileImage cells = Read("\"vo-Data_3\"\r\n\"L\"\r\n 1 , 32767 , 32767 \r\n\"a\", 0 , 0 , 0 , 0 \r\n");
    EXPECT_EQ(cells.caseCount, 32767);
    EXPECT_EQ(cells.variableCount, 32767);
    EXPECT_EQ(cells.variables.size(), 1u);
    EXPECT_EQ(cells.valuesHeld(), 0u);
    EXPECT_EQ(cells.value(32767, 32767), "");
}

TEST(NativeReaderShortFile, CutAfterEveryLineReadsAsFarAsItGoes) {
    const std::string full = test::TestData("native-v3-groups/expected.vo");
    FileImage whole;
    ASSERT_FALSE(ReadNativeBytes(full, whole));
    std::size_t cut = 0;
    std::size_t lastHeld = 0;
    int line = 0;
    while ((cut = full.find("\r\n", cut)) != std::string::npos) {
        cut += 2;
        SCOPED_TRACE("cut after line " + std::to_string(++line));
        FileImage part;
        const auto problem = ReadNativeBytes(full.substr(0, cut), part);
        ASSERT_FALSE(problem);
        EXPECT_EQ(part.formatTag, "vo-Data_3");
        EXPECT_GE(part.valuesHeld(), lastHeld);
        lastHeld = part.valuesHeld();
        // What was read is what the whole file holds; the rest is empty.
        for (int c = 1; c <= whole.caseCount; ++c) {
            EXPECT_TRUE(part.caseName(c).empty() || part.caseName(c) == whole.caseName(c));
            for (int v = 1; v <= whole.variableCount; ++v)
                EXPECT_TRUE(part.value(c, v).empty() || part.value(c, v) == whole.value(c, v));
        }
        for (int v = 1; v <= whole.variableCount; ++v)
            EXPECT_TRUE(part.statisticsOf(v).cases == 0 || part.statisticsOf(v).cases == whole.statisticsOf(v).cases);
        EXPECT_TRUE(part.comment.empty() || part.comment == whole.comment || line == 18);
    }
    EXPECT_EQ(line, 20);
    EXPECT_EQ(lastHeld, whole.valuesHeld());
}

TEST(NativeReaderFile, PathFileNameAndModificationDate) {
    test::SourceDateGuard utc("0");
    test::TempFolder folder;
    const std::string path = folder.file("Survey.vo");
    test::WriteBytes(path, test::TestData("native-v3-groups/expected.vo"));
    const auto when = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(path, when);
    FileImage image;
    ASSERT_FALSE(ReadNativeFile(path, image));
    EXPECT_EQ(image.path, path);
    EXPECT_EQ(image.fileName, "Survey.vo");
    // "yy-mm-dd hh:nn:ss"
    ASSERT_EQ(image.date.size(), 17u);
    EXPECT_EQ(image.date[2], '-');
    EXPECT_EQ(image.date[8], ' ');
    EXPECT_EQ(image.date[11], ':');

    FileImage missing;
    const auto problem = ReadNativeFile(folder.file("none.vo"), missing);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->code, FileError::FileMissing);
}

TEST(NativeReaderTag, FoundInAnyFieldOfAFile) {
    EXPECT_TRUE(HasVoDataTag("x,y\r\n\"vo-Data_4\"\r\n"));
    EXPECT_TRUE(HasVoDataTag("vo-Data_9"));
    EXPECT_FALSE(HasVoDataTag("x,\"vo-Data\"\r\nvo-Dat_3"));
    EXPECT_FALSE(HasVoDataTag("\x81"));
}

}  // namespace
}  // namespace zoriduvo

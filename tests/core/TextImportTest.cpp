#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "files/imports/ImportMessages.h"
#include "files/imports/MirvReader.h"
#include "files/imports/TextImport.h"
#include "files/CsvQuickReader.h"
#include "files/NativeReader.h"
#include <functional>
#include <optional>

namespace zoriduvo {
namespace {

std::vector<std::string> Fields(std::string_view text) {
    ImportTokenizer in(text);
    std::vector<std::string> fields;
    while (auto f = in.nextField()) fields.emplace_back(*f);
    return fields;
}

using Strings = std::vector<std::string>;

TEST(ImportTokenizer, SeparatorsAndQuotes) {
    const struct {
        const char* name;
        std::string text;
        Strings fields;
    } cases[] = {
        {"mixed separators read alike", "1\t2\xE3\x80\x80" "3,4\xEF\xBC\x8C" "5  6", {"1", "2", "3", "4", "5", "6"}},
        {"blank between commas is an empty field", "1, ,2", {"1", "", "2"}},
        {"blank alone separates once", "1 2", {"1", "2"}},
        {"blanks around a comma separate once", "1 , 2", {"1", "2"}},
        {"quotes keep blanks and commas", "\"a b\",\"c,d\" e", {"a b", "c,d", "e"}},
        {"empty quotes are an empty field", "\"\",x", {"", "x"}},
        {"empty line is one empty field", "1\r\n\r\n2", {"1", "", "2"}},
        {"comma at line end gives an empty field", "1,\r\n2\r\n", {"1", "", "2"}},
        {"line feed and lone CR end lines", "1\n2\r3", {"1", "2", "3"}},
        {"leading blanks skipped, no final line end", "  7 8", {"7", "8"}},
        {"open quote ends with its line", "\"a b\r\nc", {"a b", "c"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Fields(c.text), c.fields) << c.name;
}

TEST(ImportTokenizer, CommaOnlyKeepsBlanksInside) {
    ImportTokenizer in("a b, c\r\n", false);
    EXPECT_EQ(*in.nextField(), "a b");
    EXPECT_EQ(*in.nextField(), "c");
    EXPECT_FALSE(in.nextField());
}

struct Table {
    std::string text;
    TextLayoutOptions options;
};

FileImage Read(const Table& table) {
    FileImage image;
    const auto problem = ReadTextTable(table.text, table.options, image);
    EXPECT_FALSE(problem) << (problem ? ImportProblemMessage(*problem).text : "");
    return image;
}

Strings Row(const FileImage& image, int c) {
    Strings row;
    for (int v = 1; v <= image.variableCount; ++v) row.emplace_back(image.value(c, v));
    return row;
}

TEST(TextTable, DescribedWithNamesTypesAndCaseNames) {
    TextLayoutOptions options;
    options.skipLines = 1;
    options.countsInFile = true;
    options.names = NameSource::File;
    options.types = true;
    options.caseNames = NameSource::File;
    const FileImage image = Read({"a heading to skip\r\n2 3\r\n\"x y\" 0 nn 1 g 5\r\nA 1.5 %M 3\r\nnn,,1 2\r\n", options});
    ASSERT_EQ(image.caseCount, 2);
    ASSERT_EQ(image.variableCount, 3);
    EXPECT_EQ(image.variable(1), (ImageVariable{"x y", {0, 0, 0}}));
    EXPECT_EQ(image.variable(2), (ImageVariable{"", {2, 1, 0}}));
    EXPECT_EQ(image.variable(3), (ImageVariable{"g", {5, 5, 1}}));
    EXPECT_EQ(image.caseName(1), "A");
    EXPECT_EQ(image.caseName(2), "");
    EXPECT_EQ(Row(image, 1), (Strings{"1.5", "", "3"}));
    EXPECT_EQ(Row(image, 2), (Strings{"", "1", "2"}));
}

TEST(TextTable, CountsGroupsAndShortFiles) {
    TextLayoutOptions counts;
    counts.countsInFile = true;
    TextLayoutOptions values;
    values.cases = 2, values.variables = 2;
    TextLayoutOptions generated = values;
    generated.names = generated.caseNames = NameSource::Generated;
    TextLayoutOptions groups = counts;
    groups.groups = true;

    const FileImage b = Read({"3,2\r\n1,2\r\n3\r\n", counts});
    EXPECT_EQ(b.caseCount, 3);
    EXPECT_EQ(Row(b, 2), (Strings{"3", ""}));  // the file ends early: the rest is blank
    EXPECT_EQ(Row(b, 3), (Strings{"", ""}));
    EXPECT_EQ(b.variable(1).name, "");

    const FileImage a = Read({"1 2 3 4", generated});
    EXPECT_EQ(a.variable(2).name, "V2");
    EXPECT_EQ(a.caseName(2), "C2");
    EXPECT_EQ(Row(a, 2), (Strings{"3", "4"}));

    const FileImage g = Read({"2 1 2 1\r\n1\r\n2\r\n3\r\n", groups});
    EXPECT_EQ(g.groupSizes, (std::vector<std::int16_t>{1, 2}));
    EXPECT_EQ(g.caseCount, 3);
    EXPECT_EQ(g.variableCount, 1);
    EXPECT_EQ(Row(g, 3), (Strings{"3"}));
}

TEST(TextTable, MissingCodesAreBlankAndValuesAfterTheLastCaseAreCounted) {
    TextLayoutOptions twoByThree;
    twoByThree.cases = 2, twoByThree.variables = 3;
    const struct {
        const char* name;
        const char* text;
        Strings second;
        int notNumbers, extra, firstExtraLine;
    } cases[] = {
        {"exactly the values", "1 2 3\n4 5 6\n", {"4", "5", "6"}, 0, 0, 0},
        {"three values beyond", "1 2 3\n4 5 6\n7 8 9\n", {"4", "5", "6"}, 0, 3, 3},
        {"beyond on the same line", "1 2 3 4 5 6 7\n", {"4", "5", "6"}, 0, 1, 1},
        {"empty fields after the values are none", "1 2 3\n4 5 6\n,,\n\n", {"4", "5", "6"}, 0, 0, 0},
        {"NA and the dot are blank", "1 2 3\nNA . 6\n", {"", "", "6"}, 0, 0, 0},
        {"quoted NA and words are texts", "1 2 3\n\"NA\" x 6\n", {"NA", "x", "6"}, 2, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FileImage image = Read({c.text, twoByThree});
        EXPECT_EQ(Row(image, 2), c.second);
        EXPECT_EQ(image.notes.notNumbers.count, c.notNumbers);
        EXPECT_EQ(image.notes.extraValues, c.extra);
        EXPECT_EQ(image.notes.firstExtraLine, c.firstExtraLine);
    }
}

TEST(TextTable, CountsOutOfRangeAreRefusedBeforeReading) {
    TextLayoutOptions counts;
    counts.countsInFile = true;
    const struct {
        const char* text;
        const char* where;
    } cases[] = {
        {"-1 2", "ケース数"}, {"abc 2", "ケース数"}, {"32768 2", "ケース数"}, {"2 40000", "変数の数"},
    };
    for (const auto& c : cases) {
        FileImage image;
        image.caseCount = 99;
        const auto problem = ReadTextTable(c.text, counts, image);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(problem->code, FileError::CountOutOfRange);
        EXPECT_EQ(problem->where, c.where) << c.text;
        EXPECT_EQ(image.caseCount, 99) << "the image is left as it was";
    }
}

TEST(TextTable, Cp932AndUtf8GiveTheSameTable) {
    const std::string utf8 = "1 2\r\n身長 体重\r\n170 60\r\n";
    TextLayoutOptions options;
    options.countsInFile = true;
    options.names = NameSource::File;
    std::vector<FileImage> images;
    for (const std::string& bytes : {test::Sjis(utf8), utf8, "\xEF\xBB\xBF" + utf8}) {
        std::string text;
        ASSERT_FALSE(DecodeImportText(bytes, text));
        images.push_back(Read({text, options}));
    }
    for (const FileImage& image : images) {
        EXPECT_EQ(image.variable(1).name, "身長");
        EXPECT_EQ(Row(image, 1), (Strings{"170", "60"}));
    }
    std::string text;
    const auto problem = DecodeImportText("1 2\r\n\x81\xFF\r\n", text);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->code, FileError::UnreadableText);
    EXPECT_EQ(problem->line, 2);
}

TEST(MirvPair, DataFileBesideTheHeader) {
    const struct {
        const char* header;
        const char* data;
    } cases[] = {
        {"/d/x.hdr", "/d/x.dat"},
        {"/d/X.HDR", "/d/X.DAT"},
        {"/d/x.Hdr", "/d/x.Dat"},
        {"/a.b/very-long-name.hdr", "/a.b/very-long-name.dat"},
        {"/d/x.y.hdr", "/d/x.y.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(MirvDataPath(c.header), c.data) << c.header;
}

TEST(MirvPair, ReadsAHandWrittenPair) {
    const std::string header =
        "\"Mirv/B_1\"\r\n\"x\",\"01-02-2024\", \"10:00:00\"\r\n\"vo : Data Entry/Edit\"\r\n"
        "\"x.Vo\",\"01-02-2024\", \"10:00:00\"\r\n\"1\"\r\n2\r\n1,\"\"\r\n2,\"\"\r\n2,0\r\n"
        "\"身長\",\"\",0,0,0\r\n\"g\",\"\",3,0,0\r\n0,0\r\n";
    const std::string data = "170,1\r\n%M,2\r\n a b ,3\r\n";
    FileImage image;
    ASSERT_FALSE(ReadMirvTexts(header, data, image, "x.dat"));
    EXPECT_EQ(image.groupSizes, (std::vector<std::int16_t>{1, 2}));
    EXPECT_EQ(image.variable(1), (ImageVariable{"身長", {}}));
    EXPECT_EQ(image.variable(2), (ImageVariable{"g", {3, 3, 1}}));
    EXPECT_EQ(Row(image, 1), (Strings{"170", "1"}));
    EXPECT_EQ(Row(image, 2), (Strings{"", "2"}));
    EXPECT_EQ(Row(image, 3), (Strings{"a b", "3"}));
    EXPECT_EQ(image.caseName(1), "");

    FileImage refused;
    const std::string tooMany = "a,b,c,d,e,f,g,h,i\r\n1\r\n40000,\"\"\r\n";
    const auto problem = ReadMirvTexts(tooMany, data, refused, "x.dat");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->where, "グループのケース数");

    // Two sizes each within range whose sum is not: the sum is named, not the last size.
    FileImage summed;
    const std::string pastTheSum = "a,b,c,d,e,f,g,h,i\r\n2\r\n20000,\"\"\r\n20000,\"\"\r\n";
    const auto sum = ReadMirvTexts(pastTheSum, data, summed, "x.dat");
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->code, FileError::TooLarge);
    EXPECT_EQ(sum->where, "グループのケース数の合計");
}

// A pair whose writer was stopped between its two files: the header says one shape, the data file
// holds another. Taking the values in order would spread them over the wrong cases.
TEST(MirvPair, ATornPairIsRefusedNamingItsDataFile) {
    const std::string header =
        "\"Mirv/B_1\"\r\n\"x\",\"01-02-2024\", \"10:00:00\"\r\n\"vo : Data Entry/Edit\"\r\n"
        "\"x.Vo\",\"01-02-2024\", \"10:00:00\"\r\n\"1\"\r\n1\r\n3,\"\"\r\n2,0\r\n"
        "\"a\",\"\",0,0,0\r\n\"b\",\"\",0,0,0\r\n0,0\r\n";
    const struct {
        const char* name;
        const char* data;
        bool matches;
    } cases[] = {
        {"the header's shape", "1,2\r\n3,4\r\n5,6\r\n", true},
        {"a last line without its end and blank lines", "1,2\r\n\r\n3,4\r\n5,6", true},
        {"fewer cases", "1,2\r\n3,4\r\n", false},
        {"more cases", "1,2\r\n3,4\r\n5,6\r\n7,8\r\n", false},
        {"more variables, same count of values", "1,2,3\r\n4,5,6\r\n", false},
        {"a line short of a value", "1,2\r\n3\r\n5,6\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileImage image;
        image.variableCount = 7;
        const auto problem = ReadMirvTexts(header, c.data, image, "x.dat");
        EXPECT_EQ(!problem, c.matches);
        if (c.matches) continue;
        ASSERT_TRUE(problem);
        EXPECT_EQ(image.variableCount, 7) << "the image stays as it was";
        const std::string text = MessageOf(*problem).text;
        EXPECT_NE(text.find("「x.dat」"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {

// UTF-16 is not read: every reader of text says so before a NUL byte reaches a cell or a message.
TEST(Utf16Text, EveryReaderRefusesItAsUtf16) {
    using Read = std::function<std::optional<FileProblem>(const std::string&)>;
    const std::pair<const char*, Read> readers[] = {
        {"csv", [](const std::string& b) { FileImage image; return ReadCsvBytes(b, image); }},
        {"vo-Data", [](const std::string& b) { FileImage image; return ReadNativeOwnedBytes(b, image); }},
        {"import", [](const std::string& b) { std::string text; return DecodeImportText(b, text); }},
    };
    const std::pair<const char*, std::string> inputs[] = {
        {"little-endian mark", std::string("\xFF\xFE" "1\0,\0" "2\0", 8)},
        {"big-endian mark", std::string("\xFE\xFF\0" "1\0,\0" "2", 8)},
        {"no mark", std::string("1\0\t\0" "2\0\r\0\n\0", 10)},
    };
    for (const auto& [reader, read] : readers)
        for (const auto& [name, bytes] : inputs) {
            SCOPED_TRACE(std::string(reader) + ", " + name);
            const auto problem = read(bytes);
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->code, FileError::Utf16Text);
        }
    // Plain text of the other codes is not taken for it.
    FileImage image;
    EXPECT_FALSE(ReadCsvBytes("a,b\r\n1,2\r\n", image));
}

}  // namespace zoriduvo

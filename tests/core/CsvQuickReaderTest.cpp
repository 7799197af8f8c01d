#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "files/CsvQuickReader.h"

namespace zoriduvo {
namespace {

FileImage ReadCsv(const std::string& bytes) {
    FileImage image;
    const auto problem = ReadCsvBytes(bytes, image);
    EXPECT_FALSE(problem) << (problem ? MessageOf(*problem).text : "");
    return image;
}

std::vector<std::string> Names(const FileImage& image) {
    std::vector<std::string> names;
    for (int v = 1; v <= image.variableCount; ++v) names.push_back(image.variable(v).name);
    return names;
}

std::vector<std::string> CaseNames(const FileImage& image) {
    std::vector<std::string> names;
    for (int c = 1; c <= image.caseCount; ++c) names.emplace_back(image.caseName(c));
    return names;
}

std::vector<std::string> Row(const FileImage& image, int c) {
    std::vector<std::string> values;
    for (int v = 1; v <= image.variableCount; ++v) values.emplace_back(image.value(c, v));
    return values;
}

using Texts = std::vector<std::string>;

TEST(CsvQuickReaderLayout, HeaderAndCaseNameDecisions) {
    struct Case {
        const char* name;
        const char* text;
        Texts names, caseNames, firstRow;
    };
    const Case cases[] = {
        {"x,y header over numbers", "x,y\r\n1,2\r\n3,4\r\n", {"x", "y"}, {"C1", "C2"}, {"1", "2"}},
        {"empty first field", ",x,y\r\na,1,2\r\nb,3,4\r\n", {"x", "y"}, {"a", "b"}, {"1", "2"}},
        {"one line", "1,2,3\r\n", {"V1", "V2", "V3"}, {"C1"}, {"1", "2", "3"}},
        {"one line of names", "x,y\r\n", {"V1", "V2"}, {"C1"}, {"x", "y"}},
        {"header one shorter than the cases", "x,y\r\nk1,1,2\r\n", {"x", "y"}, {"k1"}, {"1", "2"}},
        {"one column", "5\r\n6\r\n", {"V1"}, {"C1", "C2"}, {"5"}},
        {"b and c numeric: numbers only", "1,2\r\n3,4\r\n", {"V1", "V2"}, {"C1", "C2"}, {"1", "2"}},
        {"b numeric, c not: case names", "a,1,2\r\nb,3,4\r\n", {"V1", "V2"}, {"a", "b"}, {"1", "2"}},
        {"neither b nor c numeric: header and case names", "id,x\r\nk,1\r\n", {"x"}, {"k"}, {"1"}},
        {"zero counts as a number", "0,0.0\r\n0.0,1\r\n", {"V1", "V2"}, {"C1", "C2"}, {"0", "0.0"}},
        {"quoted header with a comma", "\"a,b\",c\r\n1,2\r\n", {"a,b", "c"}, {"C1"}, {"1", "2"}},
        // A missing first value decides nothing: the lines after it do.
        {"R's NA first, numbers after", "\"x\",\"y\"\nNA,NA\n28,2\n", {"x", "y"}, {"C1", "C2"}, {"", ""}},
        {"empty first field, numbers after", "x,y\n,1\n.,2\n5,3\n", {"x", "y"}, {"C1", "C2", "C3"}, {"", "1"}},
        {"one column, NA first", "x\nNA\n3\n", {"x"}, {"C1", "C2"}, {""}},
        {"a text first, numbers outnumber it", "x,y\nNaN,1\n2,2\n3,3\n", {"x", "y"}, {"C1", "C2", "C3"},
         {"NaN", "1"}},
        {"names, one of them a number", "id,x\nTokyo,1\n2024,2\nOsaka,3\n", {"x"}, {"Tokyo", "2024", "Osaka"}, {"1"}},
        {"line 2 a number still decides", "id,x\n1,1\nA,2\nB,3\n", {"id", "x"}, {"C1", "C2", "C3"}, {"1", "1"}},
        {"NA only: case names as before", "id,x\nNA,1\nNA,2\n", {"x"}, {"NA", "NA"}, {"1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileImage image = ReadCsv(c.text);
        EXPECT_EQ(Names(image), c.names);
        EXPECT_EQ(CaseNames(image), c.caseNames);
        EXPECT_EQ(Row(image, 1), c.firstRow);
        EXPECT_EQ(image.groupSizes, std::vector<std::int16_t>{static_cast<std::int16_t>(image.caseCount)});
    }
}

TEST(CsvQuickReaderValues, BlanksRaggedLinesAndTrailingEmptyLines) {
    const FileImage image = ReadCsv("x,y,z\n1,,%M\n2\n3,4,5,6\n \"7\" , 8 ,9\n\n\n");
    ASSERT_EQ(image.caseCount, 4);
    EXPECT_EQ(Row(image, 1), (Texts{"1", "", ""}));
    EXPECT_EQ(Row(image, 2), (Texts{"2", "", ""}));  // a short line does not borrow from the next
    EXPECT_EQ(Row(image, 3), (Texts{"3", "4", "5"}));
    EXPECT_EQ(Row(image, 4), (Texts{"7", "8", "9"}));
}

TEST(CsvQuickReaderLayout, OneColumnWithAName) {
    struct Case {
        const char* name;
        const char* text;
        Texts names, firstRow;
    };
    const Case cases[] = {
        {"name above numbers", "x\r\n5\r\n6\r\n", {"x"}, {"5"}},
        {"quoted name", "\"身長\"\r\n170\r\n", {"身長"}, {"170"}},
        {"number above numbers", "0.0\r\n5\r\n", {"V1"}, {"0.0"}},
        {"name above a name", "x\r\ny\r\n", {"V1"}, {"x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileImage image = ReadCsv(c.text);
        EXPECT_EQ(Names(image), c.names);
        EXPECT_EQ(Row(image, 1), c.firstRow);
    }
}

// Memory follows the file, not variables times lines: a short line holds only what it has.
TEST(CsvQuickReaderValues, ShortLinesUnderAWideHeaderHoldOnlyTheirFields) {
    std::string text = "x1";
    for (int v = 2; v <= 5000; ++v) text += ",x" + std::to_string(v);
    text += "\r\n1\r\n,,3\r\n\r\n4\r\n";
    const FileImage image = ReadCsv(text);
    ASSERT_EQ(image.variableCount, 5000);
    ASSERT_EQ(image.caseCount, 4);
    EXPECT_LE(image.valuesHeld(), 6u);
    const Texts expected[] = {{"1", "", ""}, {"", "", "3"}, {"", "", ""}, {"4", "", ""}};
    for (int c = 1; c <= 4; ++c) {
        const Texts row = Row(image, c);
        EXPECT_EQ(Texts(row.begin(), row.begin() + 3), expected[c - 1]);
    }
    EXPECT_EQ(image.value(4, 5000), "");
}

TEST(CsvQuickReaderValues, LinesWithFieldsBeyondTheVariablesAreCounted) {
    struct Case {
        const char* name;
        const char* text;
        int cut, first;
    };
    const Case cases[] = {
        {"none", "a,b\r\n1,2\r\n3\r\n", 0, 0},
        {"empty fields beyond lose nothing", "a,b\r\n1,2,,\r\n3,4, \r\n", 0, 0},
        {"two lines", "a,b\r\n1,2\r\n3,4,5\r\n6,7,,8\r\n", 2, 3},
        {"case names", ",a\r\nk,1\r\nm,2,3\r\n", 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileImage image = ReadCsv(c.text);
        EXPECT_EQ(image.notes.linesCut, c.cut);
        EXPECT_EQ(image.notes.firstLineCut, c.first);
    }
}

// Missing-value codes of other programs are blanks; what the sheet reads otherwise than written is
// counted, the first of each kind named.
TEST(CsvQuickReaderValues, MissingCodesAreBlankAndOtherTextsAreNoted) {
    struct Case {
        const char* name;
        const char* field;
        const char* value;  // as the image holds it
        int notNumbers, beyondSingle;
    };
    const Case cases[] = {
        {"R's NA", "NA", "", 0, 0},
        {"NA among blanks", "  NA ", "", 0, 0},
        {"the dot of SAS and Stata", ".", "", 0, 0},
        {"the system's own mark", "%M", "", 0, 0},
        {"a quoted NA is a text", "\"NA\"", "NA", 1, 0},
        {"a quoted dot is a text", "\".\"", ".", 1, 0},
        {"na in small letters is a text", "na", "na", 1, 0},
        {"a word", "abc", "abc", 1, 0},
        {"a number with a tail", "12abc", "12abc", 1, 0},
        {"R's NaN", "NaN", "NaN", 1, 0},
        {"a number in another form", "5.0", "5.0", 0, 0},
        {"the largest single", "3.4028235E+38", "3.4028235E+38", 0, 0},
        {"beyond the single range", "1e39", "1e39", 0, 1},
        {"below minus the single range", "-3.5E+38", "-3.5E+38", 0, 1},
        {"an exponent within the range", "340e36", "340e36", 0, 0},
        {"an exponent beyond it", "350e36", "350e36", 0, 1},
        {"a fraction with a large exponent", "0.0035D41", "0.0035D41", 0, 1},
        {"thirty-nine digits", "400000000000000000000000000000000000000", "400000000000000000000000000000000000000", 0, 1},
        {"a tiny number", "-1e-50", "-1e-50", 0, 0},
        {"R's Inf: the largest number", "Inf", "1.79769313486232E+308", 0, 1},
        {"R's -Inf", "-Inf", "-1.79769313486232E+308", 0, 1},
        {"a quoted Inf is a text", "\"Inf\"", "Inf", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileImage image = ReadCsv(std::string("x,y\n1,") + c.field + "\n");
        EXPECT_EQ(image.value(1, 2), c.value);
        EXPECT_EQ(image.notes.notNumbers.count, c.notNumbers);
        EXPECT_EQ(image.notes.beyondSingle.count, c.beyondSingle);
    }
}

TEST(CsvQuickReaderValues, TheFirstOfEachKindIsNamedWithItsCaseAndVariable) {
    const FileImage image = ReadCsv("a,b,c\n1,2,3\n4,x,1e40\n5,y,z\n");
    EXPECT_EQ(image.notes.notNumbers.count, 3);
    EXPECT_EQ(image.notes.notNumbers.caseNumber, 2);
    EXPECT_EQ(image.notes.notNumbers.variable, 2);
    EXPECT_EQ(image.notes.notNumbers.text, "x");
    EXPECT_EQ(image.notes.beyondSingle.count, 1);
    EXPECT_EQ(image.notes.beyondSingle.caseNumber, 2);
    EXPECT_EQ(image.notes.beyondSingle.variable, 3);
}

// Files as R's write.csv writes them, with and without row names.
TEST(CsvQuickReaderFiles, RWrittenAirqualityKeepsOzoneAndItsMissingValues) {
    const struct {
        const char* file;
        int cases, ozoneValues;
        const char* firstCaseName;
    } cases[] = {
        {"foreign/airquality-from-case5.csv", 149, 112, "C1"},
        {"foreign/airquality.csv", 153, 116, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const FileImage image = ReadCsv(test::TestData(c.file));
        ASSERT_EQ(image.variableCount, 6);
        EXPECT_EQ(image.variable(1).name, "Ozone");
        EXPECT_EQ(image.caseCount, c.cases);
        EXPECT_EQ(image.caseName(1), c.firstCaseName);
        int values = 0;
        for (int k = 1; k <= image.caseCount; ++k) values += image.value(k, 1).view().empty() ? 0 : 1;
        EXPECT_EQ(values, c.ozoneValues);
        EXPECT_EQ(image.notes.notNumbers.count, 0);
    }
}

TEST(CsvQuickReaderText, Utf8WithOrWithoutMarkAndCodePage932ReadAlike) {
    const std::string utf8 = "名前,①\r\n1,2\r\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, test::Sjis(utf8)}) {
        const FileImage image = ReadCsv(bytes);
        EXPECT_EQ(Names(image), (Texts{"名前", "①"}));
        EXPECT_EQ(Row(image, 1), (Texts{"1", "2"}));
    }
}

TEST(CsvQuickReaderImage, OwnsNoFileRecordOfAnEarlierFile) {
    FileImage image;
    image.path = "/old/file.vo";
    image.fileLabel = "old label";
    image.statisticsPresent = true;
    image.comment = "old";
    ASSERT_FALSE(ReadCsvBytes("1,2\r\n", image));
    EXPECT_EQ(image.path, "");
    EXPECT_EQ(image.formatTag, "CSV");
    EXPECT_EQ(image.fileLabel, "未定義");
    EXPECT_EQ(image.date, "未保存");
    EXPECT_FALSE(image.statisticsPresent);
    EXPECT_EQ(image.comment, "");
}

TEST(CsvQuickReaderFailures, EmptyTooWideAndUnreadable) {
    struct Case {
        const char* name;
        std::string bytes;
        FileError code;
    };
    std::string wide;
    for (int v = 0; v < 32768; ++v) wide += "1,";
    wide += "1\r\n";
    const Case cases[] = {
        {"only empty lines", "\r\n \r\n", FileError::FileMissing},
        {"more than 32767 variables", wide, FileError::TooLarge},
        {"bytes of no code", "a,b\r\n\x81\x20", FileError::UnreadableText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileImage image;
        image.fileName = "kept";
        const auto problem = ReadCsvBytes(c.bytes, image);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->code, c.code);
        EXPECT_EQ(image.fileName, "kept");
    }
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "support/SingleTolerance.h"
#include "text/NumberText.h"

namespace zoriduvo {
namespace {

// An image with what every version keeps: groups, names with blanks and Japanese, categories of
// 1..3 and 0..1 (the ranges versions 1 and 2 can express), blank-coded and padded values.
FileImage SampleImage() {
    FileImage image;
    image.fileLabel = "ラベル ①～ label";
    image.groupSizes = {2, 1, 3};
    image.caseCount = 6;
    image.variableCount = 3;
    image.variables = {{"連続 x", {0, 0, 0}}, {"cat3", {3, 3, 1}}, {"yes/no", {2, 1, 0}}};
    for (int c = 1; c <= 6; ++c) {
        image.caseNames.push_back(c == 4 ? "ｹｰｽ ｱ" : "C" + std::to_string(c));
        image.appendValue(c % 2 ? "1.25" : "%M");
        image.appendValue(std::to_string(c % 3 + 1));
        image.appendValue(c == 6 ? "-3.5E-07" : "0");
    }
    image.statisticsPresent = true;
    image.statisticsCorner = " 1- 6";
    image.statistics = {{1.25f, 1.25f, 1.25f, 0, 3}, {3, 1, 2, 0.8944272f, 6}, {0, -3.5e-07f, -5.833333e-08f, 1.428869e-07f, 6}};
    image.comment = "first\r\n\r\n  third ";
    return image;
}

TEST(NativeRoundTrip, EveryVersionReadsBackWhatItWrote) {
    const FileImage written = SampleImage();
    for (int version = 1; version <= 4; ++version) {
        SCOPED_TRACE(version);
        std::string bytes;
        ASSERT_FALSE(EncodeNativeFile(written, version, bytes));
        FileImage read;
        const auto problem = ReadNativeBytes(bytes, read);
        ASSERT_FALSE(problem) << MessageOf(*problem).text;

        EXPECT_EQ(read.formatTag, FormatTagOf(version));
        EXPECT_EQ(read.fileLabel, written.fileLabel);
        EXPECT_EQ(read.groupSizes, written.groupSizes);
        EXPECT_EQ(read.groupEnds(), (std::vector<int>{0, 2, 3, 6}));
        EXPECT_EQ(read.caseCount, 6);
        ASSERT_EQ(read.variableCount, 3);
        for (int v = 1; v <= 3; ++v) {
            EXPECT_EQ(read.variable(v).name, written.variable(v).name);
            EXPECT_EQ(read.variable(v).category.count, written.variable(v).category.count);
            EXPECT_EQ(read.variable(v).category.minimum, written.variable(v).category.minimum);
            EXPECT_EQ(read.variable(v).category.maximum, written.variable(v).category.maximum);
        }
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(read.caseName(c), written.caseName(c));
            for (int v = 1; v <= 3; ++v) {
                const CellString value = written.value(c, v);
                const std::string_view expected = value == "%M" ? std::string_view() : value.view();
                EXPECT_EQ(read.value(c, v), expected) << c << "," << v;
            }
        }
        const bool statistics = version == 2 || version == 3;
        EXPECT_EQ(read.statisticsPresent, statistics);
        if (statistics) {
            EXPECT_EQ(read.statisticsCorner, written.statisticsCorner);
            for (int v = 1; v <= 3; ++v) {
                const ImageStatistics& r = read.statisticsOf(v);
                const ImageStatistics& w = written.statisticsOf(v);
                EXPECT_TRUE(test::SingleNear(r.maximum, w.maximum));
                EXPECT_TRUE(test::SingleNear(r.minimum, w.minimum));
                EXPECT_TRUE(test::SingleNear(r.mean, w.mean));
                EXPECT_TRUE(test::SingleNear(r.deviation, w.deviation));
                EXPECT_EQ(r.cases, w.cases);
            }
        }
        EXPECT_EQ(read.comment, written.comment);
    }
}

// A version-3 file may end its cases without the statistics block; its comment is still its
// comment, and a block cut short gives its lines back to the comment as well.
TEST(NativeRoundTrip, AVersion3FileWithoutItsStatisticsKeepsItsComment) {
    FileImage written = SampleImage();
    std::string bytes;
    ASSERT_FALSE(EncodeNativeFile(written, 4, bytes));
    const std::string withoutBlock = "\"vo-Data_3\"" + bytes.substr(bytes.find("\r\n"));
    std::string withBlock;
    ASSERT_FALSE(EncodeNativeFile(written, 3, withBlock));
    const std::size_t cut = withBlock.find("\"Average\"");
    const std::string cutShort = withBlock.substr(0, cut) + withBlock.substr(withBlock.find("///*"));
    for (const std::string* file : {&withoutBlock, &cutShort}) {
        FileImage read;
        ASSERT_FALSE(ReadNativeBytes(*file, read));
        EXPECT_FALSE(read.statisticsPresent);
        EXPECT_EQ(read.comment, written.comment);
        EXPECT_EQ(read.value(6, 3), "-3.5E-07");
    }
}

// A deviation beyond the single range shows "INF"; read as a leading number it would be saved as 0.
TEST(NativeRoundTrip, AStatisticThatOverflowedStaysInfinite) {
    EXPECT_TRUE(std::isinf(StatisticOfText("INF")) && StatisticOfText("INF") > 0);
    EXPECT_TRUE(std::isinf(StatisticOfText(" -INF ")) && StatisticOfText(" -INF ") < 0);
    EXPECT_EQ(StatisticOfText(" 1.5 "), 1.5f);
    FileImage written = SampleImage();
    written.statistics[0].deviation = std::numeric_limits<float>::infinity();
    std::string bytes;
    ASSERT_FALSE(EncodeNativeFile(written, 3, bytes));
    FileImage read;
    ASSERT_FALSE(ReadNativeBytes(bytes, read));
    ASSERT_TRUE(read.statisticsPresent);
    EXPECT_TRUE(std::isinf(read.statisticsOf(1).deviation));
    EXPECT_EQ(read.statisticsOf(2).cases, 6.0f);
}

// A comment line that is one of the markers would cut the comment when read back: the write is
// refused naming the line, and nothing is written.
TEST(NativeRoundTrip, ACommentLineThatIsAMarkerIsRefusedByName) {
    const struct {
        const char* comment;
        const char* line;
        const char* marker;
    } cases[] = {
        {"a\r\n*///\r\nb", "2", "*///"},
        {"///*", "1", "///*"},
        {"a\n ///* \nb\n///*x", nullptr, nullptr},  // not exactly a marker: kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        FileImage written = SampleImage();
        written.comment = c.comment;
        std::string bytes = "untouched";
        const auto problem = EncodeNativeFile(written, 4, bytes);
        if (!c.line) {
            ASSERT_FALSE(problem);
            FileImage read;
            ASSERT_FALSE(ReadNativeBytes(bytes, read));
            EXPECT_EQ(read.comment, "a\r\n ///* \r\nb\r\n///*x");
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(bytes, "untouched");
        const std::string text = MessageOf(*problem).text;
        EXPECT_NE(text.find(std::string("「") + c.marker + "」"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(c.line) + " 行目"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace zoriduvo

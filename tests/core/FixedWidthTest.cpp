#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "files/imports/FixedWidth.h"

namespace zoriduvo {
namespace {

using Strings = std::vector<std::string>;

TEST(FixedPreview, RulerAndMarkersCoverTheLongestLine) {
    const auto preview = FixedPreview("12345678901234567890\r\nabc\r\nxyz\r\nnot shown\r\n");
    ASSERT_EQ(preview.size(), 5u);
    EXPECT_EQ(preview[0], "    5   10   15   20   25");
    EXPECT_EQ(preview[1], "    v    v    v    v    v");
    EXPECT_EQ(preview[4], "xyz");
    // Full-width characters take two columns of the ruler.
    EXPECT_EQ(FixedPreview("身長身長身")[0], "    5   10   15");
    // A tab shows as the one column the reader counts it.
    EXPECT_EQ(FixedPreview("a\tbc")[2], "a\u00BBbc");
}

TEST(FixedColumns, ValuesNeverSplitACharacter) {
    const struct {
        const char* name;
        std::string line;
        int first, last;
        std::string value;
    } cases[] = {
        {"one column", "ABC123", 4, 4, "1"},
        {"short line", "AB", 4, 6, ""},
        {"blanks removed", "  7  ", 1, 5, "7"},
        {"full-width take two", "身長170", 1, 4, "身長"},
        {"after full-width", "身長170", 5, 7, "170"},
        {"a straddling character goes where it starts", "a身b", 1, 2, "a身"},
        {"and not where it ends", "a身b", 3, 4, "b"},
        {"half-width katakana take one", "ｱｲ12", 3, 4, "12"},
    };
    for (const auto& c : cases) {
        FixedLayout layout;
        layout.variables = {{"x", c.first, c.last}};
        FileImage image;
        ASSERT_FALSE(ReadFixedWidthText(c.line, layout, image));
        EXPECT_EQ(image.value(1, 1), c.value) << c.name;
    }
}

TEST(FixedWidthRead, LinesAreCasesWithTheirNames) {
    FixedLayout layout;
    layout.variables = {{"a", 4, 6}, {"b", 1, 1}};
    layout.caseNames = FixedCaseNames::Read;
    layout.nameFirst = 1, layout.nameLast = 3;
    FileImage image;
    ASSERT_FALSE(ReadFixedWidthText("ABC123\r\n\r\nXY\r\n", layout, image));
    ASSERT_EQ(image.caseCount, 3);
    EXPECT_EQ(image.caseName(1), "ABC");
    EXPECT_EQ(image.value(1, 1), "123");
    EXPECT_EQ(image.value(2, 2), "");
    EXPECT_EQ(image.caseName(3), "XY");

    layout.caseNames = FixedCaseNames::Generated;
    ASSERT_FALSE(ReadFixedWidthText("1\n2\n", layout, image));
    EXPECT_EQ(image.caseName(2), "C2");
}

TEST(FixedWidthRead, MoreThan32767LinesAreRefused) {
    FixedLayout layout;
    layout.variables = {{"a", 1, 1}};
    std::string text;
    for (int k = 0; k < 32768; ++k) text += "1\n";
    FileImage image;
    const auto problem = ReadFixedWidthText(text, layout, image);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->code, FileError::TooLarge);
    EXPECT_EQ(image.caseCount, 0);
    text.resize(text.size() - 2);
    EXPECT_FALSE(ReadFixedWidthText(text, layout, image));
    EXPECT_EQ(image.caseCount, 32767);
}

TEST(FixedDefinitions, AddingFollowsTheDialogRules) {
    using Kind = ColumnCheck::Kind;
    const struct {
        const char* name;
        const char* first;
        const char* last;
        std::optional<ImportMessage> refusal;
        Kind kind;
    } cases[] = {
        {"age", "1", "3", std::nullopt, Kind::Ok},
        {"", "1", "3", ImportMessage::NoVariableName, Kind::Ok},
        {"a,b", "1", "3", ImportMessage::BadVariableName, Kind::Ok},
        {"a\"b", "1", "3", ImportMessage::BadVariableName, Kind::Ok},
        {"x", "", "3", std::nullopt, Kind::MendFirst},
        {"x", "1", "0", std::nullopt, Kind::MendFirst},
        {"x", "7", "5", std::nullopt, Kind::MendLast},
    };
    for (const auto& c : cases) {
        FixedDefinitionList list;
        const auto adding = list.add(c.name, c.first, c.last);
        EXPECT_EQ(adding.refusal, c.refusal) << c.name << " " << c.first << "-" << c.last;
        if (!c.refusal) {
            EXPECT_EQ(adding.columns.kind, c.kind) << c.name << " " << c.first << "-" << c.last;
        }
        EXPECT_EQ(list.definitions().size(), adding.added() ? 1u : 0u);
    }
}

TEST(FixedDefinitions, EntriesTakeBackAndDelete) {
    FixedDefinitionList list;
    list.add("age", "1", "3");
    list.add("sex", "4", "4");
    list.add("w", "10", "12");
    EXPECT_EQ(FixedEntryText(list.definitions()[0]), "age  [ 1 - 3 ]");
    EXPECT_EQ(list.takeBack(1), (FixedDefinition{"sex", 4, 4}));
    list.erase(0);
    ASSERT_EQ(list.definitions().size(), 1u);
    EXPECT_EQ(list.definitions()[0].name, "w");
}

}  // namespace
}  // namespace zoriduvo

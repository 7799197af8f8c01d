#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/FieldReader.h"

namespace zoriduvo {
namespace {

std::vector<std::string> AllFields(std::string_view text) {
    std::vector<std::string> fields;
    FieldReader in(text);
    while (auto f = in.next()) fields.emplace_back(*f);
    return fields;
}

TEST(FieldReaderFields, SeparatorsQuotesBlanksAndLineEnds) {
    using Fields = std::vector<std::string>;
    struct Case {
        const char* name;
        const char* text;
        Fields fields;
    };
    const Case cases[] = {
        {"plain", "a,b,c", {"a", "b", "c"}},
        {"blanks around", "  a ,\tb\t", {"a", "b"}},
        {"blanks inside stay", "a b , c", {"a b", "c"}},
        {"quoted comma", "\"x, y\",z", {"x, y", "z"}},
        {"quoted blanks stay", "\"  q  \"", {"  q  "}},
        {"text after closing quote dropped", "\"ab\"cd,e", {"ab", "e"}},
        {"empty between commas", "a,,b", {"a", "", "b"}},
        {"comma at line end", "a,\r\nb", {"a", "", "b"}},
        {"comma at text end", "a,", {"a", ""}},
        {"empty line", "a\r\n\r\nb", {"a", "", "b"}},
        {"LF and CR line ends", "a\nb\rc\r\n", {"a", "b", "c"}},
        {"open quote ends with its line", "\"open,x\r\nb", {"open,x", "b"}},
        {"empty text", "", {}},
        {"print-form numbers", " 1 , 20 , 5 ", {"1", "20", "5"}},
        {"Japanese", "\"身長\",ｱ", {"身長", "ｱ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AllFields(c.text), c.fields);
    }
}

TEST(FieldReaderPositions, LineAndPlaceOfEachField) {
    FieldReader in("a,b\r\n\"c,d\",e\nf");
    const int expected[][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}};
    for (const auto& place : expected) {
        ASSERT_TRUE(in.next());
        EXPECT_EQ(in.line(), place[0]);
        EXPECT_EQ(in.field(), place[1]);
    }
    EXPECT_FALSE(in.next());
}

TEST(FieldReaderLines, RestOfTheTextLineByLineAfterTheFields) {
    FieldReader in("1,2\r\n///*\r\nhi, there\r\n\r\n*///");
    EXPECT_EQ(in.next(), "1");
    EXPECT_EQ(in.next(), "2");
    std::vector<std::string> lines;
    while (auto line = in.nextLine()) lines.emplace_back(*line);
    EXPECT_EQ(lines, (std::vector<std::string>{"///*", "hi, there", "", "*///"}));
}

}  // namespace
}  // namespace zoriduvo

#include <gtest/gtest.h>

#include <optional>
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

// A taker that reads a run of digits: a field is taken only when it is one, blanks around it
// aside; otherwise next() reads it as always, from the same place.
TEST(FieldReaderTaken, AFieldIsTakenWholeOrLeftToNext) {
    const auto digits = [](const char* begin, const char* end) {
        std::size_t n = 0;
        while (begin + n != end && begin[n] >= '0' && begin[n] <= '9') ++n;
        return n;
    };
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> fields;  // "#" marks one taken
    };
    const Case cases[] = {
        {"digits taken", "12,3\r\n45", {"#", "#", "#"}},
        {"blanks around taken", "  12 ,\t3\t", {"#", "#"}},
        {"more than the taker reads", "12a,3", {"12a", "#"}},
        {"blank inside", "1 2,3", {"1 2", "#"}},
        {"quoted", "\"12\",3", {"12", "#"}},
        {"empty fields", ",3,", {"", "#", ""}},
        {"LF and CR ends", "1\n2\r3", {"#", "#", "#"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FieldReader taking(c.text), reading(c.text);
        std::vector<std::string> fields;
        for (;;) {
            const bool taken = taking.nextTaken(digits);
            const auto field = taken ? std::optional<std::string_view>("#") : taking.next();
            const auto plain = reading.next();
            if (!field) {
                EXPECT_FALSE(plain);
                break;
            }
            ASSERT_TRUE(plain);
            fields.emplace_back(*field);
            // The place of each field is the same either way.
            EXPECT_EQ(taking.line(), reading.line());
            EXPECT_EQ(taking.field(), reading.field());
            if (taken) {
                EXPECT_FALSE(taking.quoted());
            }
        }
        EXPECT_EQ(fields, c.fields);
    }
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

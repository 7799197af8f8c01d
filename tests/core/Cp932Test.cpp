#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "files/Cp932.h"

namespace zoriduvo {
namespace {

TEST(Cp932Text, CharactersBothWays) {
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    const Case cases[] = {
        {"abc, 1.5\r\n", "abc, 1.5\r\n"},
        {"漢字", "\x8A\xBF\x8E\x9A"},
        {"①", "\x87\x40"},      // vendor row 13
        {"～", "\x81\x60"},      // fullwidth tilde
        {"ｱ", "\xB1"},          // half-width katakana: one byte
        {"\\~", "\\~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToCp932(c.utf8), std::string(c.cp932));
        EXPECT_EQ(Cp932ToUtf8(c.cp932), std::string(c.utf8));
    }
}

TEST(Cp932Text, CharactersOutsideTheCodeAreRefusedWithTheirPlace) {
    for (const char* text : {"ab é", "ab 😀", "ab €"}) {
        SCOPED_TRACE(text);
        std::size_t bad = 99;
        EXPECT_FALSE(Utf8ToCp932(text, &bad));
        EXPECT_EQ(bad, 3u);
        EXPECT_EQ(CharacterAt(text, bad), std::string(text).substr(3));
    }
    std::size_t bad = 0;
    EXPECT_FALSE(Cp932ToUtf8("ok\r\n\x81", &bad));  // a lead byte without its partner
    EXPECT_EQ(bad, 4u);
    EXPECT_EQ(LineOfOffset("ok\r\n\x81", bad), 2);
    EXPECT_FALSE(Cp932ToUtf8("\x81\x7F"));  // a lead byte with no trail byte of the code
}

// The single bytes iconv's table leaves out read and write as the Windows code page has them.
TEST(Cp932Text, BytesOutsideTheIconvTableAsTheWindowsCodePage) {
    struct Case {
        std::string cp932, utf8;
    };
    const Case cases[] = {
        {"a\x80" "b", "a\u0080b"},
        {"\xA0", "\u00A0"},
        {"\xFD\xFE\xFF", "\uF8F0\uF8F1\uF8F2"},
        {"\x8A\xBF\xFF\x8E\x9A", "漢\uF8F2字"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
    }
}

// ASCII between the characters of the code is copied and only the runs between go through the
// table: a trail byte in the ASCII range stays with its lead, and a bad byte is named where it
// stands in the whole text.
TEST(Cp932Text, AsciiBetweenRunsAndTheirPlaceInTheWholeText) {
    struct Case {
        std::string cp932;
        std::optional<std::string> utf8;
        std::size_t bad = 0;
    };
    const Case cases[] = {
        {"\"\x83\x41\",1.5\r\n\"\x83\x40\x83\x41\",2\r\n", "\"ア\",1.5\r\n\"ァア\",2\r\n"},
        {"\x83\x5C,\\", "ソ,\\"},  // trail byte 0x5C, the ASCII backslash
        {"ab\xB1\x83\x41z\xA0", "abｱアz\u00A0"},
        {"ok,1\r\nok,\x81\r\n", std::nullopt, 9},
        {"abc\x81\x7F,d", std::nullopt, 3},
        {"abc,\x83\x41\x81", std::nullopt, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cp932);
        std::size_t bad = 99;
        const auto utf8 = Cp932ToUtf8(c.cp932, &bad);
        EXPECT_EQ(utf8, c.utf8);
        if (!c.utf8) {
            EXPECT_EQ(bad, c.bad);
        }
    }
}

TEST(Cp932ForeignText, ByteOrderMarkOrValidUtf8MeansUtf8) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"mark dropped", "\xEF\xBB\xBFx,①", "x,①"},
        {"valid UTF-8 with non-ASCII", "名前,①", "名前,①"},
        {"code page 932", "\x96\xBC\x91\x4F,\x87\x40", "名前,①"},
        {"ASCII", "a,b", "a,b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeForeignText(c.bytes), c.text);
    }
    std::size_t bad = 0;
    EXPECT_FALSE(DecodeForeignText("\xEF\xBB\xBFok\xC3", &bad));
    EXPECT_EQ(bad, 5u);
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
}

}  // namespace
}  // namespace zoriduvo

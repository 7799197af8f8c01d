#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "sheet/Cell.h"
#include "text/NumberText.h"

namespace zoriduvo {
namespace {

std::uint64_t Bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Whatever the cell keeps inside, it gives back the text it was given, and LeadingNumber's value
// of it, bit for bit.
void ExpectKeeps(const std::string& text) {
    const Cell cell = Cell::FromText(text);
    ASSERT_EQ(cell.text(), text) << "[" << text << "]";
    ASSERT_EQ(cell.empty(), text.empty()) << text;
    ASSERT_EQ(Bits(cell.leadingNumber()), Bits(LeadingNumber(text))) << text;
    if (cell.isNumber()) {
        ASSERT_EQ(GeneralText(cell.number()), text);
    }
}

TEST(CellStore, EdgeTextsComeBackAsTheyWere) {
    const char* const texts[] = {"", "0", "-0", "0.0", "00", "007", "+1", "1.", ".5", "-.5", "12.50", "12.5",
                                 "0.0001", "0.00001", "1E-05", "1e-05", "1.5E-07", "-1.5E+20", "1E+15",
                                 "999999999999999", "1000000000000000", "123456789012345", "1234567890123456",
                                 "0.123456789012345", "0.1234567890123456", "1e38", "1e39", "1E+38", "3.4E+38",
                                 "4.94065645841247E-324", "2.2250738585072E-308", "1.79769313486232E+308",
                                 "1.79769313486232E+309", "INF", "-INF", "NaN", "1 2", " 12", "12 ", "1,5", "C12",
                                 "日本", "abcdef", "abcdefg", "%M", "-", ".", "E5", "1E", "1E+", "1D3", "-0.5"};
    for (const char* text : texts) ExpectKeeps(text);
    EXPECT_TRUE(Cell::FromText("12.5").isNumber());
    EXPECT_TRUE(Cell::FromText("1.5E-07").isNumber());
    EXPECT_FALSE(Cell::FromText("12.50").isNumber());
    EXPECT_FALSE(Cell::FromText("-0").isNumber());
    EXPECT_FALSE(Cell::FromText("1e38").isNumber());
}

// Texts of every kind a sheet meets: general texts of random doubles and singles (denormals and
// extremes among them), the cell formatter's texts, decimals as users type them, and random bytes.
TEST(CellStore, RandomTextsComeBackAsTheyWere) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> digit(0, 9), length(0, 12), kind(0, 5);
    const std::string alphabet = "0123456789.-+eEdD ,x";
    for (int i = 0; i < 300000; ++i) {
        std::string text;
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        switch (kind(random)) {
            case 0: text = GeneralText(value); break;
            case 1: text = GeneralText(static_cast<float>(std::ldexp(static_cast<double>(bits % 100000), static_cast<int>(bits % 61) - 30))); break;
            case 2: text = FormatNumber(std::ldexp(static_cast<double>(bits % 1000003), static_cast<int>(bits % 41) - 20)); break;
            case 3: {
                if (bits & 1) text += '-';
                for (int n = length(random); n >= 0; --n) text += static_cast<char>('0' + digit(random));
                if (bits & 2) text.insert(text.size() / 2, 1, '.');
                if (bits & 4) text += "E" + std::to_string(static_cast<int>(bits % 700) - 350);
                break;
            }
            default:
                for (int n = length(random); n > 0; --n) text += alphabet[random() % alphabet.size()];
        }
        ExpectKeeps(text);
    }
}

}  // namespace
}  // namespace zoriduvo

#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace zoriduvo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr float kDenormMin = std::numeric_limits<float>::denorm_min();

// |actual - expected| within a relative tolerance plus an absolute one (the
// latter for denormals, whose shortest texts carry few digits).
testing::AssertionResult Near(double actual, double expected, double relative, double absolute) {
    const double diff = std::fabs(actual - expected);
    if (diff <= relative * std::fabs(expected) + absolute) return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual << " differs from " << expected << " by " << diff;
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    struct Case { const char* name; std::string text; double expected; };
    const Case cases[] = {
        {"plain", "-12.345", -12.345},
        {"exponent", "1.5E-03", 1.5e-3},
        {"blanks inside digits", " 1 2", 12},
        {"blanks around the exponent", "1 e 5", 1e5},
        {"tabs and line ends", "\t-2\n", -2},
        {"carriage return between digits", "1\r\n2", 12},
        {"blank after the sign", "- 5", -5},
        {"plus sign", "+3", 3},
        {"D exponent", "1.5D3", 1500},
        {"lower-case d exponent", "2d-1", 0.2},
        {"dangling exponent marker", "-.5e", -0.5},
        {"dangling exponent sign", "1e+", 1},
        {"trailing letters", "12abc", 12},
        {"comma ends the number", "1,5", 1},
        {"second point ends the number", ".5.5", 0.5},
        {"point ends the exponent", "1e5.5", 1e5},
        {"leading point", ".25", 0.25},
        {"trailing point", "7.", 7},
        {"letters", "abc", 0},
        {"empty", "", 0},
        {"sign only", "-", 0},
        {"point only", ".", 0},
        {"two signs", "+-5", 0},
        {"exponent without mantissa", "e5", 0},
        {"zero with a huge exponent", "0e999999999999", 0},
        {"overflow", "1e400", DBL_MAX},
        {"negative overflow", "-1e400", -DBL_MAX},
        {"overflow past the exponent saturation", "1e99999999999999999999", DBL_MAX},
        {"more digits than the stack buffer", "1" + std::string(120, '0'), 1e120},
        {"many leading zeros", "0." + std::string(150, '0') + "1", 1e-151},
        {"many blanks", std::string(200, ' ') + "4" + std::string(200, '\t') + "2", 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LeadingNumber(c.text), c.expected);
    }
}

TEST(LeadingNumber, UnderflowReadsAsZeroOrATinyValue) {
    for (const char* text : {"1e-400", "-1e-400", "1e-320", "1e-99999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_LT(std::fabs(LeadingNumber(text)), 1e-300);
    }
}

TEST(ToSingle, SaturatesBeyondTheSingleRange) {
    EXPECT_EQ(ToSingle(1e39), FLT_MAX);
    EXPECT_EQ(ToSingle(-DBL_MAX), -FLT_MAX);
    EXPECT_EQ(ToSingle(1.5), 1.5f);
    EXPECT_TRUE(std::isinf(ToSingle(-kInf)) && ToSingle(-kInf) < 0);
    EXPECT_TRUE(std::isnan(ToSingle(kNaN)));
}

TEST(RoundToInt, HalvesGoToEvenAndRangeIsChecked) {
    struct Case { const char* name; double v; std::optional<std::int16_t> i16; std::optional<std::int32_t> i32; };
    const Case cases[] = {
        {"half down to even", 2.5, 2, 2},
        {"half up to even", 3.5, 4, 4},
        {"negative half to even", -2.5, -2, -2},
        {"negative half away to even", -3.5, -4, -4},
        {"just below a half", 0.49999999999999994, 0, 0},
        {"negative below a half", -0.5, 0, 0},
        {"16-bit top", 32767.4, 32767, 32767},
        {"16-bit top half rounds out", 32767.5, std::nullopt, 32768},
        {"16-bit top half rounds in", 32766.5, 32766, 32766},
        {"16-bit bottom half rounds in", -32768.5, -32768, -32768},
        {"16-bit bottom past", -32768.6, std::nullopt, -32769},
        {"32-bit top half rounds out", 2147483647.5, std::nullopt, std::nullopt},
        {"32-bit bottom half rounds in", -2147483648.5, std::nullopt, INT32_MIN},
        {"large", 1e10, std::nullopt, std::nullopt},
        {"beyond exact integers", 9007199254740993.0, std::nullopt, std::nullopt},
        {"NaN", kNaN, std::nullopt, std::nullopt},
        {"infinity", -kInf, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoundToInt16(c.v), c.i16);
        EXPECT_EQ(RoundToInt32(c.v), c.i32);
    }
}

TEST(RoundToInt, EveryInt16SurvivesItsPrintForm) {
    for (int i = INT16_MIN; i <= INT16_MAX; ++i) {
        const auto back = RoundToInt16(LeadingNumber(PrintInteger(i)));
        ASSERT_TRUE(back.has_value() && *back == i) << i;
    }
}

TEST(GeneralText, SingleAndItsPrintForm) {
    struct Case { const char* name; float v; const char* general; const char* print; };
    const Case cases[] = {
        {"half", 0.5f, "0.5", " .5 "},
        {"negative half", -0.5f, "-0.5", "-.5 "},
        {"seven digits stay fixed", 1234567.0f, "1234567", " 1234567 "},
        {"eight digits go to exponent form", 12345678.0f, "1.234568E+07", " 1.234568E+07 "},
        {"1E-5 goes to exponent form", 1e-5f, "1E-05", " 1E-05 "},
        {"1E-4 stays fixed", 1e-4f, "0.0001", " .0001 "},
        {"negative 1E-4", -1e-4f, "-0.0001", "-.0001 "},
        {"1E-7", 1e-7f, "1E-07", " 1E-07 "},
        {"1E+15", 1e15f, "1E+15", " 1E+15 "},
        {"zero", 0.0f, "0", " 0 "},
        {"negative zero", -0.0f, "0", " 0 "},
        {"integer", 3.0f, "3", " 3 "},
        {"binary noise is rounded away", 123.456f, "123.456", " 123.456 "},
        {"rounding carries into exponent form", 10000000.0f, "1E+07", " 1E+07 "},
        {"rounding carries out of exponent form", 9.99999997e-6f, "1E-05", " 1E-05 "},
        {"seven digits below one", 0.99999994f, "0.9999999", " .9999999 "},
        {"largest single", FLT_MAX, "3.402823E+38", " 3.402823E+38 "},
        {"smallest denormal", kDenormMin, "1.401298E-45", " 1.401298E-45 "},
        {"infinity", -std::numeric_limits<float>::infinity(), "-INF", "-INF "},
        {"NaN is a blank", std::numeric_limits<float>::quiet_NaN(), "", "  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GeneralText(c.v), c.general);
        EXPECT_EQ(PrintSingle(c.v), c.print);
    }
}

TEST(GeneralText, DoubleKeepsFifteenDigits) {
    struct Case { const char* name; double v; const char* general; const char* print; };
    const Case cases[] = {
        {"eight digits stay fixed", 12345678.0, "12345678", " 12345678 "},
        {"fifteen digits stay fixed", 123456789012345.0, "123456789012345", " 123456789012345 "},
        {"sixteen digits", 1234567890123456.0, "1.23456789012346E+15", " 1.23456789012346E+15 "},
        {"1E+15", 1e15, "1E+15", " 1E+15 "},
        {"a third", 1 / 3.0, "0.333333333333333", " .333333333333333 "},
        {"three exponent digits", 1e300, "1E+300", " 1E+300 "},
        {"negative with decimals", -1234567890.5, "-1234567890.5", "-1234567890.5 "},
        // Short decimals take a quicker road to the same texts; its edges:
        {"the smallest fixed", 0.0001, "0.0001", " .0001 "},
        {"below it", 0.00001, "1E-05", " 1E-05 "},
        {"fifteen digits below 1", 0.000123456789012345, "0.000123456789012345", " .000123456789012345 "},
        {"the largest fixed", 999999999999999.0, "999999999999999", " 999999999999999 "},
        {"a sum that is no short decimal", 0.1 + 0.2, "0.3", " .3 "},
        {"zeros inside", -100.05, "-100.05", "-100.05 "},
        {"an integer with zeros", 1200.0, "1200", " 1200 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GeneralText(c.v), c.general);
        EXPECT_EQ(PrintDouble(c.v), c.print);
    }
}

// The quick check must agree with the length itself for every size: random bit patterns, short
// decimals of every length and place, and the values where the fixed form ends or rounds up.
TEST(GeneralText, FitsAgreesWithTheLength) {
    std::vector<double> values = {0, -0.0, 0.0001, 0.00009999, 1e-5, 999999999999999.0, 1e15, 0.1 + 0.2,
                                  1.0000000000000002, 9.9999999999999995, 99.99, -100.05, 1 / 3.0, 1e300,
                                  DBL_MAX, DBL_MIN, std::numeric_limits<double>::infinity(), 5e-324};
    std::uint64_t state = 88172645463325252ull;
    const auto next = [&state] { return state ^= state << 13, state ^= state >> 7, state ^= state << 17; };
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t r = next();
        values.push_back(std::bit_cast<double>(r));
        const double digits = static_cast<double>(r % 1000000000000000ull >> (r % 40));
        values.push_back((r & 1 ? -1 : 1) * digits / std::pow(10.0, static_cast<double>((r >> 8) % 20)));
    }
    for (const double v : values) {
        if (std::isnan(v)) continue;
        const std::size_t length = GeneralTextSize(v);
        for (const std::size_t size : {std::size_t{0}, length - 2, length - 1, length, length + 1, std::size_t{26}})
            ASSERT_EQ(GeneralTextFits(v, size), length <= size) << GeneralText(v) << " in " << size;
    }
}

TEST(PrintInteger, SignPositionAndTrailingSpace) {
    EXPECT_EQ(PrintInteger(3), " 3 ");
    EXPECT_EQ(PrintInteger(0), " 0 ");
    EXPECT_EQ(PrintInteger(-20), "-20 ");
    EXPECT_EQ(PrintInteger(std::numeric_limits<long long>::min()), "-9223372036854775808 ");
}

TEST(ShortestText, FewestDigitsThatReadBack) {
    EXPECT_EQ(ShortestText(0.1f), "0.1");
    EXPECT_EQ(ShortestText(123.456f), "123.456");
    EXPECT_EQ(ShortestText(1e20f), "1E+20");
    EXPECT_EQ(ShortestText(FLT_MIN), "1.1754944E-38");
    EXPECT_EQ(ShortestText(-0.0f), "0");
}

TEST(FormatNumber, CellTexts) {
    struct Case { const char* name; double x; const char* dropZeros; const char* keepZeros; };
    const Case cases[] = {
        {"zero", 0, "0", "0.000000000"},
        {"negative zero", -0.0, "0", "0.000000000"},
        {"two and a half", 2.50, "2.5", "2.500000000"},
        {"negative half", -0.5, "-0.5", "-0.500"},
        {"no binary noise", 123.456, "123.456", "123.4560000"},
        {"small value", 0.00123, "0.00123", "0.0012300"},
        {"eight digit integer", 12345678, "12345678", "12345678.00"},
        {"negative integer", -12345678, "-12345678", "-12345678.00"},
        {"exponent 11 rounds the mantissa", 1.23456789e11, "1.23457E+11", "1.23457E+11"},
        {"exponent -10 keeps its point", 1e-10, "1.E-10", "1.E-10"},
        {"exponent 12 keeps its point", 1e12, "1.E+12", "1.E+12"},
        {"mantissa below one", 9.996e11, "0.9996E+12", "0.9996E+12"},
        {"negative mantissa below one", -9.996e11, "-0.9996E+12", "-0.9996E+12"},
        {"exponent 10 integer part in full", 12345678901.0, "12345680000", "12345680000"},
        {"rounds up to exponent 10", 9.996e9, "9996000000", "9996000000"},
        {"rounds up to exponent 11", 9.996e10, "0.9996E+11", "0.9996E+11"},
        {"rounds up to exponent 0", 0.9996, "0.9996", "0.999600000"},
        {"exponent -9 fixed in 11 characters", 1e-9, "0.000000001", "1.E-09"},
        {"exponent -9 needing 12 characters", 1.5e-9, "1.5E-09", "1.5E-09"},
        {"rounds up to exponent -10", 9.996e-11, "0.9996E-10", "0.9996E-10"},
        {"exponent -10", 9.994e-10, "9.994E-10", "9.994E-10"},
        {"11 characters stay fixed", 0.001234567, "0.001234567", "1.23457E-03"},
        {"sign is not counted", -0.001234567, "-0.001234567", "-1.23457E-03"},
        {"12 characters go to exponent form", 0.0001234567, "1.23457E-04", "1.23457E-04"},
        {"digits of the single", 0.123456789123, "0.1234568", "0.123456800"},
        {"rounded to a single", 16777217.0, "16777220", "16777220.00"},
        {"half up on the decimal digits", 1.000005e-5f, "1.00001E-05", "1.00001E-05"},
        {"largest single", FLT_MAX, "3.40282E+38", "3.40282E+38"},
        {"smallest normal single", FLT_MIN, "1.17549E-38", "1.17549E-38"},
        {"smallest denormal", kDenormMin, "1.E-45", "1.E-45"},
        {"denormal", 1e-40f, "1.E-40", "1.E-40"},
        {"denormal whose digits lie a decade up", 7 * kDenormMin, "1.E-44", "1.E-44"},
        {"beyond the single range", 1e39, "1.E+39", "1.E+39"},
        {"negative beyond the single range", -1e39, "-1.E+39", "-1.E+39"},
        {"three exponent digits", DBL_MAX, "1.79769E+308", "1.79769E+308"},
        {"below the single range", 1e-50, "1.E-50", "1.E-50"},
        {"infinity", kInf, "INF", "INF"},
        {"negative infinity", -kInf, "-INF", "-INF"},
        {"NaN is a blank", kNaN, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.x), c.dropZeros);
        EXPECT_EQ(FormatNumber(c.x, 12, 6, true), c.keepZeros);
    }
}

// Computed values and statistics read back from a file show the same seven digits.
TEST(FormatNumber, SevenSignificantDigitsExceptExactIntegers) {
    struct Case { const char* name; double x; const char* dropZeros; const char* keepZeros; };
    const Case cases[] = {
        {"a third", 1 / 3.0, "0.3333333", "0.333333300"},
        {"a hundred thirds", 100 / 3.0, "33.33333", "33.33333000"},
        {"nine digit integer", 123456789, "123456800", "123456800.0"},
        {"eight digit integer beyond 2^24", 20240131, "20240130", "20240130.00"},
        {"largest exact integer", 16777215, "16777215", "16777215.00"},
        {"seven digits below one", 0.99999994f, "0.9999999", "0.999999900"},
        {"rounded from the single, not its shortest text", 0.00017559405f, "0.000175594", "1.75594E-04"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatNumber(c.x), c.dropZeros);
        EXPECT_EQ(FormatNumber(c.x, 12, 6, true), c.keepZeros);
    }
}

// Formatters against the reader over many singles of every magnitude.
TEST(NumberTextSweep, FormattersReadBack) {
    std::uint32_t state = 12345;
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        const float x = std::bit_cast<float>(state);
        if (!std::isfinite(x)) continue;
        ++checked;
        const double ulp = std::fabs(std::nextafter(x, INFINITY) - x);

        const std::string shortest = ShortestText(x);
        ASSERT_EQ(static_cast<float>(LeadingNumber(shortest)), x) << shortest;

        for (bool keepZeros : {false, true}) {
            const std::string cell = FormatNumber(x, 12, 6, keepZeros);
            ASSERT_LE(cell.size(), 12u) << cell;
            // Six significant digits: half a unit in the sixth is 5e-6 of the value.
            ASSERT_TRUE(Near(LeadingNumber(cell), x, 5.01e-6, ulp)) << cell;
        }

        const std::string general = GeneralText(x);
        ASSERT_TRUE(Near(LeadingNumber(general), x, 5.0001e-7, 0)) << general;
        ASSERT_EQ(LeadingNumber(PrintSingle(x)), LeadingNumber(general)) << PrintSingle(x);

        if (i % 16 == 0) {
            std::string spread;
            for (char ch : shortest) spread += std::string(1, ch) + " \t";
            ASSERT_EQ(LeadingNumber(spread), LeadingNumber(shortest)) << spread;
        }
    }
    EXPECT_GT(checked, 190000);
}

TEST(NumberTextSweep, DoubleGeneralTextReadsBack) {
    std::uint64_t state = 987654321;
    for (int i = 0; i < 50000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double x = std::bit_cast<double>(state);
        if (!std::isfinite(x) || std::fabs(x) < DBL_MIN) continue;
        const std::string general = GeneralText(x);
        ASSERT_TRUE(Near(LeadingNumber(general), x, 5.0001e-15, 0)) << general;
    }
}

// The one-pass reader of fixed forms agrees with CanonicalNumber on every text: a text it takes
// whole is canonical with the same double, one it leaves (or takes in part) is not a fixed form.
TEST(ReadFixedGeneralNumber, AgreesWithCanonicalNumberWhateverFollows) {
    const char* const texts[] = {
        "0", "-0", "00", "01", "0.5", "-0.5", "0.50", "0.0001", "0.00012", "0.0", "0.", ".5", "-.5",
        "12", "-12", "12.5", "12.50", "12.", "1.2.3", "123456789012345", "1234567890123456",
        "1.23456789012345", "1.234567890123456", "0.000123456789012345", "0.0001234567890123456",
        "2.5E-07", "1E+20", "12a", "-", "", " 1", "1 ", "9007199254740993", "100", "100.25",
    };
    for (const char* text : texts) {
        for (const char* after : {"", ",", "\r\n", " ,", "x", "5"}) {
            const std::string bytes = std::string(text) + after;
            SCOPED_TRACE("\"" + bytes + "\"");
            double value = 0;
            const std::size_t taken = ReadFixedGeneralNumber(bytes.data(), bytes.data() + bytes.size(), value);
            ASSERT_LE(taken, bytes.size());
            const auto canonical = CanonicalNumber(std::string_view(bytes).substr(0, taken));
            if (taken > 0) {
                ASSERT_TRUE(canonical);
                EXPECT_EQ(std::bit_cast<std::uint64_t>(*canonical), std::bit_cast<std::uint64_t>(value));
            }
            // A canonical text without an exponent is taken whole.
            const auto whole = CanonicalNumber(bytes);
            if (whole && bytes.find('E') == std::string::npos) {
                EXPECT_EQ(taken, bytes.size());
            }
        }
    }
}

TEST(ReadFixedGeneralNumber, TakesTheGeneralTextOfRandomDoubles) {
    std::uint64_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double x = static_cast<double>(static_cast<std::int64_t>(state >> 20) % 2000000001 - 1000000000) /
                         std::pow(10.0, static_cast<int>(state % 9));
        const std::string general = GeneralText(x) + ",";
        if (general.find('E') != std::string::npos) continue;
        double value = 0;
        ASSERT_EQ(ReadFixedGeneralNumber(general.data(), general.data() + general.size(), value), general.size() - 1)
            << general;
        EXPECT_EQ(value, *CanonicalNumber(std::string_view(general).substr(0, general.size() - 1))) << general;
    }
}

}  // namespace
}  // namespace zoriduvo

// Number texts of cells and files: reading the leading number of a text,
// rounding to 16- and 32-bit integers, the general and print forms, and the
// cell formatter. Every reader and writer goes through these; none formats
// numbers on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zoriduvo {

// The leading decimal number of a cell text. Blanks, tabs, CR and LF are
// skipped wherever they stand (" 1 2" reads 12, "1 e 5" reads 100000); "." is
// the decimal point; an exponent introduced by E/e or D/d may follow, with an
// optional sign ("1.5D3" = 1500, "-.5e" = -0.5, "1e+" = 1). Whatever follows
// the number is ignored ("12abc" = 12); a text without a leading number reads
// 0 ("abc", "", "-", "."). Magnitudes beyond the double range saturate to
// +-DBL_MAX; magnitudes below it read as 0. Never throws.
double LeadingNumber(std::string_view text);

// Narrows to a single without undefined behaviour: beyond the single range
// saturates to +-FLT_MAX, infinities and NaN stay what they are.
float ToSingle(double v);
// A statistic as its text shows it: the leading number as a single, and an infinity for the "INF"
// or "-INF" of a statistic that overflowed (its leading number would be 0).
float StatisticOfText(std::string_view text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). nullopt when the rounded value is out of range or v is not
// finite.
std::optional<std::int16_t> RoundToInt16(double v);
std::optional<std::int32_t> RoundToInt32(double v);

// General number text: at most 7 (single) or 15 (double) significant digits,
// trailing zeros dropped, fixed notation while the decimal exponent is in
// -5 < exp < digits, else "d.dddE+nn" with at least two exponent digits.
// Values below 1 keep their leading 0 ("0.5"). -0 gives "0", infinities
// "INF"/"-INF", NaN an empty text (a blank).
std::string GeneralText(float v);
std::string GeneralText(double v);
// The same into out, which holds kGeneralTextRoom bytes; returns its length. Cells make their texts
// this way, without a string.
inline constexpr std::size_t kGeneralTextRoom = 32;
std::size_t GeneralTextTo(double v, char* out);
// Its length, without writing it where that is quicker.
std::size_t GeneralTextSize(double v);
// GeneralTextSize(v) <= size, for most values with one check instead of a search for the shortest
// decimal: a reader after the longest text of many passes over the shorter ones quickly.
bool GeneralTextFits(double v, std::size_t size);

// The double whose general text is exactly text, if there is one: "12.5" and "1.5E-07" have it,
// "12.50", "1e-7", "-0", "007" and "abc" have not. LeadingNumber(text) reads the same double.
std::optional<double> CanonicalNumber(std::string_view text);
// The same for the fixed forms ("12.5", not "1.5E-07"), read from begin on in one pass: how many
// bytes the number takes, 0 for none. A text that ends where the number does is its general text.
std::size_t ReadFixedGeneralNumber(const char* begin, const char* end, double& value);

// Print forms of the system's text files: one space before a non-negative
// value (the minus sign otherwise), the text, one trailing space. Singles and
// doubles use the general text without the 0 before the point of values below
// 1 in magnitude: 0.5 -> " .5 ", -0.5 -> "-.5 ", 3 -> " 3 ".
std::string PrintInteger(long long v);
std::string PrintSingle(float v);
std::string PrintDouble(double v);

// The shortest decimal text that reads back as the same single ("0.1",
// "1E+20", "1.17549435E-38"). -0 gives "0", infinities "INF"/"-INF", NaN an
// empty text.
std::string ShortestText(float v);

// The number-to-cell-text formatter (every caller passes width 12 and 6
// digits). The value is taken as a single and shown with at most 7
// significant digits (1/3 -> "0.3333333", 100/3 -> "33.33333"), except an
// integral single below 2^24, which is exact and shows all its digits
// (12345678 -> "12345678"). keepZeros keeps the trailing zeros of the fixed
// form's decimals.
// Infinities give "INF"/"-INF", NaN an empty text; values the single range
// cannot hold are formatted from the double value by the same rules.
std::string FormatNumber(double x, int width = 12, int digits = 6, bool keepZeros = false);

}  // namespace zoriduvo

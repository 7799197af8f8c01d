#include "text/NumberText.h"

#include "text/Trim.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace zoriduvo {

namespace {

constexpr double kSingleMax = static_cast<double>(FLT_MAX);
constexpr double kSingleMin = static_cast<double>(FLT_MIN);
constexpr double kExactSingleIntegers = 16777216.0;  // 2^24
constexpr int kSingleDigits = 7;

// ---------------------------------------------------------------------------
// Leading-number scan

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What the scan learnt about the number besides its compact text; enough to
// tell an overflow from an underflow when the conversion only says "out of range".
struct NumberShape {
    bool hasDigits = false;
    bool nonzero = false;
    bool negative = false;
    long long leadExponent = 0;  // decimal exponent of the first nonzero digit, exponent part aside
    long long exponent = 0;      // exponent part, saturated
};

// Compact text on the stack; ordinary cell texts fit, longer ones go to the heap.
struct StackSink {
    char buf[96];
    std::size_t size = 0;
    bool overflow = false;
    void Put(char c) {
        if (size < sizeof buf)
            buf[size++] = c;
        else
            overflow = true;
    }
};

struct HeapSink {
    std::string text;
    void Put(char c) { text.push_back(c); }
};

// Writes the number at the start of text without blanks, in the form
// std::from_chars reads ("-12.5e-3"; no "+", "D" turned into "e"). A dangling
// exponent marker or sign is left out, so "1e+" yields "1".
template <class Sink>
NumberShape ScanNumber(std::string_view text, Sink& out) {
    NumberShape shape;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsWhiteSpace(text[i])) ++i;
    };

    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        shape.negative = text[i] == '-';
        ++i;
        skipBlanks();
    }
    if (shape.negative) out.Put('-');

    long long significantIntDigits = 0;
    while (i < n && IsDigit(text[i])) {
        out.Put(text[i]);
        shape.hasDigits = true;
        if (text[i] != '0') shape.nonzero = true;
        if (shape.nonzero) ++significantIntDigits;
        ++i;
        skipBlanks();
    }
    if (significantIntDigits > 0) shape.leadExponent = significantIntDigits - 1;

    if (i < n && text[i] == '.') {
        out.Put('.');
        ++i;
        skipBlanks();
        long long place = 0;
        while (i < n && IsDigit(text[i])) {
            out.Put(text[i]);
            shape.hasDigits = true;
            ++place;
            if (text[i] != '0' && !shape.nonzero) {
                shape.nonzero = true;
                shape.leadExponent = -place;
            }
            ++i;
            skipBlanks();
        }
    }
    if (!shape.hasDigits) return shape;

    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        skipBlanks();
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
            skipBlanks();
        }
        bool exponentDigits = false;
        long long value = 0;
        while (i < n && IsDigit(text[i])) {
            exponentDigits = true;
            // Saturation far beyond any exponent the double range needs.
            if (value < 1000000000) value = value * 10 + (text[i] - '0');
            ++i;
            skipBlanks();
        }
        if (exponentDigits) {
            shape.exponent = negativeExponent ? -value : value;
            char digits[24];
            const auto res = std::to_chars(digits, digits + sizeof digits, shape.exponent);
            out.Put('e');
            for (const char* p = digits; p != res.ptr; ++p) out.Put(*p);
        }
    }
    return shape;
}

// ---------------------------------------------------------------------------
// Decimal digit strings: value = d[0].d[1]d[2]... x 10^exp, no leading or
// trailing zeros; n == 0 is zero.

struct Decimal {
    char d[40];
    int n = 0;
    int exp = 0;
};

void StripTrailingZeros(Decimal& r) {
    while (r.n > 0 && r.d[r.n - 1] == '0') --r.n;
    if (r.n == 0) r.exp = 0;
}

// Reads the output of std::to_chars in scientific form ("1.25e-03", "5e+00").
Decimal FromScientific(const char* first, const char* last) {
    Decimal r;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p)
        if (IsDigit(*p) && r.n < static_cast<int>(sizeof r.d)) r.d[r.n++] = *p;
    if (p != last) {
        ++p;
        const bool negative = p != last && *p == '-';
        if (p != last && (*p == '+' || *p == '-')) ++p;
        int value = 0;
        std::from_chars(p, last, value);
        r.exp = negative ? -value : value;
    }
    if (r.n > 0 && r.d[0] == '0') r.n = 0;  // to_chars writes zero as "0e+00"
    StripTrailingZeros(r);
    return r;
}

Decimal ShortestDecimal(float v) {
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    return FromScientific(buf, res.ptr);
}

Decimal ShortestDecimal(double v) {
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    return FromScientific(buf, res.ptr);
}

// v (finite, >= 0) correctly rounded to `significant` digits.
Decimal RoundedDecimal(double v, int significant) {
    char buf[48];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
    return FromScientific(buf, res.ptr);
}

// Decimal places the digits need (0 for integers).
int DecimalPlaces(const Decimal& r) { return r.n == 0 ? 0 : std::max(0, r.n - 1 - r.exp); }

// Rounds half up on the digit string (not on a binary value) to `places`
// decimal places.
void RoundToPlaces(Decimal& r, int places) {
    if (r.n == 0) return;
    const long long keep = static_cast<long long>(r.exp) + places + 1;
    if (keep >= r.n) return;
    if (keep < 0) {
        r.n = 0;
        r.exp = 0;
        return;
    }
    const bool up = r.d[keep] >= '5';
    r.n = static_cast<int>(keep);
    if (up) {
        int i = r.n - 1;
        while (i >= 0 && r.d[i] == '9') --i;
        if (i < 0) {
            r.d[0] = '1';
            r.n = 1;
            ++r.exp;
        } else {
            ++r.d[i];
            r.n = i + 1;
        }
    }
    StripTrailingZeros(r);
}

// Integer part in full (at least "0"), the point, then `places` decimals, or
// only up to the last nonzero one when keepZeros is false. The point is
// always written; callers drop it when it ends up last.
void AppendFixed(std::string& out, const Decimal& r, int places, bool keepZeros) {
    if (r.n == 0 || r.exp < 0) {
        out.push_back('0');
    } else {
        for (int i = 0; i <= r.exp; ++i) out.push_back(i < r.n ? r.d[i] : '0');
    }
    out.push_back('.');
    const int shown = keepZeros ? places : std::min(places, DecimalPlaces(r));
    for (int j = 1; j <= shown; ++j) {
        const long long index = static_cast<long long>(r.exp) + j;
        out.push_back(index >= 0 && index < r.n ? r.d[index] : '0');
    }
}

// "E", the sign, at least two digits.
void AppendExponent(std::string& out, int e) {
    out.push_back('E');
    out.push_back(e < 0 ? '-' : '+');
    const int magnitude = std::abs(e);
    if (magnitude < 10) out.push_back('0');
    char buf[12];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
    out.append(buf, res.ptr);
}

void DropTrailingPoint(std::string& s) {
    if (!s.empty() && s.back() == '.') s.pop_back();
}

// The general text: `significant` digits, fixed while -5 < exponent < significant.
std::string General(double v, int significant) {
    if (std::isnan(v)) return {};
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";
    // The shortest text that reads back as v is its rounding to `significant` digits whenever it
    // has no more digits than that (a double is far finer than 15 digits); it is much quicker to
    // make. Not so below the normal range, where a double is coarser.
    Decimal r;
    if (std::fabs(v) >= DBL_MIN) r = ShortestDecimal(std::fabs(v));
    if (r.n == 0 || r.n > significant) r = RoundedDecimal(std::fabs(v), significant);
    std::string out;
    if (v < 0) out.push_back('-');
    if (r.exp > -5 && r.exp < significant) {
        AppendFixed(out, r, DecimalPlaces(r), false);
        DropTrailingPoint(out);
    } else {
        out.push_back(r.d[0]);
        if (r.n > 1) {
            out.push_back('.');
            out.append(r.d + 1, r.d + r.n);
        }
        AppendExponent(out, r.exp);
    }
    return out;
}

// Print form of a general text: sign position and no 0 before the point.
std::string PrintGeneral(std::string text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.size() > digits + 1 && text[digits] == '0' && text[digits + 1] == '.')
        text.erase(digits, 1);
    if (!negative) text.insert(text.begin(), ' ');
    text.push_back(' ');
    return text;
}

template <class Int>
std::optional<Int> RoundHalfEven(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double floor = std::floor(v);
    const double fraction = v - floor;  // exact below 2^52; 0 above
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0)) rounded = floor + 1;
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    StackSink fast;
    const NumberShape shape = ScanNumber(text, fast);
    if (!shape.hasDigits || !shape.nonzero) return 0.0;

    const char* first = fast.buf;
    const char* last = fast.buf + fast.size;
    HeapSink slow;
    if (fast.overflow) {
        ScanNumber(text, slow);
        first = slow.text.data();
        last = first + slow.text.size();
    }

    double value = 0.0;
    const auto res = std::from_chars(first, last, value);
    if (res.ec == std::errc::result_out_of_range) {
        if (shape.leadExponent + shape.exponent <= 0) return 0.0;  // below the double range
        return shape.negative ? -DBL_MAX : DBL_MAX;
    }
    if (res.ec != std::errc{} || value == 0) return 0.0;
    return value;
}

float ToSingle(double v) {
    if (v > kSingleMax && !std::isinf(v)) return FLT_MAX;
    if (v < -kSingleMax && !std::isinf(v)) return -FLT_MAX;
    return static_cast<float>(v);
}

float StatisticOfText(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed == "INF") return std::numeric_limits<float>::infinity();
    if (trimmed == "-INF") return -std::numeric_limits<float>::infinity();
    return ToSingle(LeadingNumber(trimmed));
}

std::optional<std::int16_t> RoundToInt16(double v) { return RoundHalfEven<std::int16_t>(v); }
std::optional<std::int32_t> RoundToInt32(double v) { return RoundHalfEven<std::int32_t>(v); }

std::string GeneralText(float v) { return General(static_cast<double>(v), 7); }

namespace {

// Powers of ten a double holds exactly.
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A value from 0.0001 up to 10^15 that is a decimal of at most 15 digits (what files and typing
// give), as its digits and the fewest decimal places for which digits / 10^places reads back as the
// value. Such a decimal is the value's rounding to 15 digits, so its text is the one General makes,
// without going through a scientific text.
struct ShortDecimal {
    std::uint64_t digits;
    int places;
};

// The digits of magnitude with that many decimal places, when they read back as it exactly; scaled
// is magnitude * 10^places, below 10^15.
std::optional<std::uint64_t> DigitsReadingBack(double magnitude, double scaled, int places) {
    // Below 10^15 the nearest whole number is exact and the conversion inline.
    const auto digits = static_cast<std::uint64_t>(scaled + 0.5);
    const auto whole = static_cast<double>(digits);
    // Close enough to a whole number to be worth the exact check: the digits and the power are
    // exact, so the one division rounds as reading the decimal does.
    if (std::fabs(scaled - whole) <= scaled * 5e-16 && whole / kExactTens[places] == magnitude) return digits;
    return std::nullopt;
}

std::optional<ShortDecimal> ShortDecimalOf(double v) {
    const double magnitude = std::fabs(v);
    if (!(magnitude >= 1e-4 && magnitude < 1e15)) return std::nullopt;
    for (int k = 0; k <= 18; ++k) {
        const double scaled = magnitude * kExactTens[k];
        if (scaled >= 1e15) return std::nullopt;
        if (const auto digits = DigitsReadingBack(magnitude, scaled, k)) return ShortDecimal{*digits, k};
    }
    return std::nullopt;
}

int DigitCount(std::uint64_t digits) {
    int count = 1;
    while (digits >= 10) digits /= 10, ++count;
    return count;
}

// The general text of a short decimal; 0 when the value is none.
std::size_t ShortDecimalText(double v, char* out) {
    const auto decimal = ShortDecimalOf(v);
    if (!decimal) return 0;
    const int k = decimal->places;
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, decimal->digits).ptr;
    const int count = static_cast<int>(end - digits);
    char* p = out;
    if (v < 0) *p++ = '-';
    if (count > k)
        p = std::copy(digits, digits + (count - k), p);
    else
        *p++ = '0';
    if (k > 0) {
        *p++ = '.';
        p = std::fill_n(p, std::max(k - count, 0), '0');
        p = std::copy(end - std::min(k, count), end, p);
    }
    return static_cast<std::size_t>(p - out);
}

}  // namespace

std::size_t GeneralTextSize(double v) {
    if (const auto decimal = ShortDecimalOf(v)) {
        const int count = DigitCount(decimal->digits), k = decimal->places;
        return static_cast<std::size_t>((v < 0) + std::max(count - k, 1) + (k > 0 ? 1 + k : 0));
    }
    char text[kGeneralTextRoom];
    return GeneralTextTo(v, text);
}

bool GeneralTextFits(double v, std::size_t size) {
    const double magnitude = std::fabs(v);
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        int wholeDigits = 1;
        while (magnitude >= kExactTens[wholeDigits]) ++wholeDigits;
        // With k decimal places the text takes sign, whole digits, and for k > 0 a point and k digits.
        // If the value reads back from `places` places, ShortDecimalOf finds at most that many.
        const auto fixed = static_cast<std::size_t>(v < 0) + static_cast<std::size_t>(wholeDigits);
        if (size >= fixed) {
            int places = size == fixed ? 0 : static_cast<int>(std::min<std::size_t>(size - fixed - 1, 18));
            while (places > 0 && magnitude * kExactTens[places] >= 1e15) --places;
            const double scaled = magnitude * kExactTens[places];
            if (scaled < 1e15 && DigitsReadingBack(magnitude, scaled, places)) return true;
        }
    }
    return GeneralTextSize(v) <= size;
}

std::size_t GeneralTextTo(double v, char* out) {
    if (const std::size_t length = ShortDecimalText(v, out)) return length;
    const std::string text = General(v, 15);
    std::copy(text.begin(), text.end(), out);
    return text.size();
}

std::string GeneralText(double v) {
    char text[kGeneralTextRoom];
    return std::string(text, GeneralTextTo(v, text));
}

namespace {

// The fixed form of a general text from begin on: an optional minus, "0" or an integer without
// leading zeros, and decimals without trailing zeros; at most 15 significant digits, and below 1 at
// most three zeros after the point. Such a text is the general text of the double nearest to it,
// since 15 digits survive the trip through a double; others are checked the slow way. Returns how
// many bytes the number takes, 0 for none; a text is one when the number takes all of it.
std::size_t ReadFixedGeneral(const char* const begin, const char* const end, double& out) {
    const char* p = begin;
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    if (p == end || !IsDigit(*p)) return 0;
    std::uint64_t digits = 0;
    int significant = 0, decimalPlaces = 0;
    if (*p == '0') {
        ++p;
        if (p == end || *p != '.') {  // "0", not "-0"
            if (negative) return 0;
            out = 0.0;
            return 1;
        }
        ++p;
        while (p != end && *p == '0') ++decimalPlaces, ++p;
        if (decimalPlaces > 3 || p == end || !IsDigit(*p)) return 0;
    } else {
        for (; p != end && IsDigit(*p) && significant <= 15; ++p, ++significant) digits = digits * 10 + (*p - '0');
        if (p != end && IsDigit(*p)) return 0;
        if (p != end && *p == '.') {
            ++p;
            if (p == end || !IsDigit(*p)) return 0;
        }
    }
    const char* const decimals = p;
    for (; p != end && IsDigit(*p) && significant <= 15; ++p, ++significant, ++decimalPlaces)
        digits = digits * 10 + (*p - '0');
    if (significant > 15 || (p != end && IsDigit(*p))) return 0;
    if (decimals != p && p[-1] == '0') return 0;
    // Digits and power of ten are exact, so the one division rounds correctly, as from_chars does.
    const double magnitude = static_cast<double>(digits) / kExactTens[decimalPlaces];
    out = negative ? -magnitude : magnitude;
    return static_cast<std::size_t>(p - begin);
}

std::optional<double> FixedGeneralNumber(std::string_view text) {
    double value = 0;
    const std::size_t taken = ReadFixedGeneral(text.data(), text.data() + text.size(), value);
    if (taken == 0 || taken != text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> CanonicalNumber(std::string_view text) {
    if (auto value = FixedGeneralNumber(text)) return value;
    // The exponent form "d.ddE+nn" or "-d.ddE+nn", which starts with a digit (so "INF" and a word
    // with an E are texts, without reading them).
    if (text.size() < 5 || !IsDigit(text[text[0] == '-']) || text.find('E') == std::string_view::npos)
        return std::nullopt;
    const double value = LeadingNumber(text);
    if (GeneralText(value) != text) return std::nullopt;
    return value;
}

std::size_t ReadFixedGeneralNumber(const char* begin, const char* end, double& value) {
    return ReadFixedGeneral(begin, end, value);
}

std::string PrintInteger(long long v) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string out;
    if (v >= 0) out.push_back(' ');
    out.append(buf, res.ptr);
    out.push_back(' ');
    return out;
}

std::string PrintSingle(float v) { return PrintGeneral(GeneralText(v)); }
std::string PrintDouble(double v) { return PrintGeneral(GeneralText(v)); }

std::string ShortestText(float v) {
    if (std::isnan(v)) return {};
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string out(buf, res.ptr);
    std::replace(out.begin(), out.end(), 'e', 'E');
    return out;
}

std::string FormatNumber(double x, int width, int digits, bool keepZeros) {
    if (std::isnan(x)) return {};
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    // Every caller passes 12 and 6; the clamps only keep odd arguments harmless.
    width = std::clamp(width, 1, 400);
    digits = std::clamp(digits, 1, 30);

    const double magnitude = std::fabs(x);

    // The digits of the single; values the single range loses entirely
    // (overflow, or underflow to 0) keep the double's digits instead.
    Decimal m;
    double value = magnitude;
    bool exact = false;
    if (magnitude != 0) {
        const float s = ToSingle(magnitude);
        const bool single = magnitude <= kSingleMax && s != 0;
        if (single) value = s;
        m = single ? ShortestDecimal(s) : ShortestDecimal(magnitude);
        exact = single && s < kExactSingleIntegers && std::floor(s) == s;
    }
    // The fixed forms show 7 significant digits, rounded from the value itself
    // so they match the single's print form, or every digit of an exact
    // integral single below 2^24.
    const auto fixedDigits = [&] { return exact ? m : RoundedDecimal(value, kSingleDigits); };

    // e: the exponent of x rounded to 3 significant digits, so 9.996E11
    // counts as 12. When m lies within a normal single's precision of x, only
    // digits beginning with 99 can round up into the next decade; the others
    // take m's exponent without a second conversion.
    int e = m.exp;
    const bool closeToX = magnitude >= kSingleMin;
    if (!closeToX || (m.n >= 2 && m.d[0] == '9' && m.d[1] == '9'))
        e = RoundedDecimal(magnitude, 3).exp;

    std::string out;
    if (x < 0) out.push_back('-');
    const std::size_t body = out.size();

    bool scientific = e > width - 2 || e < 3 - width;
    if (!scientific && e >= 0) {
        const int places = std::max(0, width - 3 - e);
        Decimal r = fixedDigits();
        RoundToPlaces(r, places);
        AppendFixed(out, r, places, keepZeros);
    } else if (!scientific) {
        const Decimal r = fixedDigits();
        AppendFixed(out, r, 2 + DecimalPlaces(r), keepZeros);
        if (out.size() - body >= static_cast<std::size_t>(width)) {
            out.resize(body);
            scientific = true;
        }
    }
    if (scientific) {
        Decimal mantissa = m;
        if (mantissa.n > 0) mantissa.exp -= e;
        // A denormal's few digits can lie a decade above x's own (7 x the
        // smallest denormal, 9.81E-45, reads back from "1E-44"); keep one
        // integer digit by moving such a mantissa into the exponent.
        if (mantissa.exp > 0) {
            e += mantissa.exp;
            mantissa.exp = 0;
        }
        RoundToPlaces(mantissa, digits - 1);
        AppendFixed(out, mantissa, digits - 1, false);
        AppendExponent(out, e);
    }
    DropTrailingPoint(out);
    return out;
}

}  // namespace zoriduvo

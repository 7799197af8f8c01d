// The deterministic value texts of the benchmark sets, shared by gen_data and core_bench so that
// both measure the same data: 1 to 7 significant digits, about 3 % blanks, some negatives and
// some exponents.
#pragma once
#include <cstdint>
#include <string>

namespace zoriduvo::bench {

class Lcg {
public:
    explicit Lcg(std::uint64_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint64_t state_;
};

// The stream of one set: the same sizes give the same values.
inline Lcg SetStream(int cases, int variables) {
    return Lcg(20261207u + static_cast<unsigned>(cases) * 31u + static_cast<unsigned>(variables));
}

inline std::string ValueText(Lcg& random) {
    if (random.below(100) < 3) return "";
    const int digits = 1 + random.below(7);
    std::string mantissa;
    for (int i = 0; i < digits; ++i) mantissa += static_cast<char>('0' + (i == 0 ? 1 + random.below(9) : random.below(10)));
    const int point = random.below(digits + 1);
    std::string text = mantissa.substr(0, point == 0 ? 1 : point);
    if (point > 0 && point < digits) text.append(1, '.').append(mantissa, point);
    else if (point == 0 && digits > 1) text.append(1, '.').append(mantissa, 1);
    if (random.below(10) == 0) text.append(1, 'E').append(std::to_string(random.below(11) - 5));
    if (random.below(5) == 0) text.insert(text.begin(), '-');
    return text;
}

}  // namespace zoriduvo::bench

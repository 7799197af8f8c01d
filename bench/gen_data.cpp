// Deterministic test sets for the benchmarks: CSV with a header row and a case-name column.
// Values have 1 to 7 significant digits; about 3 % of the cells are blank; some values are
// negative and some carry exponents.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
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

std::string Value(Lcg& random) {
    if (random.below(100) < 3) return "";
    const int digits = 1 + random.below(7);
    std::string mantissa;
    for (int i = 0; i < digits; ++i) mantissa += static_cast<char>('0' + (i == 0 ? 1 + random.below(9) : random.below(10)));
    const int point = random.below(digits + 1);
    std::string text = mantissa.substr(0, point == 0 ? 1 : point);
    if (point > 0 && point < digits) text += "." + mantissa.substr(point);
    else if (point == 0 && digits > 1) text += "." + mantissa.substr(1);
    if (random.below(10) == 0) text += "E" + std::to_string(random.below(11) - 5);
    if (random.below(5) == 0) text = "-" + text;
    return text;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: gen_data CASES VARIABLES OUT.csv\n");
        return 2;
    }
    const int cases = std::atoi(argv[1]), variables = std::atoi(argv[2]);
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out || cases < 1 || variables < 1) return 1;
    Lcg random(20261207u + static_cast<unsigned>(cases) * 31u + static_cast<unsigned>(variables));
    for (int v = 1; v <= variables; ++v) std::fprintf(out, ",V%d", v);
    std::fputs("\r\n", out);
    for (int c = 1; c <= cases; ++c) {
        std::fprintf(out, "C%d", c);
        for (int v = 1; v <= variables; ++v) std::fprintf(out, ",%s", Value(random).c_str());
        std::fputs("\r\n", out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

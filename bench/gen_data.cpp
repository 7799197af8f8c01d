// Deterministic test sets for the benchmarks: CSV with a header row and a case-name column.
// Values have 1 to 7 significant digits; about 3 % of the cells are blank; some values are
// negative and some carry exponents.
#include <cstdio>
#include <cstdlib>

#include "BenchValues.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: gen_data CASES VARIABLES OUT.csv\n");
        return 2;
    }
    const int cases = std::atoi(argv[1]), variables = std::atoi(argv[2]);
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out || cases < 1 || variables < 1) return 1;
    auto random = zoriduvo::bench::SetStream(cases, variables);
    for (int v = 1; v <= variables; ++v) std::fprintf(out, ",V%d", v);
    std::fputs("\r\n", out);
    for (int c = 1; c <= cases; ++c) {
        std::fprintf(out, "C%d", c);
        for (int v = 1; v <= variables; ++v) std::fprintf(out, ",%s", zoriduvo::bench::ValueText(random).c_str());
        std::fputs("\r\n", out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

// The practical floor for reading and writing the system's text files on this machine:
// split a file into comma-separated fields and convert each with strtof (or std::from_chars to a
// double, the fastest conversion the library has), or write as many fields with snprintf("%g").
// Benchmarks report their figures as ratios to these.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {
int ReadFloor(const char* path, bool fromChars) {
    // One read of the whole file: a floor read through a stream iterator would flatter the ratios.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    double sum = 0;
    long fields = 0;
    char field[128];
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\n' && bytes[i] != '\r') continue;
        // CR LF ends one line, not two fields; a file that ends with its line end has no field after it.
        if (i < bytes.size() && bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r') {
            start = i + 1;
            continue;
        }
        if (i == bytes.size() && start == i && i > 0) break;
        const std::size_t n = std::min<std::size_t>(i - start, sizeof field - 1);
        std::memcpy(field, bytes.data() + start, n);
        field[n] = '\0';
        if (fromChars) {
            double value = 0;
            std::from_chars(field, field + n, value);
            sum += value;
        } else {
            sum += std::strtof(field, nullptr);
        }
        ++fields;
        start = i + 1;
    }
    std::printf("%ld fields, sum %g\n", fields, sum);
    return 0;
}

int WriteFloor(long fields, long perLine, const char* path) {
    std::FILE* out = std::fopen(path, "wb");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    char text[64];
    unsigned state = 12345;
    for (long i = 0; i < fields; ++i) {
        state = state * 1103515245u + 12345u;
        const float value = static_cast<float>(state >> 8) / 4096.0f;
        const int n = std::snprintf(text, sizeof text, "%g", value);
        std::fwrite(text, 1, static_cast<std::size_t>(n), out);
        std::fputs((i + 1) % perLine == 0 ? "\r\n" : ",", out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "read") == 0) return ReadFloor(argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "read-fc") == 0) return ReadFloor(argv[2], true);
    if (argc == 5 && std::strcmp(argv[1], "write") == 0)
        return WriteFloor(std::atol(argv[2]), std::max(1L, std::atol(argv[3])), argv[4]);
    std::fprintf(stderr, "usage: floor read|read-fc FILE | floor write FIELDS PER_LINE FILE\n");
    return 2;
}

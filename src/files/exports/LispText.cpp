#include "files/exports/LispText.h"

namespace zoriduvo {

namespace {

constexpr char kEscape = '\\';

bool IsSyntax(unsigned char byte) {
    return byte <= ' ' || byte == 0x7F ||
           std::string_view("()'`,;\"#|\\:").find(static_cast<char>(byte)) != std::string_view::npos;
}

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// What a number may begin with: a token starting otherwise is never read as one.
bool MayBeginNumber(unsigned char byte) {
    return (byte >= '0' && byte <= '9') ||
           std::string_view("+-.^_").find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

std::string LispString(std::string_view cp932) {
    std::string out = "\"";
    for (const char byte : cp932) {
        if (byte == '"' || byte == kEscape) out.push_back(kEscape);
        out.push_back(byte);
    }
    out.push_back('"');
    return out;
}

std::string LispSymbol(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + 2);
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (IsLeadByte(byte) && i + 1 < cp932.size()) {
            out.push_back(cp932[i]);
            if (IsSyntax(static_cast<unsigned char>(cp932[++i]))) out.push_back(kEscape);
            out.push_back(cp932[i]);
            continue;
        }
        if (IsSyntax(byte) || (i == 0 && MayBeginNumber(byte))) out.push_back(kEscape);
        out.push_back(cp932[i]);
    }
    return out;
}

}  // namespace zoriduvo

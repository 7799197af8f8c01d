#include "files/Cp932.h"
#include "text/Utf8.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace zoriduvo {

namespace {
// Single bytes that iconv's table leaves out and the Windows code page maps, both ways.
struct ExtraByte {
    std::string_view cp932, utf8;
};
constexpr ExtraByte kExtraBytes[] = {
    {"\x80", "\u0080"}, {"\xA0", "\u00A0"}, {"\xFD", "\uF8F0"}, {"\xFE", "\uF8F1"}, {"\xFF", "\uF8F2"},
};

const ExtraByte* ExtraByteAt(std::string_view rest, bool fromCp932) {
    for (const ExtraByte& extra : kExtraBytes)
        if (rest.starts_with(fromCp932 ? extra.cp932 : extra.utf8)) return &extra;
    return nullptr;
}
}  // namespace

Cp932Converter::Cp932Converter(Direction direction) {
    const bool toUtf8 = direction == Direction::ToUtf8;
    iconv_t cd = iconv_open(toUtf8 ? "UTF-8" : "CP932", toUtf8 ? "CP932" : "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP932 table");
    descriptor_ = cd;
    toUtf8_ = toUtf8;
}

Cp932Converter::~Cp932Converter() { iconv_close(static_cast<iconv_t>(descriptor_)); }

namespace {
bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }
// A lead byte of code page 932, whose character takes the byte after it too.
bool IsLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
// The end of the run of non-ASCII characters of code page 932 that starts at from: the next
// character that is ASCII. A lead byte takes its trail byte along, whatever that is.
std::size_t EndOfCp932Run(std::string_view in, std::size_t from) {
    std::size_t i = from;
    while (i < in.size() && IsHigh(in[i])) i += IsLeadByte(in[i]) ? 2 : 1;
    return std::min(i, in.size());
}
}  // namespace

bool Cp932Converter::convert(std::string_view in, std::string& out, std::size_t* badOffset) {
    // ASCII is the same in both codes: most lines of a data file never reach iconv.
    if (IsAscii(in)) {
        out.append(in);
        return true;
    }
    if (!toUtf8_) return convertRun(in, out, badOffset);
    // From code page 932 only the runs of other characters go through iconv, which keeps no state
    // between characters: the output takes what it holds, not twice the input, and ASCII is copied.
    // A character takes at most three bytes for its one or two, the room a run asks beyond.
    std::size_t high = 0, longest = 0;
    for (std::size_t i = 0; i < in.size();) {
        if (!IsHigh(in[i])) {
            ++i;
            continue;
        }
        const std::size_t end = EndOfCp932Run(in, i);
        high += end - i;
        longest = std::max(longest, end - i);
        i = end;
    }
    out.reserve(out.size() + in.size() + 2 * high + 2 * longest + 16);
    for (std::size_t i = 0; i < in.size();) {
        std::size_t ascii = i;
        while (ascii < in.size() && !IsHigh(in[ascii])) ++ascii;
        out.append(in.substr(i, ascii - i));
        if (ascii == in.size()) break;
        const std::size_t end = EndOfCp932Run(in, ascii);
        std::size_t bad = 0;
        if (!convertRun(in.substr(ascii, end - ascii), out, &bad)) {
            if (badOffset) *badOffset = ascii + bad;
            return false;
        }
        i = end;
    }
    return true;
}

bool Cp932Converter::convertRun(std::string_view in, std::string& out, std::size_t* badOffset) {
    auto cd = static_cast<iconv_t>(descriptor_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    const std::size_t start = out.size();
    std::size_t used = start;
    out.resize(start + in.size() * 2 + 16);
    for (;;) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        const std::size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        const std::size_t offset = in.size() - srcLeft;
        const ExtraByte* extra = ExtraByteAt(in.substr(offset), toUtf8_);
        if (!extra) {
            out.resize(used);
            if (badOffset) *badOffset = offset;
            return false;
        }
        const std::string_view from = toUtf8_ ? extra->cp932 : extra->utf8;
        const std::string_view to = toUtf8_ ? extra->utf8 : extra->cp932;
        if (out.size() - used < to.size()) out.resize(out.size() * 2 + to.size());
        out.replace(used, to.size(), to);
        used += to.size();
        src += from.size();
        srcLeft -= from.size();
    }
    out.resize(used);
    return true;
}

std::optional<std::string> Cp932ToUtf8(std::string_view bytes, std::size_t* badOffset) {
    Cp932Converter converter(Cp932Converter::Direction::ToUtf8);
    std::string out;
    if (!converter.convert(bytes, out, badOffset)) return std::nullopt;
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view text, std::size_t* badOffset) {
    Cp932Converter converter(Cp932Converter::Direction::FromUtf8);
    std::string out;
    if (!converter.convert(text, out, badOffset)) return std::nullopt;
    return out;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Bytes that read as they are: marked UTF-8, ASCII (the same in both codes) or unmarked UTF-8.
bool ReadsAsUtf8(std::string_view bytes) {
    return bytes.substr(0, 3) == kByteOrderMark || IsAscii(bytes) || IsValidUtf8(bytes);
}

}  // namespace

bool DecodeForeignTextInPlace(std::string& bytes, std::size_t* badOffset) {
    const std::string_view view = bytes;
    if (view.substr(0, 3) == kByteOrderMark) {
        const std::size_t bad = FirstInvalidUtf8(view.substr(3));
        if (bad != std::string_view::npos) {
            if (badOffset) *badOffset = bad + 3;
            return false;
        }
        bytes.erase(0, 3);
        return true;
    }
    if (ReadsAsUtf8(view)) return true;
    auto text = Cp932ToUtf8(view, badOffset);
    if (!text) return false;
    bytes = std::move(*text);
    return true;
}

std::optional<std::string> DecodeForeignText(std::string_view bytes, std::size_t* badOffset) {
    // The code page's text is converted from where it stands, without a copy of its bytes first.
    if (!ReadsAsUtf8(bytes)) return Cp932ToUtf8(bytes, badOffset);
    std::string text(bytes);
    if (!DecodeForeignTextInPlace(text, badOffset)) return std::nullopt;
    return text;
}

bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") return true;
    // Without a mark: text that starts with ASCII in UTF-16 has NUL in every other byte of its first
    // characters. NUL bytes further on are a cell's or a name's own, which our files carry.
    if (bytes.size() < 8) return false;
    bool low = true, high = true;
    for (std::size_t i = 0; i < 8; ++i) {
        const bool nul = bytes[i] == '\0';
        low = low && nul == (i % 2 == 1);
        high = high && nul == (i % 2 == 0);
    }
    return low || high;
}

std::string WritableInFile(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        std::size_t bad = text.size();
        if (Utf8ToCp932(text, &bad)) bad = text.size();
        bad = std::min(bad, text.find_first_of("\"\r\n"));
        out.append(text.substr(0, bad));
        if (bad == text.size()) break;
        out.push_back('?');
        text.remove_prefix(bad + std::max<std::size_t>(CharacterAt(text, bad).size(), 1));
    }
    return out;
}

int LineOfOffset(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    return line;
}

std::string CharacterAt(std::string_view text, std::size_t offset) {
    if (offset >= text.size()) return {};
    const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[offset]));
    return std::string(text.substr(offset, std::max<std::size_t>(length, 1)));
}

}  // namespace zoriduvo

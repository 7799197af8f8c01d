#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace zoriduvo {

// Conversions between the program's UTF-8 text and code page 932, the code of the system's files
// (the vendor table, which holds characters such as ① and ～ that strict Shift-JIS refuses).
// The single bytes 0x80, 0xA0 and 0xFD-0xFF, outside iconv's table, are U+0080, U+00A0 and
// U+F8F0-U+F8F2 as in the Windows code page. One converter keeps its iconv descriptor, so that
// converting a file line by line stays cheap.
class Cp932Converter {
public:
    enum class Direction { ToUtf8, FromUtf8 };
    explicit Cp932Converter(Direction direction);
    ~Cp932Converter();
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

    // Appends the converted text to out. On a character that has no place in the target code (or
    // bytes that are no character of the source code) returns false with its offset in `in`;
    // out then holds the text before it.
    bool convert(std::string_view in, std::string& out, std::size_t* badOffset = nullptr);

private:
    // All of in through iconv, its gaps filled from the table of extra bytes.
    bool convertRun(std::string_view in, std::string& out, std::size_t* badOffset);

    void* descriptor_;
    bool toUtf8_;
};

std::optional<std::string> Cp932ToUtf8(std::string_view bytes, std::size_t* badOffset = nullptr);
std::optional<std::string> Utf8ToCp932(std::string_view text, std::size_t* badOffset = nullptr);

// Text the user brings from elsewhere: a byte-order mark, or bytes that are valid UTF-8 with some
// non-ASCII, mean UTF-8 (the mark is dropped); anything else is code page 932.
std::optional<std::string> DecodeForeignText(std::string_view bytes, std::size_t* badOffset = nullptr);
// The same where the bytes stand, so that a big file is not held twice; false leaves them as they were.
bool DecodeForeignTextInPlace(std::string& bytes, std::size_t* badOffset = nullptr);

// UTF-16 text, which the program does not read: a byte-order mark of UTF-16, or NUL in every other
// byte of the first four characters.
bool LooksLikeUtf16(std::string_view bytes);

// The text with each character code page 932 cannot hold, and each double quote or line break, as
// "?": for a text the program makes up from names the user did not type for it.
std::string WritableInFile(std::string_view text);

// The 1-based line of a byte offset (line ends before it + 1: CR LF, LF or CR).
int LineOfOffset(std::string_view bytes, std::size_t offset);
// The UTF-8 character that starts at offset, for messages.
std::string CharacterAt(std::string_view text, std::size_t offset);

}  // namespace zoriduvo

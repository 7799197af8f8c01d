// Texts as a Lisp reader that takes the file byte by byte reads them back. The escapes go on the
// code page 932 bytes: the second byte of a double-byte character may be "\", "|" or "`", which
// such a reader takes for syntax (表 is 0x95 0x5C).
#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

// A string literal: every "\" and quote byte escaped.
std::string LispString(std::string_view cp932);

// A symbol whose name is the text: every byte the reader takes for syntax (blanks and control
// bytes, ( ) ' ` , ; " # | \ and :) escaped, such second bytes of double-byte characters too, and
// the first byte where the text could read as a number. Empty for an empty text.
std::string LispSymbol(std::string_view cp932);

}  // namespace zoriduvo

// The field forms every text file of the system is written in: quoted and bare texts, commas
// between fields, CR LF line ends, code page 932. The native writer and every export share them.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/Cp932.h"
#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// Tells the place (in the user's words) of the character at a UTF-8 offset of a line.
using PlaceOf = std::function<std::string(std::size_t)>;

// A place that does not depend on the offset.
PlaceOf At(std::string place);

// ",", then the field.
void AddField(std::string& line, std::string_view field);
std::string Quoted(std::string_view text);

// The group line of the native file: G, the group sizes, V (one group of all cases without sizes).
std::string GroupLineOf(const FileImage& image);

// A bare text ends at the first of the form's separators; one of them in it, or a quote or line
// break, would shift the fields after it. One table look-up per byte, as every value passes here.
class BareText {
public:
    explicit BareText(std::string_view separators);
    bool holds(std::string_view text) const {
        for (unsigned char c : text)
            if (stops_[c]) return false;
        return true;
    }

private:
    bool stops_[256] = {};
};

// The code a text file is written in: code page 932, or UTF-8 where the user chose it for
// characters code page 932 cannot hold.
enum class TextCode { Cp932, Utf8 };

// Lines go out one by one in code page 932 (or as they are, in UTF-8) with CR LF; the first one
// that cannot is named by its place, and nothing more is written.
class LineSink {
public:
    explicit LineSink(std::string& out, TextCode code = TextCode::Cp932) : out_(out), code_(code) {}

    bool put(std::string_view line, const PlaceOf& where);
    // For forms that escape on the written bytes: a text in code page 932 appended to bytes, and a
    // line of such bytes put as it is.
    bool encode(std::string_view text, std::string& bytes, const PlaceOf& where);
    void putEncoded(std::string_view bytes);

    // A quoted text has no escaping: a double quote in it would end the field early and a line
    // break would end the line, so the file would read back with its fields shifted.
    bool checkQuoted(std::string_view text, const PlaceOf& where);
    // The form cannot hold the text as written (a separator in a bare text, a name that is no
    // symbol): the problem names where it stands.
    void refuse(std::string_view text, const std::string& where);

    std::optional<FileProblem> problem;

private:
    std::string& out_;
    TextCode code_;
    Cp932Converter converter_{Cp932Converter::Direction::FromUtf8};
};

}  // namespace zoriduvo

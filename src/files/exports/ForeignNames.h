// The names a data set of another program gives the sheet's variables and its case names.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileImage.h"

namespace zoriduvo {

// What a form takes for a variable name. Letters are ASCII ones, and any character beyond ASCII
// where nonAscii says so; names are told apart without regard to letter case.
struct NameRule {
    std::size_t maxCharacters;
    std::size_t maxBytes;
    bool nonAscii;
    std::string_view others;  // characters allowed after the first besides letters and digits
    std::string_view firsts;  // characters allowed first besides letters
    std::span<const std::string_view> reserved;
};

const NameRule& SpssNames();
const NameRule& StataNames();
const NameRule& TransportNames();

struct ForeignNames {
    std::string caseColumn;              // "case", or the first free name
    std::vector<std::string> variables;  // in order
    std::vector<std::string> changes;    // "old → new", one per variable renamed, for the notice
};

// A name the form cannot hold loses the characters it cannot hold, gets "V" before a first one
// that cannot begin a name (and "V" + its number when nothing is left), "_" after a reserved word,
// is cut to the form's length, and a name already taken gets the first free suffix _2, _3 ...
// Without a rule the names stay as they are and only the case column looks for a free name.
ForeignNames NamesForForm(const FileImage& image, const NameRule* rule);

// The longest start of text with at most maxCharacters characters and maxBytes bytes.
std::string_view CutText(std::string_view text, std::size_t maxCharacters, std::size_t maxBytes);

}  // namespace zoriduvo

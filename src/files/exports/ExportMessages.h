#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Message.h"

namespace zoriduvo {

// The texts of the export dialog and its refusals.
enum class ExportText {
    Title,
    BrowseFilter,
    HeaderWanted,    // a Mirv/B path that is no header file
    WrongExtension,  // a LispStat path with another extension
    TargetOpen,      // a path that is the file of an open sheet
    BlankCodeNote,   // %1 a blank code the Mirv/B import reads as a value
    NamesChanged,    // %1 how many changes, %2 one line each
    StringVariable,  // %1 the variable, %2 the case, %3 its value that is no number
    Count
};

Message MessageOf(ExportText text);
std::string TextOf(ExportText text, std::initializer_list<std::string_view> values = {});

}  // namespace zoriduvo

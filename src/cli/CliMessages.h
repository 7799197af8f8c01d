#pragma once
#include <initializer_list>
#include <string_view>

#include "platform/Message.h"

namespace zoriduvo {

// What the command line says of its own: usage errors and the refusals of its subcommands.
// "%1" and "%2" take the values given.
enum class CliMessage {
    NoCommand,
    ExtraArgument,   // %1 the argument
    UnknownCommand,  // %1 the command
    MissingValue,    // %1 the option
    UnknownOption,   // %1 the option
    FileCount,       // %1 the command, %2 the count
    UnknownFormat,   // %1 the format
    HalfRange,
    RangeNotAllowed,   // %1 the command
    OptionNeeded,      // %1 the command, %2 the option
    NotOurFormat,      // %1 the path
    UnknownVariable,   // %1 the name
    OneOfNeeded,       // %1 the command, %2 the options
    MissingVariable,   // %1 the name
    UnknownValue,      // %1 the option, %2 the value
    SeedNotNumber,     // %1 the value
    StatementRefused,  // %1 which -e, %2 the statement
    UnsavableName,     // %1 the character
    OutputFailed,
    NoPrintHelper,     // %1 the helper's path
    UnknownPlot,       // %1 the kind
    PlotVariable,      // %1 the name
    OutputForm,        // %1 the command, %2 the extension, %3 the path
    NoSuchVariable,    // %1 the name
    VariableCount,     // %1 the command, %2 the count
    OutputIsInput,     // %1 the path
    UnsavableText,     // %1 what, %2 the text, %3 the character
    OptionTwice,       // %1 the option
    OptionNotRead,     // %1 the option, %2 the layout
    RepeatedVariable,  // %1 the name
    EncodingForm,      // --encoding with another form than data-csv
    BadCellLine,       // %1 the file, %2 the line number
    GroupSizes,        // %1 the sizes, %2 the case count
    Count
};

Message MessageOf(CliMessage code, std::initializer_list<std::string_view> values = {});

}  // namespace zoriduvo

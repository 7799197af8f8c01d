#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

// The options a subcommand takes, as bits.
enum CliOption : unsigned {
    kFormatOption = 1,      // --to FORMAT
    kRangeOption = 2,       // --from A --to B
    kKeyOption = 4,         // --key VAR
    kOrderOptions = 8,      // --descending, --within-groups
    kSeedOption = 16,       // --seed X
    kStatementOption = 32,  // -e STATEMENT, repeated
    kMissingOptions = 64,   // --to-blank TEXT | --from-blank TEXT, --var NAME repeated
    kBlankCodeOption = 128, // --blank-code TEXT
    kImportOptions = 256,   // --layout and the options of the import layouts
    kMergeOptions = 512,    // --cases, --variables: exactly one
    kAnyFormOption = 1024,  // --to takes every export form, not only the vo-Data versions
    kPlotOptions = 2048,    // --x, --y, --title, --x-title, --y-title, --var NAME repeated, --mean-sd
    kVariableOption = 4096, // --var NAME, repeated
    kCodesOption = 8192,    // --codes LO-HI
    kNameOption = 16384,    // --name NEW
    kNamesOptions = 32768,  // --generate TARGET | --erase TARGET: exactly one
    kLabelOptions = 65536,  // --file-label TEXT | --comment TEXT: exactly one
    kEncodingOption = 131072,  // --encoding utf-8|cp932 of the plain data CSV
    kCellOptions = 1u << 18,       // --cell CASE VAR TEXT, repeated, and --cells FILE
    kLinesOptions = 1u << 19,      // --cases AT N | --variables AT N: exactly one
    kCategoriesOptions = 1u << 20, // --categories MIN MAX | --continuous
    kGroupOptions = 1u << 21,      // --sizes N,N,... | --none: exactly one
    kNoneOption = 1u << 22,        // --none: instead of --from A --to B
    kCaseOption = 1u << 23,        // --case N
};

// One subcommand of the command line. A subcommand with files reads the first one into sheet 1
// before its function runs, unless it opens no input.
struct Subcommand {
    std::string_view name;
    std::string_view usage;  // after "zoriduvo-cli "
    std::string_view help;
    std::size_t minFiles;
    std::size_t maxFiles;
    unsigned options;   // CliOption bits
    unsigned required;  // the options that must be given
    int (*run)(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
    bool opensInput = true;  // false: the function reads IN its own way
    // The operand that is OUT (-1: none) and the extension it must have; the operands from
    // firstInput on are the inputs OUT may not be.
    int out = -1;
    std::string_view outExtension = {};
    std::size_t firstInput = 0;
};

std::span<const Subcommand> Subcommands();
// nullptr when there is no subcommand of that name.
const Subcommand* FindSubcommand(std::string_view name);

// Every usage line, as --help prints it.
std::string CliUsage();
// The usage line and the help line of one subcommand.
std::string SubcommandHelp(const Subcommand& subcommand);

}  // namespace zoriduvo

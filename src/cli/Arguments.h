#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/ImportArguments.h"

namespace zoriduvo {

struct CliArguments {
    std::string command;  // a subcommand's name, --version or --help
    std::vector<std::string> files;  // the operands: files, or the subcommand help is asked about
    std::string format = "vo3";  // the export form OUT is written in: --to with convert and export
    bool formatGiven = false;
    // --exact-in, --exact-out: IN read and OUT written as the files between a script's steps, values
    // and empty names as the sheet holds them.
    bool exactIn = false, exactOut = false;
    bool mergeCases = false;               // --cases
    bool mergeVariables = false;           // --variables
    std::optional<std::string> from, to;  // --from/--to case range
    std::optional<std::string> key;
    bool descending = false;
    bool withinGroups = false;
    std::optional<std::string> seed;
    std::vector<std::string> statements;
    std::optional<std::string> toBlank, fromBlank;  // --to-blank / --from-blank TEXT
    std::vector<std::string> variables;              // --var NAME, repeated
    std::optional<std::string> blankCode;            // --blank-code TEXT
    std::optional<std::string> encoding;             // export: --encoding utf-8|cp932
    std::optional<std::string> x, y;                 // plot: --x / --y NAME
    std::optional<std::string> title, xTitle, yTitle;  // plot: --title / --x-title / --y-title T
    bool meanDeviation = false;                      // plot box: --mean-sd
    std::optional<std::string> codes;                // --codes LO-HI
    std::optional<std::string> name;                 // --name NEW
    std::optional<std::string> generate, erase;      // --generate / --erase variables|cases|both
    std::optional<std::string> fileLabel, comment;   // --file-label / --comment TEXT
    struct Cell {
        std::string caseNumber, variable, text;
    };
    std::vector<Cell> cells;                          // set: --cell CASE VAR TEXT, repeated
    std::optional<std::string> cellsFile;             // set: --cells FILE
    struct Lines {
        bool cases = true;  // --cases, else --variables
        std::string at, count;
    };
    std::optional<Lines> lines;                       // insert, delete: --cases AT N | --variables AT N
    std::optional<std::pair<std::string, std::string>> categories;  // define: --categories MIN MAX
    bool continuous = false;                          // define: --continuous
    std::optional<std::string> sizes;                 // groups: --sizes N,N,...
    bool none = false;                                // groups, range: --none
    std::optional<std::string> caseNumber;            // casename: --case N
    ImportArguments import;
};

// Parses the command line against the subcommand table; on a usage error returns nullopt and sets
// the message.
std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string& error);

}  // namespace zoriduvo

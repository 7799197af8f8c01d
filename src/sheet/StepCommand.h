// What an undo step did to the sheet, said as the command line that does the same to its file:
// "zoriduvo-cli SUBCOMMAND IN [OPERANDS] OUT OPTIONS". The history keeps these with each step so
// that the steps that stand can be replayed as a script.
#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

struct StepCommand {
    std::string subcommand;
    std::vector<std::string> operands;  // between IN and OUT (the file merge reads)
    std::vector<std::string> options;
    // The cells of a "set --cells FILE": lines "case TAB variable TAB text"; empty when the cells
    // are given with --cell.
    std::string cells;
    bool operator==(const StepCommand&) const = default;
};

// One cell written as text: case and variable counted from 1; case 0 names the variable, variable 0
// the case.
struct CellEdit {
    int caseNumber = 1;
    int variable = 1;
    std::string text;
};

// "set" with the cells: a few as --cell options, more as the lines of a cells file. A text with a
// TAB or a line break, which a line cannot hold, keeps them all on the command line.
StepCommand SetCommand(const std::vector<CellEdit>& edits);

// The words after "zoriduvo-cli", IN and OUT as given; cellsFile stands for the cells' lines.
std::vector<std::string> CommandWords(const StepCommand& command, const std::string& in, const std::string& out,
                                      const std::string& cellsFile = "CELLS");
// The command as a person reads it: words quoted for sh, IN and OUT as written.
std::string CommandText(const StepCommand& command);

// "--from A --to B" for a part of the cases; nothing for all of them.
void AddCaseRange(StepCommand& command, int first, int last, int caseCount);

// The variable or case as the command line names it: "$n" names variable n whatever its name.
std::string VariableWord(int variable);

}  // namespace zoriduvo

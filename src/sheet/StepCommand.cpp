#include "sheet/StepCommand.h"

#include "text/ShellQuote.h"

namespace zoriduvo {

namespace {
constexpr std::size_t kMostCellOptions = 4;
}  // namespace

StepCommand SetCommand(const std::vector<CellEdit>& edits) {
    StepCommand command{"set", {}, {}, {}};
    bool lines = edits.size() > kMostCellOptions;
    for (const CellEdit& edit : edits)
        if (edit.text.find_first_of("\t\r\n") != std::string::npos) lines = false;
    for (const CellEdit& edit : edits) {
        const std::string c = std::to_string(edit.caseNumber), v = std::to_string(edit.variable);
        if (lines) command.cells.append(c).append("\t").append(v).append("\t").append(edit.text) += '\n';
        else command.options.insert(command.options.end(), {"--cell", c, v, edit.text});
    }
    return command;
}

std::vector<std::string> CommandWords(const StepCommand& command, const std::string& in, const std::string& out,
                                      const std::string& cellsFile) {
    std::vector<std::string> words{command.subcommand, in};
    words.insert(words.end(), command.operands.begin(), command.operands.end());
    words.push_back(out);
    words.insert(words.end(), command.options.begin(), command.options.end());
    if (!command.cells.empty()) words.insert(words.end(), {"--cells", cellsFile});
    return words;
}

std::string CommandText(const StepCommand& command) {
    std::string text;
    for (const std::string& word : CommandWords(command, "IN", "OUT")) {
        if (!text.empty()) text += ' ';
        text += word == "IN" || word == "OUT" || word == "CELLS" ? word : QuoteForShell(word);
    }
    return text;
}

void AddCaseRange(StepCommand& command, int first, int last, int caseCount) {
    if (first == 1 && last == caseCount) return;
    command.options.insert(command.options.end(), {"--from", std::to_string(first), "--to", std::to_string(last)});
}

std::string VariableWord(int variable) { return "$" + std::to_string(variable); }

}  // namespace zoriduvo

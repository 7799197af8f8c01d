#include "cli/CliEdits.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "categories/CaseGroupEditor.h"
#include "cli/CliCommands.h"
#include "cli/CliMessages.h"
#include "edit/InsertDelete.h"
#include "edit/RangeSelection.h"
#include "files/FilePaths.h"
#include "files/FileProblem.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellEdits.h"
#include "sheet/Limits.h"
#include "sheet/SheetShape.h"
#include "variables/CaseNames.h"
#include "variables/DefineVariable.h"
#include "variables/VariableDefinition.h"
#include "variables/VariableDefinitionEditor.h"
#include "variables/VariableMessages.h"

namespace zoriduvo {

namespace {

// A count or a number of a case or variable: digits only, 0 .. 32767.
std::optional<int> NumberArgument(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text[0] == '+' || text[0] == '-') return std::nullopt;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !WithinCountLimit(value)) return std::nullopt;
    return value;
}

// The number, or the usage message naming the option; nullopt then.
std::optional<int> Number(App& app, const char* option, const std::string& text, int least) {
    auto value = NumberArgument(text);
    if (!value || *value < least) {
        app.ui.show(MessageOf(CliMessage::UnknownValue, {option, text}));
        return std::nullopt;
    }
    return value;
}

// The lines "case TAB variable TAB text" of a cells file; a line that is not one is refused.
bool ReadCellsFile(App& app, const std::string& path, std::vector<CellEdit>& edits, int& status) {
    std::string bytes;
    if (auto problem = ReadFileToOpen(path, bytes)) {
        ShowFileProblem(app.ui, *problem);
        status = kFileFailed;
        return false;
    }
    std::size_t start = 0, line = 0;
    while (start < bytes.size()) {
        ++line;
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string text = bytes.substr(start, end - start);
        start = end + 1;
        const std::size_t tab1 = text.find('\t'), tab2 = tab1 == std::string::npos ? tab1 : text.find('\t', tab1 + 1);
        const auto c = tab1 == std::string::npos ? std::nullopt : NumberArgument(text.substr(0, tab1));
        const auto v = tab2 == std::string::npos ? std::nullopt : NumberArgument(text.substr(tab1 + 1, tab2 - tab1 - 1));
        if (!c || !v) {
            app.ui.show(MessageOf(CliMessage::BadCellLine, {path, std::to_string(line)}));
            status = kRefused;
            return false;
        }
        edits.push_back({*c, *v, text.substr(tab2 + 1)});
    }
    return true;
}

// AT and N of --cases/--variables; nullopt when either is no number.
std::optional<std::pair<int, int>> LinesOf(App& app, const CliArguments& arguments) {
    const CliArguments::Lines& lines = *arguments.lines;
    const char* option = lines.cases ? "--cases" : "--variables";
    const auto at = Number(app, option, lines.at, 1);
    const auto count = at ? Number(app, option, lines.count, 0) : std::nullopt;
    if (!count) return std::nullopt;
    return std::pair{*at, *count};
}

}  // namespace

int RunSet(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    std::vector<CellEdit> edits;
    for (const CliArguments::Cell& cell : arguments.cells) {
        const auto c = Number(app, "--cell", cell.caseNumber, 0);
        const auto v = c ? Number(app, "--cell", cell.variable, 0) : std::nullopt;
        if (!v) return kRefused;
        edits.push_back({*c, *v, cell.text});
    }
    int status = kDone;
    if (arguments.cellsFile && !ReadCellsFile(app, *arguments.cellsFile, edits, status)) return status;
    if (!SetCells(app, sheet, edits)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunInsert(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const auto lines = LinesOf(app, arguments);
    if (!lines) return kRefused;
    const auto [at, count] = *lines;
    const bool done = arguments.lines->cases ? InsertRows(app, sheet, at + 1, count)
                                             : InsertColumns(app, sheet, at + 1, count);
    return done ? WriteOutput(app, sheet, arguments.files[1], arguments.format) : kRefused;
}

int RunDelete(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const auto lines = LinesOf(app, arguments);
    if (!lines) return kRefused;
    const auto [at, count] = *lines;
    const bool done = arguments.lines->cases ? DeleteRows(app, sheet, at + 1, count)
                                             : DeleteColumns(app, sheet, at + 1, count);
    return done ? WriteOutput(app, sheet, arguments.files[1], arguments.format) : kRefused;
}

int RunDefine(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    std::vector<int> variables;
    for (const std::string& text : arguments.variables) {
        const auto v = Number(app, "--var", text, 1);
        if (!v) return kRefused;
        // Bulk typing types variables that are there; a definition may name the next ones.
        if (!arguments.name && *v > sheet.variableCount()) {
            app.ui.show(MessageOf(CliMessage::NoSuchVariable, {text}));
            return kRefused;
        }
        variables.push_back(*v);
    }
    CategoryRange categories;
    if (arguments.categories) {
        if (const auto error = CategoryRangeOf(arguments.categories->first, arguments.categories->second, categories);
            error != CategoryRangeError::None) {
            app.ui.show(CategoryRangeMessage(error, kVariableDefinitionTitle));
            return kRefused;
        }
    }
    if (!arguments.name) {
        TypeVariables(sheet, variables, categories);
        return WriteOutput(app, sheet, arguments.files[1], arguments.format);
    }
    if (!IsVariableName(*arguments.name)) {
        app.ui.show(MessageOf(VariableMessage::BadName));
        return kRefused;
    }
    const int v = variables[0];
    if (v + 2 > sheet.grdVo.cols()) EnsureGridSize(sheet, v + 2, 0);
    VariableDefinition definition = ReadDefinition(sheet, v);
    definition.name = *arguments.name;
    if (arguments.categories || arguments.continuous) definition.category = categories;
    DefineVariable(sheet, v, definition, true);
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunGroups(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.none) {
        UngroupCases(sheet);
        return WriteOutput(app, sheet, arguments.files[1], arguments.format);
    }
    std::vector<int> sizes;
    const std::string& list = *arguments.sizes;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        const auto size = Number(app, "--sizes", list.substr(start, end - start), 1);
        if (!size) return kRefused;
        sizes.push_back(*size);
        start = end + 1;
    }
    if (!GroupCases(sheet, sizes)) {
        app.ui.show(MessageOf(CliMessage::GroupSizes, {list, std::to_string(sheet.caseCount())}));
        return kRefused;
    }
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunRange(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.none) RangeSelection::Remove(sheet);
    else if (!SetCaseRange(app, sheet, arguments)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunCaseName(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const auto c = Number(app, "--case", *arguments.caseNumber, 1);
    if (!c || !StoreCaseName(app, sheet, *c, *arguments.name)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunComment(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out) {
    if (!arguments.comment) {
        app.ui.show(MessageOf(CliMessage::OptionNeeded, {"comment", "--comment"}));
        return kRefused;
    }
    return RunLabel(app, sheet, arguments, out);
}

int RunFileLabel(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out) {
    if (!arguments.fileLabel) {
        app.ui.show(MessageOf(CliMessage::OptionNeeded, {"file-label", "--file-label"}));
        return kRefused;
    }
    return RunLabel(app, sheet, arguments, out);
}

}  // namespace zoriduvo

#include "cli/CliCommands.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "categories/CategoryCombination.h"
#include "categories/CategoryMessages.h"
#include "categories/VariableBinding.h"
#include "cli/CliMessages.h"
#include "cli/Subcommands.h"
#include "edit/MissingValues.h"
#include "edit/RangeSelection.h"
#include "edit/Sorting.h"
#include "edit/Transpose.h"
#include "files/Cp932.h"
#include "files/FileMessages.h"
#include "files/FileProblem.h"
#include "files/OpenCommand.h"
#include "files/exports/ExportCommand.h"
#include "files/exports/ExportFormats.h"
#include "files/exports/WriteExport.h"
#include "files/imports/Merge.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/SheetMessages.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/VariableRecord.h"
#include "transform/RunTransformation.h"
#include "transform/TransformErrors.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"
#include "variables/Comment.h"
#include "variables/FileLabel.h"
#include "variables/InformationViews.h"
#include "variables/Labels.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {

namespace {
constexpr int kSheet = 1;
// --exact-out of the one subcommand a run does, for every OUT it writes.
GatheredNames outputNames = GatheredNames::Defaults;

// The first character of a variable name that a vo-Data file cannot hold (a line break, or one
// outside code page 932); empty when it can hold them all.
std::string UnsavableCharacter(const std::string& name) {
    if (name.find_first_of("\r\n") != std::string::npos) return TextOf(FileText::LineBreak);
    std::size_t bad = 0;
    return Utf8ToCp932(name, &bad) ? std::string() : CharacterAt(name, bad);
}

}  // namespace

bool ReadInput(App& app, const std::string& path, bool exactValues) {
    app.setActiveSheet(kSheet);
    const OpenOutcome outcome = OpenPath(app, path, kSheet, exactValues);
    // Open passes over a file of another kind without a word; a script must hear of it.
    if (outcome == OpenOutcome::NotOurFormat) app.ui.show(MessageOf(CliMessage::NotOurFormat, {path}));
    return outcome == OpenOutcome::Opened;
}

// A variable named on the command line: "$n", or the last variable of that name.
int FindVariable(const Sheet& sheet, const std::string& key) {
    const int count = sheet.variableCount();
    if (key.size() > 1 && key[0] == '$') {
        const int n = CaseNumberOf(key.substr(1));
        return n >= 1 && n <= count ? n : 0;
    }
    for (int v = count; v >= 1; --v)
        if (sheet.grdVo.text(1, v + 1) == key) return v;
    return 0;
}

namespace {

// Each statement added as "追加" adds it, then all run as "実行" runs them.
bool Transform(App& app, Sheet& sheet, const CliArguments& arguments) {
    if (!SetCaseRange(app, sheet, arguments)) return false;
    if (arguments.seed) SeedRandom(app, *arguments.seed);
    TransformList list(ReadTransformSetup(sheet));
    for (std::size_t k = 0; k < arguments.statements.size(); ++k) {
        const std::string& statement = arguments.statements[k];
        auto error = list.add(statement);
        // A name the file cannot hold is refused with its statement, not by the save after the run.
        const std::string unsavable = error ? std::string() : UnsavableCharacter(list.records().back().target);
        if (!error && unsavable.empty()) continue;
        app.ui.show(MessageOf(CliMessage::StatementRefused, {std::to_string(k + 1), statement}));
        if (error) ShowTransformError(app.ui, *error);
        else app.ui.show(MessageOf(CliMessage::UnsavableName, {unsavable}));
        return false;
    }
    if (auto error = RunTransformation(app, sheet, list.setup(), list.records())) {
        ShowTransformError(app.ui, *error);
        return false;
    }
    return true;
}

// --from/--to as a row selection of those cases over every variable, read as the category tools
// read the selection; nullopt when a case number is not one of the sheet's.
std::optional<CaseRange> SelectedCases(App& app, Sheet& sheet, const CliArguments& arguments) {
    if (arguments.from) {
        const int first = CaseNumberOf(*arguments.from), last = CaseNumberOf(*arguments.to);
        const int n = sheet.caseCount();
        if (first < 1 || last < 1 || first > n || last > n) {
            app.ui.show(MessageOf(SheetMessage::RangeRefused));
            return std::nullopt;
        }
        sheet.grdVo.setCurrent(first + 1, 2);
        sheet.grdVo.setSelectionEnd(last + 1, sheet.lastColumn());
    }
    return ReadCaseRange(sheet, WholeRows::ReachLastVariable);
}

// The --var names as variable numbers; empty when one is not there or not categorical.
std::vector<int> CategoricalArguments(App& app, const Sheet& sheet, const CliArguments& arguments,
                                      const char* title) {
    std::vector<int> variables;
    for (const std::string& name : arguments.variables) {
        const int variable = FindVariable(sheet, name);
        if (variable == 0) {
            app.ui.show(MessageOf(CliMessage::NoSuchVariable, {name}));
            return {};
        }
        if (ReadCategoryRange(sheet, variable).count < 1) {
            Message message = MessageOf(CategoryMessage::NotCategorical);
            message.title = title;  // the refusing tool's own
            app.ui.show(message);
            return {};
        }
        variables.push_back(variable);
    }
    return variables;
}

std::optional<LabelTarget> LabelTargetOf(App& app, const std::string& option, const std::string& text) {
    if (text == "both") return LabelTarget::Both;
    if (text == "variables") return LabelTarget::Variables;
    if (text == "cases") return LabelTarget::Cases;
    app.ui.show(MessageOf(CliMessage::UnknownValue, {option, text}));
    return std::nullopt;
}

}  // namespace

bool SetCaseRange(App& app, Sheet& sheet, const CliArguments& arguments) {
    if (!arguments.from) return true;
    RangeSelection range(sheet);
    return range.execute(app, sheet, *arguments.from, *arguments.to) != RangeSelection::Outcome::Refused;
}

int WriteOutput(App& app, Sheet& sheet, const std::string& path, const std::string& format) {
    if (auto problem = WriteExport(app, sheet, *FindExportForm(format), path, outputNames)) {
        ShowFileProblem(app.ui, *problem);
        return kFileFailed;
    }
    return kDone;
}

int RunCliCommand(App& app, const CliArguments& arguments, std::ostream& out) {
    const Subcommand& subcommand = *FindSubcommand(arguments.command == "--help" ? "help" : arguments.command);
    if (subcommand.minFiles > 0 && subcommand.opensInput && !ReadInput(app, arguments.files[0], arguments.exactIn))
        return kFileFailed;
    Sheet& sheet = app.sheet(kSheet);
    sheet.history().keepNoSteps();  // nothing is undone here
    outputNames = arguments.exactOut ? GatheredNames::AsHeld : GatheredNames::Defaults;
    return subcommand.run(app, sheet, arguments, out);
}

int RunConvert(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.blankCode && !SetBlankCode(app, sheet, *arguments.blankCode)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunStats(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out) {
    if (!SetCaseRange(app, sheet, arguments)) return kRefused;
    const int before = sheet.state().statisticsBlocks;
    ShowStatisticsBlock(app, sheet);
    if (sheet.state().statisticsBlocks == before) return kRefused;
    const Grid& grid = sheet.grdVo;
    const int last = sheet.lastColumn();
    for (int c = 2; c <= last; ++c) out << '\t' << grid.text(1, c);
    out << '\n';
    const int top = StatisticsBlockRow(sheet.caseCount(), sheet.state().statisticsBlocks - 1);
    out << grid.text(top, 1) << '\n';
    for (int r = top + 1; r <= top + 5; ++r) {
        out << grid.text(r, 1);
        for (int c = 2; c <= last; ++c) out << '\t' << grid.text(r, c);
        out << '\n';
    }
    return kDone;
}

int RunSort(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const int variable = FindVariable(sheet, *arguments.key);
    if (variable == 0) {
        app.ui.show(MessageOf(CliMessage::UnknownVariable, {*arguments.key}));
        return kRefused;
    }
    SortCases(app, sheet, variable, arguments.descending, arguments.withinGroups);
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunTransform(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (!Transform(app, sheet, arguments)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunMissing(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    // Without --var every variable, as from a single cell; with it those, as from whole columns.
    std::vector<int> variables;
    for (const std::string& name : arguments.variables) {
        const int variable = FindVariable(sheet, name);
        if (variable == 0) {
            app.ui.show(MessageOf(CliMessage::MissingVariable, {name}));
            return kRefused;
        }
        variables.push_back(variable);
    }
    if (arguments.variables.empty())
        for (int v = 1; v <= sheet.variableCount(); ++v) variables.push_back(v);
    const bool toBlank = arguments.toBlank.has_value();
    const auto conversion = toBlank ? MissingConversion::ValueToBlank : MissingConversion::BlankToValue;
    if (!ConvertMissing(app, sheet, conversion, toBlank ? *arguments.toBlank : *arguments.fromBlank, variables))
        return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunExport(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.blankCode && !SetBlankCode(app, sheet, *arguments.blankCode)) return kRefused;
    const bool cp932 = arguments.encoding == std::optional<std::string>("cp932");
    const ExportForm& form = *FindExportForm(cp932 ? "data-csv-cp932" : arguments.format);
    switch (ExportCommand(app, sheet, form, arguments.files[1])) {
    case ExportOutcome::Written: return kDone;
    case ExportOutcome::Failed: return kFileFailed;
    case ExportOutcome::NoPath:
    case ExportOutcome::PathRefused:
    case ExportOutcome::Refused: break;
    }
    return kRefused;
}

int RunMerge(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const auto direction = arguments.mergeCases ? MergeDirection::Cases : MergeDirection::Variables;
    switch (MergeFile(app, sheet, arguments.files[1], direction)) {
    case MergeOutcome::Merged: return WriteOutput(app, sheet, arguments.files[2], arguments.format);
    case MergeOutcome::Unreadable: return kFileFailed;
    case MergeOutcome::Cancelled:
    case MergeOutcome::Refused: break;
    }
    return kRefused;
}

int RunRecode(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    // LO-HI: the first minus after the first character parts them, so "-3--1" reads -3 and -1.
    const std::string& text = *arguments.codes;
    const std::size_t dash = text.find('-', 1);
    const auto codes = dash == std::string::npos ? std::nullopt
                                                  : ReadCodeRange(std::string_view(text).substr(0, dash),
                                                                  std::string_view(text).substr(dash + 1));
    if (!codes) {
        app.ui.show(MessageOf(CategoryMessage::CodesWanted));
        return kRefused;
    }
    const std::vector<int> variables = CategoricalArguments(app, sheet, arguments, kCategoryCombinationTitle);
    if (variables.empty()) return kRefused;
    // A variable recoded twice would merge its codes twice over.
    for (std::size_t i = 1; i < variables.size(); ++i)
        if (std::find(variables.begin(), variables.begin() + static_cast<std::ptrdiff_t>(i), variables[i]) !=
            variables.begin() + static_cast<std::ptrdiff_t>(i)) {
            app.ui.show(MessageOf(CliMessage::RepeatedVariable, {arguments.variables[i]}));
            return kRefused;
        }
    const auto cases = SelectedCases(app, sheet, arguments);
    if (!cases) return kRefused;
    if (const auto refusal = CombineCategories(sheet, *codes, variables, *cases)) {
        app.ui.show(MessageOf(*refusal));
        return kRefused;
    }
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunBind(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.variables.size() != 2) {
        app.ui.show(MessageOf(CliMessage::VariableCount, {"bind", "2"}));
        return kRefused;
    }
    // A name the file cannot hold is refused before anything is done, not at the save.
    if (const std::string bad = UnsavableCharacter(*arguments.name); !bad.empty()) {
        app.ui.show(MessageOf(CliMessage::UnsavableText, {"変数名", *arguments.name, bad}));
        return kRefused;
    }
    const std::vector<int> variables = CategoricalArguments(app, sheet, arguments, kVariableBindingTitle);
    if (variables.empty()) return kRefused;
    const auto cases = SelectedCases(app, sheet, arguments);
    if (!cases || !BindVariables(app, sheet, variables[0], variables[1], *arguments.name, *cases)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunTranspose(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const int transposed = TransposeSheet(app, sheet);
    if (transposed == 0) return kRefused;
    return WriteOutput(app, app.sheet(transposed), arguments.files[1], arguments.format);
}

int RunNames(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    const bool generate = arguments.generate.has_value();
    const auto target = LabelTargetOf(app, generate ? "--generate" : "--erase",
                                      generate ? *arguments.generate : *arguments.erase);
    if (!target) return kRefused;
    if (generate) GenerateLabels(sheet, *target);
    else EraseLabels(sheet, *target);
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunLabel(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream&) {
    if (arguments.fileLabel)
        if (const std::string bad = UnsavableCharacter(*arguments.fileLabel); !bad.empty()) {
            app.ui.show(MessageOf(CliMessage::UnsavableText, {"ファイルラベル", *arguments.fileLabel, bad}));
            return kRefused;
        }
    if (arguments.comment) SetComment(sheet, *arguments.comment);
    else if (!SetFileLabel(app, sheet, *arguments.fileLabel)) return kRefused;
    return WriteOutput(app, sheet, arguments.files[1], arguments.format);
}

int RunInfo(App&, Sheet& sheet, const CliArguments&, std::ostream& out) {
    for (const auto& [caption, value] : FileInformation(sheet)) out << caption << '\t' << value << '\n';
    return kDone;
}

int RunHelp(App&, Sheet&, const CliArguments& arguments, std::ostream& out) {
    out << (arguments.files.empty() ? CliUsage() : SubcommandHelp(*FindSubcommand(arguments.files[0])));
    return kDone;
}

}  // namespace zoriduvo

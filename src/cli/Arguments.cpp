#include "cli/Arguments.h"

#include "cli/CliMessages.h"
#include "cli/Subcommands.h"
#include "files/FilePaths.h"
#include "files/exports/ExportFormats.h"
#include "sheet/CellValue.h"

namespace zoriduvo {

namespace {

std::string Text(CliMessage code, std::initializer_list<std::string_view> values = {}) {
    return MessageOf(code, values).text;
}

// The values of an option that takes several (--cell CASE VAR TEXT, --cases AT N, --categories MIN
// MAX), after args[i]; false when they run short or a single option comes twice.
bool ReadValues(const std::vector<std::string>& args, std::size_t& i, std::size_t count, CliArguments& parsed,
                std::string& error) {
    const std::string& arg = args[i];
    if (i + count >= args.size()) {
        error = Text(CliMessage::MissingValue, {arg});
        return false;
    }
    const auto at = [&](std::size_t k) { return args[i + k]; };
    const bool twice = (arg == "--categories" && parsed.categories) ||
                       ((arg == "--cases" || arg == "--variables") && parsed.lines);
    if (twice) {
        error = Text(CliMessage::OptionTwice, {arg});
        return false;
    }
    if (arg == "--cell") parsed.cells.push_back({at(1), at(2), at(3)});
    else if (arg == "--categories") parsed.categories.emplace(at(1), at(2));
    else parsed.lines = CliArguments::Lines{arg == "--cases", at(1), at(2)};
    i += count;
    return true;
}

// Takes the options and operands after the subcommand's name; false on the first one refused.
bool ReadOptions(const std::vector<std::string>& args, const Subcommand& row, CliArguments& parsed,
                 std::string& error) {
    const auto takes = [&row](unsigned option) { return (row.options & option) != 0; };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = Text(CliMessage::MissingValue, {arg});
                return std::nullopt;
            }
            return args[++i];
        };
        std::optional<std::string>* slot = nullptr;
        if (arg == "--to" && takes(kFormatOption)) {
            if (parsed.formatGiven) {
                error = Text(CliMessage::OptionTwice, {arg});
                return false;
            }
            auto v = value();
            if (!v) return false;
            parsed.format = *v;
            parsed.formatGiven = true;
            continue;
        }
        // Every subcommand reads a range, so that one without it can say so by name.
        if (arg == "--from") slot = &parsed.from;
        else if (arg == "--to") slot = &parsed.to;
        else if (arg == "--key" && takes(kKeyOption)) slot = &parsed.key;
        else if (arg == "--seed" && takes(kSeedOption)) slot = &parsed.seed;
        else if (arg == "--to-blank" && takes(kMissingOptions)) slot = &parsed.toBlank;
        else if (arg == "--from-blank" && takes(kMissingOptions)) slot = &parsed.fromBlank;
        else if (arg == "--blank-code" && takes(kBlankCodeOption)) slot = &parsed.blankCode;
        else if (arg == "--encoding" && takes(kEncodingOption)) slot = &parsed.encoding;
        else if (arg == "--x" && takes(kPlotOptions)) slot = &parsed.x;
        else if (arg == "--y" && takes(kPlotOptions)) slot = &parsed.y;
        else if (arg == "--title" && takes(kPlotOptions)) slot = &parsed.title;
        else if (arg == "--x-title" && takes(kPlotOptions)) slot = &parsed.xTitle;
        else if (arg == "--y-title" && takes(kPlotOptions)) slot = &parsed.yTitle;
        else if (arg == "--codes" && takes(kCodesOption)) slot = &parsed.codes;
        else if (arg == "--name" && takes(kNameOption)) slot = &parsed.name;
        else if (arg == "--generate" && takes(kNamesOptions)) slot = &parsed.generate;
        else if (arg == "--erase" && takes(kNamesOptions)) slot = &parsed.erase;
        else if (arg == "--file-label" && takes(kLabelOptions)) slot = &parsed.fileLabel;
        else if (arg == "--comment" && takes(kLabelOptions)) slot = &parsed.comment;
        if (slot) {
            // An option of one value given twice would silently be the last.
            if (slot->has_value()) {
                error = Text(CliMessage::OptionTwice, {arg});
                return false;
            }
            *slot = value();
            if (!*slot) return false;
        } else if (arg == "-e" && takes(kStatementOption)) {
            auto v = value();
            if (!v) return false;
            parsed.statements.push_back(*v);
        } else if (arg == "--var" && takes(kMissingOptions | kPlotOptions | kVariableOption)) {
            auto v = value();
            if (!v) return false;
            parsed.variables.push_back(*v);
        } else if (arg == "--descending" && takes(kOrderOptions)) {
            parsed.descending = true;
        } else if (arg == "--within-groups" && takes(kOrderOptions)) {
            parsed.withinGroups = true;
        } else if (takes(kImportOptions) && IsImportOption(arg)) {
            if (!ReadImportOption(args, i, parsed.import, error)) return false;
        } else if (arg == "--exact-in") {
            parsed.exactIn = true;
        } else if (arg == "--exact-out") {
            parsed.exactOut = true;
        } else if (arg == "--mean-sd" && takes(kPlotOptions)) {
            parsed.meanDeviation = true;
        } else if (takes(kCellOptions | kLinesOptions | kCategoriesOptions) &&
                   (arg == "--cell" || arg == "--cases" || arg == "--variables" || arg == "--categories")) {
            if (!ReadValues(args, i, arg == "--cell" ? 3 : 2, parsed, error)) return false;
        } else if (arg == "--cells" && takes(kCellOptions)) {
            if (parsed.cellsFile) {
                error = Text(CliMessage::OptionTwice, {arg});
                return false;
            }
            parsed.cellsFile = value();
            if (!parsed.cellsFile) return false;
        } else if (arg == "--sizes" && takes(kGroupOptions)) {
            if (parsed.sizes) {
                error = Text(CliMessage::OptionTwice, {arg});
                return false;
            }
            parsed.sizes = value();
            if (!parsed.sizes) return false;
        } else if (arg == "--case" && takes(kCaseOption)) {
            if (parsed.caseNumber) {
                error = Text(CliMessage::OptionTwice, {arg});
                return false;
            }
            parsed.caseNumber = value();
            if (!parsed.caseNumber) return false;
        } else if (arg == "--none" && takes(kGroupOptions | kNoneOption)) {
            parsed.none = true;
        } else if (arg == "--continuous" && takes(kCategoriesOptions)) {
            parsed.continuous = true;
        } else if (arg == "--cases" && takes(kMergeOptions)) {
            parsed.mergeCases = true;
        } else if (arg == "--variables" && takes(kMergeOptions)) {
            parsed.mergeVariables = true;
        } else if (!arg.empty() && arg[0] == '-' && arg.size() > 1) {
            error = Text(CliMessage::UnknownOption, {arg});
            return false;
        } else {
            parsed.files.push_back(arg);
        }
    }
    return true;
}

// OUT has the subcommand's extension and is none of its inputs: written, it would destroy what
// the subcommand reads.
std::string OutputRefusal(const Subcommand& row, const CliArguments& parsed) {
    if (row.out < 0) return {};
    const std::string& out = parsed.files[static_cast<std::size_t>(row.out)];
    if (!row.outExtension.empty() && LowerCaseAscii(FileExtensionOf(out)) != row.outExtension)
        return Text(CliMessage::OutputForm, {row.name, row.outExtension, out});
    for (std::size_t i = row.firstInput; i < parsed.files.size(); ++i)
        if (i != static_cast<std::size_t>(row.out) && (parsed.files[i] == out || SameFile(parsed.files[i], out)))
            return Text(CliMessage::OutputIsInput, {out});
    return {};
}

std::string EditRefusal(const Subcommand& row, const CliArguments& parsed);

// The rules between the options and operands once all are read; empty when they hold.
std::string Refusal(const Subcommand& row, const CliArguments& parsed) {
    const std::size_t files = parsed.files.size();
    if (files > row.maxFiles && row.minFiles < row.maxFiles)
        return Text(CliMessage::ExtraArgument, {parsed.files[row.maxFiles]});
    if (files < row.minFiles || files > row.maxFiles)
        return Text(CliMessage::FileCount, {row.name, std::to_string(row.minFiles)});
    // help names a subcommand, not a file.
    if (row.name == "help" && files == 1 && !FindSubcommand(parsed.files[0]))
        return Text(CliMessage::UnknownCommand, {parsed.files[0]});
    if (const std::string refusal = OutputRefusal(row, parsed); !refusal.empty()) return refusal;
    if (row.options & kFormatOption) {
        const ExportForm* form = FindExportForm(parsed.format);
        if (!form || !(form->native() || (row.options & kAnyFormOption)))
            return Text(CliMessage::UnknownFormat, {parsed.format});
        if ((row.required & kFormatOption) && !parsed.formatGiven)
            return Text(CliMessage::OptionNeeded, {row.name, "--to"});
    }
    if (parsed.encoding) {
        if (*parsed.encoding != "utf-8" && *parsed.encoding != "cp932")
            return Text(CliMessage::UnknownValue, {"--encoding", *parsed.encoding});
        if (parsed.format != "data-csv") return Text(CliMessage::EncodingForm);
    }
    if ((row.required & kMergeOptions) && parsed.mergeCases == parsed.mergeVariables)
        return Text(CliMessage::OptionNeeded, {row.name, "--cases | --variables"});
    const bool ranged = row.options & kRangeOption;
    if (ranged && parsed.from.has_value() != parsed.to.has_value()) return Text(CliMessage::HalfRange);
    if ((parsed.from || parsed.to) && !ranged) return Text(CliMessage::RangeNotAllowed, {row.name});
    if (row.options & kImportOptions) {
        std::string refusal = ImportRefusal(parsed.import);
        if (!refusal.empty()) return refusal;
    }
    // A seed that is no number would quietly seed from the timer: not what a script asked for.
    if (parsed.seed && !StrictNumber(*parsed.seed)) return Text(CliMessage::SeedNotNumber, {*parsed.seed});
    if ((row.required & kKeyOption) && !parsed.key) return Text(CliMessage::OptionNeeded, {row.name, "--key"});
    if ((row.required & kMissingOptions) && parsed.toBlank.has_value() == parsed.fromBlank.has_value())
        return Text(CliMessage::OneOfNeeded, {row.name, "--to-blank TEXT | --from-blank TEXT"});
    if ((row.required & kStatementOption) && parsed.statements.empty())
        return Text(CliMessage::OptionNeeded, {row.name, "-e"});
    if ((row.required & kCodesOption) && !parsed.codes) return Text(CliMessage::OptionNeeded, {row.name, "--codes"});
    if ((row.required & kNameOption) && !parsed.name) return Text(CliMessage::OptionNeeded, {row.name, "--name"});
    if ((row.required & kVariableOption) && parsed.variables.empty())
        return Text(CliMessage::OptionNeeded, {row.name, "--var"});
    if ((row.required & kNamesOptions) && parsed.generate.has_value() == parsed.erase.has_value())
        return Text(CliMessage::OneOfNeeded, {row.name, "--generate | --erase"});
    if ((row.required & kLabelOptions) && parsed.fileLabel.has_value() == parsed.comment.has_value())
        return Text(CliMessage::OneOfNeeded, {row.name, "--file-label TEXT | --comment TEXT"});
    return EditRefusal(row, parsed);
}

// The rules of the editing subcommands (set, insert, delete, define, groups, range, casename).
std::string EditRefusal(const Subcommand& row, const CliArguments& parsed) {
    if ((row.required & kCellOptions) && parsed.cells.empty() && !parsed.cellsFile)
        return Text(CliMessage::OptionNeeded, {row.name, "--cell | --cells"});
    if ((row.required & kLinesOptions) && !parsed.lines)
        return Text(CliMessage::OneOfNeeded, {row.name, "--cases AT N | --variables AT N"});
    if ((row.required & kGroupOptions) && parsed.sizes.has_value() == parsed.none)
        return Text(CliMessage::OneOfNeeded, {row.name, "--sizes N,N,... | --none"});
    if ((row.required & kNoneOption) && parsed.from.has_value() == parsed.none)
        return Text(CliMessage::OneOfNeeded, {row.name, "--from A --to B | --none"});
    if ((row.required & kCaseOption) && !parsed.caseNumber) return Text(CliMessage::OptionNeeded, {row.name, "--case"});
    if (row.options & kCategoriesOptions) {
        if (parsed.categories && parsed.continuous)
            return Text(CliMessage::OneOfNeeded, {row.name, "--categories MIN MAX | --continuous"});
        if (!parsed.name && !parsed.categories && !parsed.continuous)
            return Text(CliMessage::OneOfNeeded, {row.name, "--name NAME | --categories MIN MAX | --continuous"});
        if (parsed.name && parsed.variables.size() != 1) return Text(CliMessage::VariableCount, {row.name, "1"});
    }
    return {};
    return {};
}

}  // namespace

std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string& error) {
    CliArguments parsed;
    if (args.empty()) {
        error = Text(CliMessage::NoCommand);
        return std::nullopt;
    }
    parsed.command = args[0];
    if (parsed.command == "--version" || parsed.command == "--help") {
        if (args.size() == 1) return parsed;
        error = Text(CliMessage::ExtraArgument, {args[1]});
        return std::nullopt;
    }
    const Subcommand* row = FindSubcommand(parsed.command);
    if (!row) {
        error = Text(CliMessage::UnknownCommand, {parsed.command});
        return std::nullopt;
    }
    // "SUBCOMMAND --help" is "help SUBCOMMAND", whatever else the subcommand would need.
    if (args.size() == 2 && args[1] == "--help") {
        parsed.files = {parsed.command};
        parsed.command = "help";
        return parsed;
    }
    if (!ReadOptions(args, *row, parsed, error)) return std::nullopt;
    error = Refusal(*row, parsed);
    if (!error.empty()) return std::nullopt;
    return parsed;
}

}  // namespace zoriduvo

#include "cli/ImportArguments.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "cli/CliMessages.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kLayouts[] = {"values", "counts", "described", "mirv", "fixed"};
constexpr std::string_view kSources[] = {"file", "none", "generated"};

template <std::size_t N>
bool OneOf(const std::string& value, const std::string_view (&choices)[N]) {
    return std::find(std::begin(choices), std::end(choices), value) != std::end(choices);
}

std::string Text(CliMessage code, std::initializer_list<std::string_view> values) {
    return MessageOf(code, values).text;
}

}  // namespace

bool IsImportOption(const std::string& arg) {
    static constexpr std::string_view kOptions[] = {"--layout", "--cases",   "--variables", "--skip",
                                                    "--counts-in-file", "--groups", "--names", "--types",
                                                    "--case-names", "--column"};
    return OneOf(arg, kOptions);
}

bool ReadImportOption(const std::vector<std::string>& args, std::size_t& i, ImportArguments& parsed,
                      std::string& error) {
    const std::string& arg = args[i];
    // Only --column is a list; any other option given twice would silently be the last.
    if (arg != "--column" && std::find(parsed.given.begin(), parsed.given.end(), arg) != parsed.given.end()) {
        error = Text(CliMessage::OptionTwice, {arg});
        return false;
    }
    parsed.given.push_back(arg);
    if (arg == "--counts-in-file") parsed.countsInFile = true;
    else if (arg == "--groups") parsed.groups = true;
    else if (arg == "--types") parsed.types = true;
    if (arg == "--counts-in-file" || arg == "--groups" || arg == "--types") return true;
    if (i + 1 >= args.size()) {
        error = Text(CliMessage::MissingValue, {arg});
        return false;
    }
    const std::string& value = args[++i];
    if (arg == "--layout") parsed.layout = value;
    else if (arg == "--cases") parsed.cases = value;
    else if (arg == "--variables") parsed.variables = value;
    else if (arg == "--skip") parsed.skip = value;
    else if (arg == "--names") parsed.names = value;
    else if (arg == "--case-names") parsed.caseNames = value;
    else parsed.columns.push_back(value);
    return true;
}

// The options each layout reads; any other is refused rather than ignored.
std::vector<std::string_view> OptionsOfLayout(const std::string& layout) {
    if (layout == "values") return {"--layout", "--cases", "--variables"};
    if (layout == "described")
        return {"--layout", "--cases", "--variables", "--skip", "--counts-in-file", "--groups", "--names", "--types",
                "--case-names"};
    if (layout == "fixed") return {"--layout", "--column", "--case-names"};
    return {"--layout"};
}

std::string ImportRefusal(const ImportArguments& parsed) {
    if (parsed.layout.empty()) return Text(CliMessage::OptionNeeded, {"import", "--layout"});
    if (!OneOf(parsed.layout, kLayouts)) return Text(CliMessage::UnknownValue, {"--layout", parsed.layout});
    const auto read = OptionsOfLayout(parsed.layout);
    for (const std::string& option : parsed.given)
        if (std::find(read.begin(), read.end(), option) == read.end())
            return Text(CliMessage::OptionNotRead, {option, parsed.layout});
    if (!OneOf(parsed.names, kSources)) return Text(CliMessage::UnknownValue, {"--names", parsed.names});
    const bool fixed = parsed.layout == "fixed";
    // A fixed-width file has its case names in columns, not as fields.
    if (fixed ? parsed.caseNames == "file" : !OneOf(parsed.caseNames, kSources))
        return Text(CliMessage::UnknownValue, {"--case-names", parsed.caseNames});
    if (fixed && parsed.columns.empty()) return Text(CliMessage::OptionNeeded, {"import", "--column"});
    return {};
}

}  // namespace zoriduvo

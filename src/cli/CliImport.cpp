#include "cli/CliImport.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "cli/CliCommands.h"
#include "files/imports/FixedWidth.h"
#include "files/imports/ImportCommand.h"
#include "files/imports/ImportMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {

constexpr int kSheet = 1;

NameSource SourceOf(const std::string& option) {
    if (option == "file") return NameSource::File;
    return option == "none" ? NameSource::None : NameSource::Generated;
}

// "FIRST-LAST" as the dialog's two column fields.
std::pair<std::string, std::string> ColumnFields(std::string_view range) {
    const std::size_t dash = range.find('-');
    if (dash == std::string_view::npos) return {std::string(range), {}};
    return {std::string(range.substr(0, dash)), std::string(range.substr(dash + 1))};
}

bool BadColumns(App& app, const std::string& given) {
    app.ui.show(MessageOf(ImportMessage::BadColumns, {given}));
    return false;
}

// The definitions added one by one as ">>" adds them, then the case-name columns; false when told.
bool ReadFixedLayout(App& app, const ImportArguments& given, FixedLayout& layout) {
    FixedDefinitionList list;
    for (const std::string& column : given.columns) {
        const std::size_t colon = column.rfind(':');
        const auto [first, last] = ColumnFields(colon == std::string::npos ? "" : column.substr(colon + 1));
        const auto adding = list.add(column.substr(0, std::min(colon, column.size())), first, last);
        if (adding.refusal) {
            app.ui.show(MessageOf(*adding.refusal));
            return false;
        }
        if (!adding.added()) return BadColumns(app, column);
    }
    layout.variables = list.definitions();
    if (given.caseNames == "generated" || given.caseNames == "none") {
        layout.caseNames = given.caseNames == "none" ? FixedCaseNames::None : FixedCaseNames::Generated;
        return true;
    }
    const auto [first, last] = ColumnFields(given.caseNames);
    const ColumnCheck check = CheckColumns(first, last);
    if (check.kind != ColumnCheck::Ok) return BadColumns(app, given.caseNames);
    layout.caseNames = FixedCaseNames::Read;
    layout.nameFirst = check.first;
    layout.nameLast = check.last;
    return true;
}

ImportResult Import(App& app, const std::string& in, const ImportArguments& given) {
    if (given.layout == "values")
        return RunImport(app, in, ImportLayout::ValuesOnly, given.cases.value_or(""), given.variables.value_or(""));
    if (given.layout == "counts") return RunImport(app, in, ImportLayout::WithCounts, "", "");
    if (given.layout == "mirv") return RunImport(app, in, ImportLayout::Mirv, "", "");
    if (given.layout == "described") {
        DescribedFields fields;
        fields.skip = given.skip;
        fields.groups = given.groups;
        fields.countsInFile = given.countsInFile;
        fields.cases = given.cases.value_or("");
        fields.variables = given.variables.value_or("");
        fields.names = SourceOf(given.names);
        fields.types = given.types;
        fields.caseNames = SourceOf(given.caseNames);
        return RunDescribedImport(app, in, fields);
    }
    FixedLayout layout;
    if (!CheckImportPath(app, in) || !ReadFixedLayout(app, given, layout)) return {ImportResult::Refused};
    return ImportFixedWidth(app, in, layout);
}

}  // namespace

int RunImportCommand(App& app, Sheet&, const CliArguments& arguments, std::ostream&) {
    app.setActiveSheet(kSheet);
    const ImportResult result = Import(app, arguments.files[0], arguments.import);
    switch (result.outcome) {
    case ImportResult::Imported: return WriteOutput(app, app.sheet(result.sheet), arguments.files[1], "vo3");
    case ImportResult::Refused: return kRefused;
    case ImportResult::Failed: break;
    }
    return kFileFailed;
}

}  // namespace zoriduvo

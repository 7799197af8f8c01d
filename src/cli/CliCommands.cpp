#include "cli/CliCommands.h"

#include <filesystem>
#include <string>

#include "cli/ConsoleUi.h"
#include "files/FileImage.h"
#include "platform/Random.h"
#include "files/FileProblem.h"
#include "files/GatherSheet.h"
#include "files/NativeFileSave.h"
#include "files/OpenCommand.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/RangeSelection.h"
#include "sheet/Sorting.h"
#include "sheet/NumberText.h"
#include "transform/RunTransformation.h"
#include "transform/TransformErrors.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"
#include "variables/InformationViews.h"
#include "variables/Statistics.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {

namespace {
constexpr int kSheet = 1;

// IN read as the Open command reads it, into sheet 1.
bool ReadInput(App& app, const std::string& path) {
    auto& console = static_cast<ConsoleUi&>(app.ui);
    const int told = console.messageCount();
    app.setActiveSheet(kSheet);
    if (OpenPath(app, path, kSheet) == OpenOutcome::Opened) return true;
    // Open passes over a file of another kind without a word; a script must hear of it.
    if (console.messageCount() == told)
        app.ui.message("vo-Data ファイルでも CSV ファイルでもありません。\n" + path, "ファイルを開く", MessageIcon::Exclamation);
    return false;
}

// OUT written as "名前をつけて保存" writes it, or as the export writes versions 1, 2 and 4.
bool WriteOutput(App& app, Sheet& sheet, const std::string& path, int version) {
    if (version == 3) {
        if (!sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
        return WriteSheetVersion3(app, sheet, path);
    }
    FileImage image;
    if (version == 2 && !sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
    GatherSheet(app, sheet, path, version == 2, image);
    if (auto problem = SaveNativeImage(image, version, path)) {
        ShowFileProblem(app.ui, *problem);
        return false;
    }
    return true;
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

bool SetCaseRange(App& app, Sheet& sheet, const CliArguments& arguments) {
    if (!arguments.from) return true;
    RangeSelection range(sheet);
    return range.execute(app, sheet, *arguments.from, *arguments.to) != RangeSelection::Outcome::Refused;
}

// Each statement added as "追加" adds it, then all run as "実行" runs them.
bool Transform(App& app, Sheet& sheet, const CliArguments& arguments) {
    if (!SetCaseRange(app, sheet, arguments)) return false;
    if (arguments.seed) {
        // As "乱数の初期化" seeds: 0 (or no number) means the timer.
        const double seed = LeadingNumber(*arguments.seed);
        if (seed == 0) app.random.seedFromTimer();
        else app.random.seed(seed);
    }
    TransformList list(ReadTransformSetup(sheet));
    for (const std::string& statement : arguments.statements) {
        if (auto error = list.add(statement)) {
            ShowTransformError(app.ui, *error);
            return false;
        }
    }
    if (auto error = RunTransformation(app, sheet, list.setup(), list.records())) {
        ShowTransformError(app.ui, *error);
        return false;
    }
    return true;
}

int Stats(App& app, Sheet& sheet, std::ostream& out) {
    const int before = sheet.state().statisticsBlocks;
    ShowStatisticsBlock(app, sheet);
    if (sheet.state().statisticsBlocks == before) return kRefused;
    const Grid& grid = sheet.grdVo;
    const int last = sheet.lastColumn();
    for (int c = 2; c <= last; ++c) out << '\t' << grid.text(1, c);
    out << '\n';
    const int top = sheet.lastRow() + 2 + 7 * (sheet.state().statisticsBlocks - 1);
    out << grid.text(top, 1) << '\n';
    for (int r = top + 1; r <= top + 5; ++r) {
        out << grid.text(r, 1);
        for (int c = 2; c <= last; ++c) out << '\t' << grid.text(r, c);
        out << '\n';
    }
    return kDone;
}
}  // namespace

int RunCliCommand(App& app, const CliArguments& arguments, std::ostream& out) {
    if (!ReadInput(app, arguments.files[0])) return kFileFailed;
    Sheet& sheet = app.sheet(kSheet);
    const std::string& command = arguments.command;
    if (command == "info") {
        for (const auto& [caption, value] : FileInformation(sheet)) out << caption << '\t' << value << '\n';
        return kDone;
    }
    if (command == "stats") return SetCaseRange(app, sheet, arguments) ? Stats(app, sheet, out) : kRefused;
    if (command == "sort") {
        const int variable = FindVariable(sheet, *arguments.key);
        if (variable == 0) {
            app.ui.message("変数がありません: " + *arguments.key, "ソート", MessageIcon::Exclamation);
            return kRefused;
        }
        SortCases(app, sheet, variable, arguments.descending, arguments.withinGroups);
    }
    if (command == "transform" && !Transform(app, sheet, arguments)) return kRefused;
    const int version = command == "convert" ? arguments.format.back() - '0' : 3;
    return WriteOutput(app, sheet, arguments.files[1], version) ? kDone : kFileFailed;
}

}  // namespace zoriduvo

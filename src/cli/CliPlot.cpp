#include "cli/CliPlot.h"

#include "cli/CliCommands.h"
#include "cli/CliMessages.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "graphs/GraphPicture.h"
#include "graphs/SvgWriter.h"
#include "platform/EstimatedTextMetrics.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/Sheet.h"
#include "text/PathText.h"

namespace zoriduvo {

namespace {

constexpr int kFrameClientWidth = 1024;
constexpr int kFrameClientHeight = 768;

// The variables the options name, in order; false (and said) when one is missing.
bool FindAll(App& app, const Sheet& sheet, const std::vector<std::string>& names, std::vector<int>& variables) {
    for (const std::string& name : names) {
        const int v = FindVariable(sheet, name);
        if (v == 0) {
            app.ui.show(MessageOf(CliMessage::PlotVariable, {name}));
            return false;
        }
        variables.push_back(v);
    }
    return true;
}

// The graph the dialog of the kind would make; false when the options name no variable.
bool MakeGraph(App& app, Sheet& sheet, const CliArguments& arguments, Graph& graph) {
    const std::string& kind = arguments.files[0];
    const CaseRange range = ReadCaseRange(sheet);
    graph.caseCount = sheet.caseCount();
    std::vector<int> variables;
    if (kind == "scatter") {
        if (!arguments.x || !arguments.y) {
            app.ui.show(MessageOf(CliMessage::OptionNeeded, {"plot scatter", "--x NAME --y NAME"}));
            return false;
        }
        if (!FindAll(app, sheet, {*arguments.x, *arguments.y}, variables)) return false;
        graph.data = ScatterTable(sheet, variables[0], variables[1], range);
        graph.titles = {arguments.title.value_or(""), arguments.xTitle.value_or(""), arguments.yTitle.value_or("")};
        return true;
    }
    if (arguments.variables.empty()) {
        app.ui.show(MessageOf(CliMessage::OptionNeeded, {"plot " + kind, "--var NAME"}));
        return false;
    }
    if (kind == "index" && arguments.variables.size() > 1) {
        app.ui.show(MessageOf(CliMessage::VariableCount, {"plot index", "1"}));
        return false;
    }
    if (!FindAll(app, sheet, arguments.variables, variables)) return false;
    if (kind == "index")
        graph = IndexGraph(sheet, variables[0], range);
    else
        graph.data = BoxTable(sheet, variables, range,
                              arguments.meanDeviation ? BoxKind::MeanDeviation : BoxKind::MedianQuartiles);
    return true;
}

}  // namespace

int RunPlot(App& app, Sheet&, const CliArguments& arguments, std::ostream&) {
    const std::string& kind = arguments.files[0];
    if (kind != "scatter" && kind != "box" && kind != "index") {
        app.ui.show(MessageOf(CliMessage::UnknownPlot, {kind}));
        return kRefused;
    }
    const std::string& path = arguments.files[2];
    if (!ReadInput(app, arguments.files[1])) return kFileFailed;
    Sheet& sheet = app.sheet(1);
    if (!SetCaseRange(app, sheet, arguments)) return kRefused;
    Graph graph;
    if (!MakeGraph(app, sheet, arguments, graph)) return kRefused;
    const TwipSize pixels = GraphWindowPixels(kFrameClientWidth, kFrameClientHeight);
    const TwipSize size{pixels.width * kTwipsPerPixel, pixels.height * kTwipsPerPixel};
    // Half-width letters half a square wide: the measures of the fixed-pitch font the file names.
    const EstimatedTextMetrics metrics;
    const PlotPicture picture = DrawGraph(graph, ReadGraphView(graph), size, metrics);
    if (auto problem = SaveFileSafely(path, SvgOf(picture.list, metrics))) {
        ShowFileProblem(app.ui, *problem);
        return kFileFailed;
    }
    return kDone;
}

}  // namespace zoriduvo

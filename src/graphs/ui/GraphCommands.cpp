#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "graphs/GraphSlots.h"
#include "graphs/ui/GraphDialogs.h"
#include "graphs/ui/GraphWindow.h"
#include "platform/qt/ChildPlacement.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {

GraphWindow* ActiveGraph(QMdiArea& windows) {
    QMdiSubWindow* window = windows.activeSubWindow();
    return window ? dynamic_cast<GraphWindow*>(window->widget()) : nullptr;
}

// The label items' check marks are the active graph's.
void ShowLabelMenu(QWidget& frame, const GraphWindow& graph) {
    const LabelMenu& menu = graph.labelMenu();
    const std::pair<const char*, bool> marks[] = {
        {"mnuSCname", menu.caseNames}, {"mnuSValue", menu.values}, {"mnuSAllCname", menu.allNames}};
    for (const auto& [name, checked] : marks)
        for (QAction* action : frame.findChildren<QAction*>(name)) action->setChecked(checked);
    for (QAction* action : frame.findChildren<QAction*>("mnuShow"))
        action->setVisible(graph.kind() != PlotKind::Box);
}

// A new graph window in the lowest free slot, 4:3 in the frame, drawn as it is shown.
void OpenGraph(CommandRegistry& commands, GraphSlots& graphSlots, Graph graph) {
    const int slot = graphSlots.allocate();
    graphSlots.titles(slot) = graph.titles;
    auto* content = new GraphWindow(commands.app(), slot, std::move(graph));
    content->onClosed = [&graphSlots](int closed) { graphSlots.release(closed); };
    QMdiArea& windows = commands.windows();
    QMdiSubWindow* window = windows.addSubWindow(content);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(content->windowTitle());
    const int height = windows.viewport()->height() * 4 / 5;
    PlaceNewChild(windows, *window, QSize(height * 4 / 3, height));
    QWidget& frame = commands.frame();
    QObject::connect(window, &QMdiSubWindow::aboutToActivate, content, [content, &frame] {
        content->activate();
        ShowLabelMenu(frame, *content);
    });
    window->show();
    windows.setActiveSubWindow(window);
    content->activate();
    ShowLabelMenu(frame, *content);
}

}  // namespace

void RegisterGraphCommands(CommandRegistry& commands) {
    static GraphSlots graphSlots;  // one table for the program, as long as it runs
    App& app = commands.app();
    QWidget& frame = commands.frame();
    const auto show = [&commands](Graph graph) { OpenGraph(commands, graphSlots, std::move(graph)); };
    // Nothing to plot without variables; a scatter plot needs two different ones.
    const auto variables = [](int least) { return [least](Sheet& sheet) { return sheet.variableCount() >= least; }; };
    commands.addOnSheet("mnuGScatter", [&app, &frame, show](Sheet& sheet) {
        ScatterDialog(app, sheet, show, &frame).exec();
    }, variables(2));
    commands.addOnSheet("mnuGBox", [&app, &frame, show](Sheet& sheet) {
        BoxDialog(app, sheet, show, &frame).exec();
    }, variables(1));
    commands.addOnSheet("mnuGIndex", [&app, &frame, show](Sheet& sheet) {
        IndexDialog(app, sheet, show, &frame).exec();
    }, variables(1));
    QMdiArea& windows = commands.windows();
    const auto onGraph = [&windows, &frame](void (GraphWindow::*act)()) {
        return [&windows, &frame, act] {
            if (GraphWindow* graph = ActiveGraph(windows)) {
                (graph->*act)();
                ShowLabelMenu(frame, *graph);
            }
        };
    };
    commands.add("graph:mnuFSave", onGraph(&GraphWindow::save));
    commands.add("graph:mnuFPrint", onGraph(&GraphWindow::print));
    commands.add("graph:mnuECopy", onGraph(&GraphWindow::copy));
    commands.add("graph:mnuSCname", onGraph(&GraphWindow::toggleCaseNames));
    commands.add("graph:mnuSValue", onGraph(&GraphWindow::toggleValues));
    commands.add("graph:mnuSAllCname", onGraph(&GraphWindow::toggleAllNames));
    // Items the graph window carries without an action.
    for (const char* idle : {"graph:mnuFOpen", "graph:mnuFClose", "graph:mnuHKeyword"}) commands.add(idle, [] {});
}

}  // namespace zoriduvo

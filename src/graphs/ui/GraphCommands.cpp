#include "graphs/ui/GraphCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "graphs/GraphSlots.h"
#include "graphs/ui/GraphDialogs.h"
#include "graphs/ui/GraphWindow.h"
#include "platform/qt/ChildPlacement.h"
#include "platform/qt/FrameContext.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/Commands.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {

GraphWindow* ActiveGraph(QMdiArea& windows) {
    QMdiSubWindow* window = windows.activeSubWindow();
    return window ? dynamic_cast<GraphWindow*>(window->widget()) : nullptr;
}

// A new graph window in the lowest free slot, 4:3 in the frame, drawn as it is shown.
void OpenGraph(App& app, QMdiArea& windows, Graph graph) {
    GraphSlots& graphSlots = app.state<GraphSlots>();
    const int slot = graphSlots.allocate();
    graphSlots.titles(slot) = graph.titles;
    auto* content = new GraphWindow(app, slot, std::move(graph));
    content->onClosed = [&graphSlots](int closed) { graphSlots.release(closed); };
    QMdiSubWindow* window = windows.addSubWindow(content);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(content->windowTitle());
    const int height = windows.viewport()->height() * 4 / 5;
    PlaceNewChild(windows, *window, QSize(height * 4 / 3, height));
    QObject::connect(window, &QMdiSubWindow::aboutToActivate, content, [content] { content->activate(); });
    window->show();
    windows.setActiveSubWindow(window);
    content->activate();
}

}  // namespace

void RegisterGraphCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
    QMdiArea& windows = context.windows;
    const auto show = [&app, &windows](Graph graph) { OpenGraph(app, windows, std::move(graph)); };
    // Nothing to plot without variables; a scatter plot needs two different ones.
    const auto variables = [](int least) {
        return SheetRules{.enabled = [least](Sheet& sheet) { return sheet.variableCount() >= least; }};
    };
    commands.addOnSheet("mnuGScatter", [&app, &frame, show](Sheet& sheet) {
        ScatterDialog(app, sheet, show, &frame).exec();
    }, variables(2));
    commands.addOnSheet("mnuGBox", [&app, &frame, show](Sheet& sheet) {
        BoxDialog(app, sheet, show, &frame).exec();
    }, variables(1));
    commands.addOnSheet("mnuGIndex", [&app, &frame, show](Sheet& sheet) {
        IndexDialog(app, sheet, show, &frame).exec();
    }, variables(1));
    const auto onGraph = [&windows](void (GraphWindow::*act)()) {
        return [&windows, act] {
            if (GraphWindow* graph = ActiveGraph(windows)) (graph->*act)();
        };
    };
    // The label entries' check marks are the active graph's.
    const auto marked = [&windows](bool LabelMenu::*mark) {
        return CommandRules{.checked = [&windows, mark] {
            const GraphWindow* graph = ActiveGraph(windows);
            return graph && graph->labelMenu().*mark;
        }};
    };
    const auto onGraphMenu = [](const char* entry) { return CommandId(CommandScope::GraphMenus, entry); };
    commands.add(onGraphMenu("mnuECopy"), onGraph(&GraphWindow::copy));
    commands.add(onGraphMenu("mnuSCname"), onGraph(&GraphWindow::toggleCaseNames), marked(&LabelMenu::caseNames));
    commands.add(onGraphMenu("mnuSValue"), onGraph(&GraphWindow::toggleValues), marked(&LabelMenu::values));
    commands.add(onGraphMenu("mnuSAllCname"), onGraph(&GraphWindow::toggleAllNames), marked(&LabelMenu::allNames));
    // A box plot has no point labels to show.
    commands.add(onGraphMenu("mnuShow"), [] {}, {.shown = [&windows] {
        const GraphWindow* graph = ActiveGraph(windows);
        return !graph || graph->kind() != PlotKind::Box;
    }});
    // Items the graph window carries without an action.
    for (const char* idle : {"mnuFOpen", "mnuFClose", "mnuHKeyword"}) commands.add(onGraphMenu(idle), [] {});
}

}  // namespace zoriduvo

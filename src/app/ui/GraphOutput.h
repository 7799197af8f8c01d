// A graph window's picture into a file or onto a printer: the graph window draws, the files'
// safe save and printing messages carry it out.
#pragma once

namespace zoriduvo {

class App;
class CommandTable;
class GraphWindow;
struct FrameContext;

void SaveGraph(App& app, const GraphWindow& graph);
// On the printer; without one, the PDF is offered.
void PrintGraph(App& app, const GraphWindow& graph);

// The graph menus' Save and Print.
void RegisterGraphOutputCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

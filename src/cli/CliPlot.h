#pragma once
#include <ostream>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

// plot scatter|box|index IN OUT: the plot the graph dialogs make of IN, written to OUT as SVG at
// the window size of a 1024 × 768 frame client area.
int RunPlot(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo

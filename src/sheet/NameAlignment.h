#pragma once
#include "sheet/Grid.h"

namespace zoriduvo {

class App;
class Sheet;

// The variable-name alignment commands of the view menu and the toolbar.
void AlignVariableNames(App& app, Sheet& sheet, CellAlignment alignment);

}  // namespace zoriduvo

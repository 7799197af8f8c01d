// The variable and information entries of the Data and View menus.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterVariableCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

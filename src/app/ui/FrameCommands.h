// The Window and Help menus, which belong to the frame.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterWindowCommands(CommandTable& commands, FrameContext& context);
void RegisterHelpCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

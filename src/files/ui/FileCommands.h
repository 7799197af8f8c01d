// The File menu, the history of a sheet, and the toolbar's new, open, save and print.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterFileCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

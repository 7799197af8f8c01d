// The sheet menus' entries of the sheet itself: the name alignment, Undo and Redo.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterSheetCommands(CommandTable& commands, FrameContext& context);
void RegisterUndoCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

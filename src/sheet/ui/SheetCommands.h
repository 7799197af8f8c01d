// The sheet menus' own entries (name alignment, sort, range, transposition) and Undo and Redo.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterSheetCommands(CommandTable& commands, FrameContext& context);
void RegisterUndoCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

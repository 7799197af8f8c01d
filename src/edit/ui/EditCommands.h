#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

// The Edit menu, sort, case range, transposition, the missing-value entries, the seed and the
// toolbar's cut, copy and paste.
void RegisterEditCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

// The case groups, category combination and variable binding entries.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterCategoryCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

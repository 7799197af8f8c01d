// The transformation entry of the Data menu.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterTransformCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

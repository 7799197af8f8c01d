// The Graph menu and the menus of a graph window.
#pragma once

namespace zoriduvo {

class CommandTable;
struct FrameContext;

void RegisterGraphCommands(CommandTable& commands, FrameContext& context);

}  // namespace zoriduvo

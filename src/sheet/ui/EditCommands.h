#pragma once

namespace zoriduvo {

class CommandRegistry;

// The Edit menu, the missing-value entries, the seed and the toolbar's cut, copy and paste.
void RegisterEditCommands(CommandRegistry& commands);

}  // namespace zoriduvo

#pragma once

namespace zoriduvo {

class CommandRegistry;

// Each concern registers the commands of its menu entries and toolbar buttons from its own ui folder.
void RegisterFileCommands(CommandRegistry& commands);
void RegisterSheetCommands(CommandRegistry& commands);
void RegisterUndoCommands(CommandRegistry& commands);
void RegisterVariableCommands(CommandRegistry& commands);
void RegisterTransformCommands(CommandRegistry& commands);
void RegisterCategoryCommands(CommandRegistry& commands);
void RegisterWindowCommands(CommandRegistry& commands);
void RegisterHelpCommands(CommandRegistry& commands);
void RegisterGraphCommands(CommandRegistry& commands);

// Every concern's, once, when the frame is built.
inline void RegisterAllCommands(CommandRegistry& commands) {
    RegisterFileCommands(commands);
    RegisterSheetCommands(commands);
    RegisterUndoCommands(commands);
    RegisterVariableCommands(commands);
    RegisterTransformCommands(commands);
    RegisterCategoryCommands(commands);
    RegisterWindowCommands(commands);
    RegisterHelpCommands(commands);
    RegisterGraphCommands(commands);
}

}  // namespace zoriduvo

// The program's commands by id: what each does, and the rules a menu entry or toolbar button
// follows (enabled, checked, shown, caption). Each concern adds its own; menus, toolbar and
// shortcuts all run them through run().
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/Message.h"

namespace zoriduvo {

class App;
class Sheet;

// Where a command's name applies: the entry of that name on every menu bar, an entry that acts
// otherwise on the menus of the frame alone or of a graph window, or a toolbar button by its key.
enum class CommandScope : std::uint8_t { Menus, FrameMenus, GraphMenus, Toolbar };

struct CommandId {
    CommandId(const char* entry) : name(entry) {}  // NOLINT: a menu entry's control name is its id
    CommandId(std::string entry) : name(std::move(entry)) {}  // NOLINT
    CommandId(CommandScope where, std::string key) : scope(where), name(std::move(key)) {}

    CommandScope scope = CommandScope::Menus;
    std::string name;
    friend auto operator<=>(const CommandId&, const CommandId&) = default;
};

inline CommandId ToolCommand(std::string key) { return {CommandScope::Toolbar, std::move(key)}; }

// Rules of a command of the frame; an empty rule is "always" (enabled, shown), "never"
// (checked), or the entry's own caption.
struct CommandRules {
    std::function<bool()> enabled{};
    std::function<bool()> checked{};
    std::function<bool()> shown{};
    std::function<std::string()> caption{};
};

// Rules of a command on the active sheet, asked of that sheet; while no sheet is active the
// command is disabled, unchecked and does nothing.
struct SheetRules {
    std::function<bool(Sheet&)> enabled{};
    std::function<bool(Sheet&)> checked{};
    std::function<std::string(Sheet&)> caption{};
};

enum class CommandMessage { InternalError, OutOfMemory, Count };
Message MessageOf(CommandMessage code);

class CommandTable {
public:
    explicit CommandTable(App& app) : app_(app) {}
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    App& app() const { return app_; }

    // A later command under the same id replaces the earlier one.
    void add(const CommandId& id, std::function<void()> command, CommandRules rules = {});
    void addOnSheet(const CommandId& id, std::function<void(Sheet&)> command, SheetRules rules = {});

    bool has(const CommandId& id) const { return commands_.count(id) > 0; }
    // The command a menu entry runs on the given menus: their own when they have one, else the
    // entry's.
    CommandId entryCommand(CommandScope menus, std::string_view entry) const;
    bool enabled(const CommandId& id) const;
    bool checked(const CommandId& id) const;
    bool shown(const CommandId& id) const;
    // The caption the entry shows now; empty for the entry's own.
    std::string caption(const CommandId& id) const;

    // Runs a command whose rule lets it. A failure that escapes it is shown as a message and the
    // program goes on.
    void run(const CommandId& id);
    // Told of every command just before it runs (the recovery keeper writes first).
    void beforeEachRun(std::function<void(const CommandId&)> listener) { beforeRun_ = std::move(listener); }

private:
    struct Command {
        std::function<void()> run;
        CommandRules rules;
    };
    Sheet* activeSheet() const;

    App& app_;
    std::map<CommandId, Command> commands_;
    std::function<void(const CommandId&)> beforeRun_;
};

}  // namespace zoriduvo

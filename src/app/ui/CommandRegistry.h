#pragma once
#include <functional>
#include <map>
#include <string>

class QMdiArea;
class QWidget;

namespace zoriduvo {

class App;
class Sheet;

// The frame's commands by name: the control name of a menu entry ("mnuFOpen"), "tool:" with a
// toolbar key, or a menu set's prefix ("frame:") for an entry that acts otherwise in that set.
// Each concern registers its own; menus, toolbar and shortcuts all run them through run().
class CommandRegistry {
public:
    CommandRegistry(App& app, QWidget& frame, QMdiArea& windows);

    App& app() const { return app_; }
    // The parent of dialogs; closing it ends the program.
    QWidget& frame() const { return frame_; }
    QMdiArea& windows() const { return windows_; }

    // A later registration under the same name replaces the earlier one.
    void add(const std::string& name, std::function<void()> command);
    // Whether a command on the active sheet may run now, and the caption it shows now.
    using SheetRule = std::function<bool(Sheet&)>;
    using SheetCaption = std::function<std::string(Sheet&)>;
    // A command on the active sheet: disabled, and doing nothing, while no sheet is active or
    // while its rule says no; its menu entry shows the caption given, when one is.
    void addOnSheet(const std::string& name, std::function<void(Sheet&)> command, SheetRule enabledWhen = {},
                    SheetCaption caption = {});

    bool has(const std::string& name) const { return commands_.count(name) > 0; }
    bool enabled(const std::string& name) const;
    // The caption the entry shows for the active sheet; empty for the table's own.
    std::string caption(const std::string& name) const;
    // Runs a command. A failure that escapes it is shown as the internal-error message and the
    // frame goes on.
    void run(const std::string& name);
    // Told the name of every command just before it runs (the recovery keeper writes first).
    void beforeEachRun(std::function<void(const std::string&)> listener) { beforeRun_ = std::move(listener); }

private:
    struct Command {
        std::function<void()> onFrame;
        std::function<void(Sheet&)> onSheet;
        SheetRule enabledWhen;
        SheetCaption caption;
    };
    Sheet* activeSheet() const;
    void dispatch(const Command& command);

    App& app_;
    QWidget& frame_;
    QMdiArea& windows_;
    std::map<std::string, Command> commands_;
    std::function<void(const std::string&)> beforeRun_;
};

}  // namespace zoriduvo

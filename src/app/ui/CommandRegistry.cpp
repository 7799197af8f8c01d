#include "app/ui/CommandRegistry.h"

#include <new>

#include "app/AppMessages.h"
#include "files/FileProblem.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

CommandRegistry::CommandRegistry(App& app, QWidget& frame, QMdiArea& windows)
    : app_(app), frame_(frame), windows_(windows) {}

void CommandRegistry::add(const std::string& name, std::function<void()> command) {
    commands_[name] = {std::move(command), nullptr, nullptr, nullptr};
}

void CommandRegistry::addOnSheet(const std::string& name, std::function<void(Sheet&)> command, SheetRule enabledWhen,
                                 SheetCaption caption) {
    commands_[name] = {nullptr, std::move(command), std::move(enabledWhen), std::move(caption)};
}

Sheet* CommandRegistry::activeSheet() const {
    const int number = app_.activeSheet();
    return number > 0 ? &app_.sheet(number) : nullptr;
}

bool CommandRegistry::enabled(const std::string& name) const {
    auto it = commands_.find(name);
    if (it == commands_.end()) return false;
    const Command& command = it->second;
    if (!command.onSheet) return true;
    Sheet* sheet = activeSheet();
    return sheet && (!command.enabledWhen || command.enabledWhen(*sheet));
}

std::string CommandRegistry::caption(const std::string& name) const {
    auto it = commands_.find(name);
    Sheet* sheet = activeSheet();
    if (it == commands_.end() || !it->second.caption || !sheet) return {};
    return it->second.caption(*sheet);
}

void CommandRegistry::run(const std::string& name) {
    auto it = commands_.find(name);
    if (it == commands_.end()) return;
    // A copy: the command may replace itself or others while it runs.
    const Command command = it->second;
    try {
        if (beforeRun_) beforeRun_(name);
        dispatch(command);
    } catch (const std::bad_alloc&) {
        // Saves write whole files or none, so the user may free memory and try again.
        ShowFileProblem(app_.ui, {FileError::OutOfMemory});
    } catch (...) {
        // Qt cannot carry an exception through its event loop; the user hears of it and works on.
        app_.ui.show(MessageOf(AppMessageCode::InternalError));
    }
}

void CommandRegistry::dispatch(const Command& command) {
    if (command.onFrame) {
        command.onFrame();
        return;
    }
    const int number = ActiveSheetNumber(app_);
    if (number < 1) return;
    Sheet& sheet = app_.sheet(number);
    if (!command.enabledWhen || command.enabledWhen(sheet)) command.onSheet(sheet);
}

}  // namespace zoriduvo

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
    commands_[name] = {std::move(command), nullptr};
}

void CommandRegistry::addOnSheet(const std::string& name, std::function<void(Sheet&)> command) {
    commands_[name] = {nullptr, std::move(command)};
}

bool CommandRegistry::enabled(const std::string& name) const {
    auto it = commands_.find(name);
    return it != commands_.end() && (!it->second.onSheet || app_.activeSheet() > 0);
}

void CommandRegistry::run(const std::string& name) {
    auto it = commands_.find(name);
    if (it == commands_.end()) return;
    // A copy: the command may replace itself or others while it runs.
    const Command command = it->second;
    try {
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
    if (number > 0) command.onSheet(app_.sheet(number));
}

}  // namespace zoriduvo

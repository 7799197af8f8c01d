#include "sheet/Commands.h"

#include <new>

#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
using Code = CommandMessage;
constexpr MessageRow<Code> kMessages[] = {
    {Code::InternalError, "内部エラーのため、この操作を完了できませんでした。", kProgramTitle, MessageIcon::Critical},
    {Code::OutOfMemory, "メモリが足りないため、この操作を完了できませんでした。\nファイルは書き込まれていません。",
     kProgramTitle, MessageIcon::Exclamation},
};
static_assert(CoversEveryCode(kMessages));
}  // namespace

Message MessageOf(CommandMessage code) { return RowOf(kMessages, code).message(); }

void CommandTable::add(const CommandId& id, std::function<void()> command, CommandRules rules) {
    commands_.insert_or_assign(id, Command{std::move(command), std::move(rules)});
}

void CommandTable::addOnSheet(const CommandId& id, std::function<void(Sheet&)> command, SheetRules rules) {
    // Each rule asks the sheet active when it is asked, not the one active when it was added.
    const auto onActive = [this](auto rule, auto otherwise) {
        return [this, rule = std::move(rule), otherwise] {
            Sheet* sheet = activeSheet();
            return sheet ? rule(*sheet) : otherwise;
        };
    };
    CommandRules frame;
    frame.enabled = onActive(rules.enabled ? rules.enabled : [](Sheet&) { return true; }, false);
    if (rules.checked) frame.checked = onActive(std::move(rules.checked), false);
    if (rules.caption) frame.caption = onActive(std::move(rules.caption), std::string());
    add(id, [this, command = std::move(command)] {
        if (Sheet* sheet = activeSheet()) command(*sheet);
    }, std::move(frame));
}

Sheet* CommandTable::activeSheet() const {
    const int number = app_.activeSheet();
    return number > 0 ? &app_.sheet(number) : nullptr;
}

CommandId CommandTable::entryCommand(CommandScope menus, std::string_view entry) const {
    CommandId own(menus, std::string(entry));
    return has(own) ? own : CommandId(std::string(entry));
}

bool CommandTable::enabled(const CommandId& id) const {
    auto it = commands_.find(id);
    if (it == commands_.end()) return false;
    return !it->second.rules.enabled || it->second.rules.enabled();
}

bool CommandTable::checked(const CommandId& id) const {
    auto it = commands_.find(id);
    return it != commands_.end() && it->second.rules.checked && it->second.rules.checked();
}

bool CommandTable::shown(const CommandId& id) const {
    auto it = commands_.find(id);
    return it == commands_.end() || !it->second.rules.shown || it->second.rules.shown();
}

std::string CommandTable::caption(const CommandId& id) const {
    auto it = commands_.find(id);
    if (it == commands_.end() || !it->second.rules.caption) return {};
    return it->second.rules.caption();
}

void CommandTable::run(const CommandId& id) {
    auto it = commands_.find(id);
    if (it == commands_.end()) return;
    if (it->second.rules.enabled && !it->second.rules.enabled()) return;
    // A copy: the command may replace itself or others while it runs.
    const std::function<void()> command = it->second.run;
    try {
        if (beforeRun_) beforeRun_(id);
        command();
    } catch (const std::bad_alloc&) {
        // Saves write whole files or none, so the user may free memory and try again.
        app_.ui.show(MessageOf(CommandMessage::OutOfMemory));
    } catch (...) {
        // No caller can carry the failure further (a window's event loop); the user hears of it
        // and works on.
        app_.ui.show(MessageOf(CommandMessage::InternalError));
    }
}

}  // namespace zoriduvo

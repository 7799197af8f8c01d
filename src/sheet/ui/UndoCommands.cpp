#include <string>

#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "sheet/Sheet.h"
#include "sheet/ui/HistoryWindow.h"

namespace zoriduvo {

namespace {
// "元に戻す: 貼り付け(&U)" while there is a step to take back, else the entry's own caption.
std::string StepCaption(const char* verb, const std::string& step, const char* mnemonic) {
    if (step.empty()) return {};
    return std::string(verb) + ": " + step + mnemonic;
}
}  // namespace

void RegisterUndoCommands(CommandRegistry& commands) {
    commands.addOnSheet(
        "mnuEUndo", [](Sheet& sheet) { sheet.history().undo(); },
        [](Sheet& sheet) { return sheet.history().canUndo(); },
        [](Sheet& sheet) { return StepCaption("元に戻す", sheet.history().undoName(), "(&U)"); });
    commands.addOnSheet(
        "mnuERedo", [](Sheet& sheet) { sheet.history().redo(); },
        [](Sheet& sheet) { return sheet.history().canRedo(); },
        [](Sheet& sheet) { return StepCaption("やり直し", sheet.history().redoName(), "(&Y)"); });
    commands.addOnSheet("mnuEHistory", [&commands](Sheet& sheet) {
        HistoryWindow::Run(commands.app(), sheet, &commands.frame());
    });
}

}  // namespace zoriduvo

#include "sheet/ui/SheetCommands.h"

#include <string>

#include "platform/qt/FrameContext.h"
#include "sheet/Commands.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
// "元に戻す: 貼り付け(&U)" while there is a step to take back, else the entry's own caption.
std::string StepCaption(const char* verb, const std::string& step, const char* mnemonic) {
    if (step.empty()) return {};
    return std::string(verb) + ": " + step + mnemonic;
}
}  // namespace

void RegisterUndoCommands(CommandTable& commands, FrameContext&) {
    commands.addOnSheet("mnuEUndo", [](Sheet& sheet) { sheet.history().undo(); },
                        {.enabled = [](Sheet& sheet) { return sheet.history().canUndo(); },
                         .caption = [](Sheet& sheet) {
                             return StepCaption("元に戻す", sheet.history().undoName(), "(&U)");
                         }});
    commands.addOnSheet("mnuERedo", [](Sheet& sheet) { sheet.history().redo(); },
                        {.enabled = [](Sheet& sheet) { return sheet.history().canRedo(); },
                         .caption = [](Sheet& sheet) {
                             return StepCaption("やり直し", sheet.history().redoName(), "(&Y)");
                         }});
}

}  // namespace zoriduvo

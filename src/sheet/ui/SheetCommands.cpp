#include "sheet/ui/SheetCommands.h"

#include "platform/qt/FrameContext.h"
#include "sheet/App.h"
#include "sheet/Commands.h"
#include "sheet/NameAlignment.h"

namespace zoriduvo {

void RegisterSheetCommands(CommandTable& commands, FrameContext&) {
    App& app = commands.app();
    struct Alignment {
        const char* entry;
        const char* button;
        CellAlignment alignment;
    };
    for (const Alignment& a : {Alignment{"mnuVNameLeft", "valignLeft", CellAlignment::LeftCenter},
                               Alignment{"mnuVNameCenter", "valignCenter", CellAlignment::CenterCenter},
                               Alignment{"mnuVNameRight", "valignRight", CellAlignment::RightCenter}}) {
        auto align = [&app, alignment = a.alignment](Sheet& sheet) { AlignVariableNames(app, sheet, alignment); };
        // The entry of the active sheet's alignment carries the check mark.
        commands.addOnSheet(a.entry, align, {.checked = [alignment = a.alignment](Sheet& sheet) {
                                                 return sheet.nameAlignment() == alignment;
                                             }});
        commands.addOnSheet(ToolCommand(a.button), align);
    }
}

}  // namespace zoriduvo

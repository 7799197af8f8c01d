#include "sheet/ui/SheetCommands.h"

#include "platform/Ui.h"
#include "platform/qt/FrameContext.h"
#include "platform/qt/ModelessDialog.h"
#include "sheet/App.h"
#include "sheet/Commands.h"
#include "sheet/NameAlignment.h"
#include "sheet/Transpose.h"
#include "sheet/ui/EditCommands.h"
#include "sheet/ui/RangeDialog.h"
#include "sheet/ui/SortDialog.h"

namespace zoriduvo {

void RegisterSheetCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
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
    // The open sort dialog stays with the sheet it was opened for.
    commands.addOnSheet("mnuDSort", [&app, &frame](Sheet& sheet) {
        ShowModeless([&] { return new SortDialog(app, sheet.number(), &frame); }, [](SortDialog&) {});
    });
    commands.addOnSheet("mnuDRange", [&app, &frame](Sheet& sheet) {
        RangeDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
    commands.addOnSheet("mnuDTranspose", [&app](Sheet& sheet) {
        BusyPointer busy(app.ui);
        TransposeSheet(app, sheet);
    });
    // The two sort buttons have no command; registered, they follow the toolbar data's state.
    commands.add(ToolCommand("sortAs"), [] {});
    commands.add(ToolCommand("sortDs"), [] {});
    RegisterEditCommands(commands, context);
}

}  // namespace zoriduvo

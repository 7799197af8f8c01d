#include "app/ui/CommandRegistry.h"
#include "app/ui/CommandSets.h"
#include "platform/qt/ModelessDialog.h"
#include "sheet/App.h"
#include "platform/Ui.h"
#include "sheet/NameAlignment.h"
#include "sheet/Transpose.h"
#include "sheet/ui/EditCommands.h"
#include "sheet/ui/RangeDialog.h"
#include "sheet/ui/SortDialog.h"

namespace zoriduvo {

void RegisterSheetCommands(CommandRegistry& commands) {
    App& app = commands.app();
    QWidget& frame = commands.frame();
    struct Alignment {
        const char* entry;
        const char* button;
        CellAlignment alignment;
    };
    for (const Alignment& a : {Alignment{"mnuVNameLeft", "tool:valignLeft", CellAlignment::LeftCenter},
                               Alignment{"mnuVNameCenter", "tool:valignCenter", CellAlignment::CenterCenter},
                               Alignment{"mnuVNameRight", "tool:valignRight", CellAlignment::RightCenter}}) {
        auto align = [&app, alignment = a.alignment](Sheet& sheet) { AlignVariableNames(app, sheet, alignment); };
        commands.addOnSheet(a.entry, align);
        commands.addOnSheet(a.button, align);
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
    commands.add("tool:sortAs", [] {});
    commands.add("tool:sortDs", [] {});
    RegisterEditCommands(commands);
}

}  // namespace zoriduvo

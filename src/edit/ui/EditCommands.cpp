#include "edit/ui/EditCommands.h"

#include <functional>
#include <tuple>

#include "edit/ClipboardCommands.h"
#include "edit/InsertDelete.h"
#include "edit/Transpose.h"
#include "edit/ui/FindDialog.h"
#include "edit/ui/InsertDeleteDialog.h"
#include "edit/ui/JumpDialog.h"
#include "edit/ui/MissingValueDialog.h"
#include "edit/ui/RandomSeedDialog.h"
#include "edit/ui/RangeDialog.h"
#include "edit/ui/ReplaceDialog.h"
#include "edit/ui/SortDialog.h"
#include "platform/Ui.h"
#include "platform/qt/FrameContext.h"
#include "platform/qt/ModelessDialog.h"
#include "sheet/App.h"
#include "sheet/Commands.h"

namespace zoriduvo {

namespace {

// Whole rows or columns act at once; any other selection asks in the dialog.
void InsertOrDelete(App& app, QWidget& frame, Sheet& sheet, InsertDeleteDialog::Operation operation) {
    const InsertDeleteTarget target = TargetOfSelection(sheet);
    if (target.ask) {
        InsertDeleteDialog dialog(app, sheet, operation, &frame);
        dialog.exec();
        return;
    }
    const bool rows = target.kind == LineKind::Rows;
    if (operation == InsertDeleteDialog::Operation::Insert) {
        if (rows)
            InsertRows(app, sheet, target.first, target.count);
        else
            InsertColumns(app, sheet, target.first, target.count);
    } else {
        if (rows)
            DeleteRows(app, sheet, target.first, target.count);
        else
            DeleteColumns(app, sheet, target.first, target.count);
    }
}

}  // namespace

void RegisterEditCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QWidget& frame = context.frame;
    using OnSheet = std::function<void(Sheet&)>;
    const OnSheet cut = [&app](Sheet& sheet) { CutSelection(app, sheet); };
    const OnSheet copy = [&app](Sheet& sheet) { CopySelection(app, sheet); };
    const OnSheet paste = [&app](Sheet& sheet) { PasteAtCursor(app, sheet); };
    for (const auto& [entry, button, command] :
         {std::tuple{"mnuECut", "editCut", cut}, std::tuple{"mnuECopy", "editCopy", copy},
          std::tuple{"mnuEPaste", "editPaste", paste}}) {
        commands.addOnSheet(entry, command);
        commands.addOnSheet(ToolCommand(button), command);
    }
    commands.addOnSheet("mnuEErase", [&app](Sheet& sheet) { EraseSelection(app, sheet); });
    commands.addOnSheet("mnuECopyLabels", [&app](Sheet& sheet) { CopyWithLabels(app, sheet); });
    commands.addOnSheet("mnuEPasteLabels", [&app](Sheet& sheet) { PasteWithLabels(app, sheet); });
    commands.addOnSheet("mnuECopyAll", [&app](Sheet& sheet) { CopyWholeSheet(app, sheet); });

    commands.addOnSheet("mnuEInsert", [&app, &frame](Sheet& sheet) {
        InsertOrDelete(app, frame, sheet, InsertDeleteDialog::Operation::Insert);
    });
    commands.addOnSheet("mnuEDelete", [&app, &frame](Sheet& sheet) {
        InsertOrDelete(app, frame, sheet, InsertDeleteDialog::Operation::Delete);
    });
    commands.addOnSheet("mnuEFind", [&app, &frame](Sheet& sheet) {
        FindDialog dialog(app, sheet, &frame);
        dialog.exec();
    });
    commands.addOnSheet("mnuEReplace", [&app, &frame](Sheet&) {
        ShowModeless([&] { return new ReplaceDialog(app, &frame); }, [](ReplaceDialog&) {});
    });
    commands.addOnSheet("mnuEJump", [&frame](Sheet& sheet) {
        JumpDialog dialog(sheet, &frame);
        dialog.exec();
    });

    using Kind = MissingValueDialog::Kind;
    for (const auto& [name, kind] :
         {std::pair{"mnuDToBlank", Kind::ToBlank}, std::pair{"mnuDFromBlank", Kind::FromBlank},
          std::pair{"mnuDBlankCode", Kind::BlankCode}}) {
        commands.addOnSheet(name, [&app, &frame, kind](Sheet& sheet) {
            MissingValueDialog dialog(app, sheet, kind, &frame);
            dialog.exec();
        });
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
    commands.add("mnuORnd", [&app, &frame] {
        RandomSeedDialog dialog(app, &frame);
        dialog.exec();
    });
}

}  // namespace zoriduvo

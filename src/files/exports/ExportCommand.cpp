#include "files/exports/ExportCommand.h"

#include "files/FilePaths.h"
#include "files/NativeFileSave.h"
#include "files/OpenCommand.h"
#include "files/exports/WriteExport.h"
#include "sheet/App.h"
#include "sheet/SheetRecords.h"

namespace zoriduvo {

FileDialogRequest ExportBrowseRequest(const ExportForm& form) {
    FileDialogRequest request;
    request.title = TextOf(ExportText::Title);
    request.filter = TextOf(ExportText::BrowseFilter);
    request.filterIndex = form.filterIndex;
    request.askBeforeOverwrite = true;
    return request;
}

std::string ExportNote(const ExportForm& form, const Sheet& sheet) {
    if (form.name != "mirv") return {};
    const std::string& code = sheet.information().blankCode;
    for (const char* blank : {kDefaultBlankCode, "", "NA", "."})
        if (code == blank) return {};
    return TextOf(ExportText::BlankCodeNote, {code});
}

ExportOutcome ExportCommand(App& app, Sheet& sheet, const ExportForm& form, const std::string& path) {
    if (path.empty()) return ExportOutcome::NoPath;
    std::vector<std::string> paths;
    if (auto refusal = form.outputPaths(path, paths)) {
        app.ui.show(MessageOf(*refusal));
        return ExportOutcome::PathRefused;
    }
    // Written over, an open sheet's file would no longer hold that sheet, or would bind two sheets.
    for (const std::string& output : paths) {
        if (SheetHoldingFile(app, AbsolutePath(output)) != 0) {
            app.ui.show(MessageOf(ExportText::TargetOpen));
            return ExportOutcome::PathRefused;
        }
    }
    FileImage written;
    std::vector<std::string> notices;
    if (auto problem = WriteExport(app, sheet, form, paths.at(0), written, {.notices = &notices})) {
        // The export's messages carry its own title, whatever the writer found.
        Message message = MessageOf(*problem);
        message.title = TextOf(ExportText::Title);
        app.ui.show(message);
        const bool refused = problem->code == FileError::UnholdableValue ||
                             problem->code == FileError::UnwritableCharacter;
        return refused ? ExportOutcome::Refused : ExportOutcome::Failed;
    }
    if (!notices.empty()) {
        std::string lines;
        for (const std::string& notice : notices) lines.append(lines.empty() ? "" : "\n").append(notice);
        Message message = MessageOf(ExportText::NamesChanged);
        message.text = TextOf(ExportText::NamesChanged, {std::to_string(notices.size()), lines});
        app.ui.show(message);
    }
    if (form.native()) {
        written.path = AbsolutePath(written.path);  // so that a later Save finds the same file
        TakeWrittenFile(sheet, written, form.version);
    }
    return ExportOutcome::Written;
}

}  // namespace zoriduvo

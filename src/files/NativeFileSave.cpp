#include "files/NativeFileSave.h"

#include "files/FileMessages.h"
#include "files/NativeWriter.h"
#include "files/exports/ExportFormats.h"
#include "files/exports/WriteExport.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

void TakeWrittenFile(Sheet& sheet, FileImage& image, int version) {
    image.formatTag = FormatTagOf(version);
    TakeFileRecord(sheet.information(), image);
    sheet.statisticsAndFile().hasFile = true;
    if (version == 2 || version == 3) sheet.setStatisticsValid(true);
    sheet.setModified(false);
    sheet.history().markSaved();
}

namespace {

// A character code page 932 cannot hold: the file can be written in UTF-8 instead, if the user
// says so. Never a silent replacement of the user's names.
bool AskForUtf8(App& app, const FileProblem& problem) {
    const Message question = MessageOf(FileText::SaveInUtf8Question, {problem.detail, problem.where});
    return app.ui.show(question, MessageButtons::YesNo) == Answer::Yes;
}

}  // namespace

bool WriteSheetVersion3(App& app, Sheet& sheet, const std::string& path) {
    bool declined = false;
    FileImage written;
    const auto writeInUtf8 = [&](const FileProblem& unwritable) {
        declined = !AskForUtf8(app, unwritable);
        return !declined;
    };
    const auto problem = WriteExport(app, sheet, *FindExportForm("vo3"), path, written, {.writeInUtf8 = writeInUtf8});
    if (!problem) TakeWrittenFile(sheet, written, 3);
    else if (!declined) ShowFileProblem(app.ui, *problem);
    return !problem;
}

}  // namespace zoriduvo

#include "files/NativeFileSave.h"

#include "files/FileMessages.h"
#include "files/GatherSheet.h"
#include "files/NativeWriter.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

std::optional<FileProblem> WriteNativeFile(Sheet& sheet, FileImage& image, int version) {
    std::string bytes;
    if (auto problem = EncodeNativeFile(image, version, bytes)) return problem;
    if (auto problem = SaveFileSafely(image.path, bytes)) return problem;
    TakeWrittenFile(sheet, image, version);
    return std::nullopt;
}

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
    const Message question = FileMessageOf(FileText::SaveInUtf8Question, {problem.detail, problem.where});
    return app.ui.show(question, MessageButtons::YesNo) == Answer::Yes;
}

}  // namespace

bool WriteSheetVersion3(App& app, Sheet& sheet, const std::string& path) {
    FileImage image;
    std::string bytes;
    std::optional<FileProblem> problem;
    bool utf8Holds = false;
    {
        BusyPointer busy(app.ui);
        GatherSheet(app, sheet, path, true, image, GatheredBlanks::NativeMark, GatheredValues::Borrowed);
        problem = EncodeNativeFile(image, 3, bytes);
        if (problem && problem->code == FileError::UnwritableCharacter)
            utf8Holds = !EncodeNativeFile(image, 3, bytes, TextCode::Utf8);
    }
    if (utf8Holds) {
        if (!AskForUtf8(app, *problem)) return false;
        problem.reset();
    }
    if (!problem) {
        BusyPointer busy(app.ui);
        problem = SaveFileSafely(image.path, bytes);
        if (!problem) TakeWrittenFile(sheet, image, 3);
    }
    if (problem) ShowFileProblem(app.ui, *problem);
    return !problem;
}

}  // namespace zoriduvo

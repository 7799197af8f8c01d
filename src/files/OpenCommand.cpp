#include "files/OpenCommand.h"

#include <optional>

#include "files/CsvQuickReader.h"
#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "files/NativeReader.h"
#include "files/ReadingNotes.h"
#include "files/SheetLoader.h"
#include "files/imports/ForeignData.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {

enum class Reader { Native, Csv, Foreign, None };

// The data sets of other programs by their first bytes, whatever their names end with.
Reader ChooseReader(const std::string& path, const std::string& bytes) {
    if (ForeignKindOf(bytes) != ForeignKind::None) return Reader::Foreign;
    if (EndsWithNoCase(path, "vo")) return Reader::Native;
    if (EndsWithNoCase(path, "csv")) return Reader::Csv;
    return HasVoDataTag(bytes) ? Reader::Native : Reader::None;
}

}  // namespace

ForeignQuestions ForeignQuestionsOf(Ui& ui) {
    ForeignQuestions questions;
    questions.chooseSheet = [&ui](const std::vector<std::string>& sheets) {
        return ui.chooseItem(TextOf(FileText::OpenTitle), TextOf(FileText::ChooseWorksheet), sheets);
    };
    questions.takeCaseNames = [&ui](const std::string& variable) {
        Message question = MessageOf(FileText::CaseNamesQuestion, {variable});
        return ui.show(question, MessageButtons::YesNo) == Answer::Yes;
    };
    return questions;
}

int SheetHoldingFile(App& app, const std::string& path) {
    for (int n : app.openSheets()) {
        const std::string& other = app.sheet(n).information().path;
        // Only paths with a folder name a file; imported sheets keep a bare name.
        if (!other.empty() && other.front() == '/' && SameFile(other, path)) return n;
    }
    return 0;
}

OpenOutcome OpenPath(App& app, const std::string& chosen, int into, bool exactValues) {
    const std::string path = AbsolutePath(chosen);
    std::optional<std::string> bytes{std::in_place};
    if (auto unread = ReadFileToOpen(path, *bytes)) {
        ShowFileProblem(app.ui, *unread);
        return OpenOutcome::Failed;
    }
    if (SheetHoldingFile(app, path) != 0) {
        ShowFileProblem(app.ui, {FileError::AlreadyOpen});
        return OpenOutcome::AlreadyOpen;
    }

    std::optional<FileProblem> problem;
    ReadingNotes notes;
    {
        BusyPointer busy(app.ui);
        FileImage image;
        const Reader reader = ChooseReader(path, *bytes);
        switch (reader) {
        case Reader::None: return OpenOutcome::NotOurFormat;
        case Reader::Native:
            problem = ReadNativeOwnedBytes(std::move(*bytes), image);
            if (!problem) SetImageSource(image, path);
            break;
        case Reader::Csv:
            problem = ReadCsvBytes(*bytes, image);
            if (!problem) image.path = path, image.fileName = FileNameOf(path);
            break;
        case Reader::Foreign: {
            bool cancelled = false;
            problem = ReadForeignBytes(*bytes, ForeignKindOf(*bytes), ForeignQuestionsOf(app.ui), image, cancelled);
            if (cancelled) return OpenOutcome::Cancelled;
            if (!problem) image.path = path, image.fileName = FileNameOf(path);
            break;
        }
        }
        bytes.reset();  // the image holds all the sheet needs: the file's bytes go before it is filled
        if (!problem) {
            LoadOptions options;
            // Only a vo-Data file is saved back where it came from; the others ask for a name.
            options.hasFile = reader == Reader::Native;
            // The texts of string variables stay texts, as the values of an exact copy do.
            options.exactValues = exactValues || reader == Reader::Foreign;
            options.into = into;
            if (LoadImageIntoSheet(app, image, options) == 0) return OpenOutcome::Failed;
            notes = image.notes;
            NoteUnstorableNames(image, notes);
        }
    }
    if (problem) {
        if (problem->code == FileError::Utf16Text || (problem->code == FileError::CannotRead && problem->where.empty()))
            problem->where = path;
        ShowFileProblem(app.ui, *problem);
        return OpenOutcome::Failed;
    }
    TellReadingNotes(app.ui, notes, TextOf(FileText::OpenTitle));
    return OpenOutcome::Opened;
}

OpenOutcome OpenFileCommand(App& app) {
    FileDialogRequest request;
    request.title = TextOf(FileText::OpenTitle);
    request.filter = TextOf(FileText::OpenFilter);
    request.defaultExtension = "vo";
    const auto chosen = app.ui.openFileName(request);
    if (!chosen) return OpenOutcome::Cancelled;
    return OpenPath(app, *chosen);
}

}  // namespace zoriduvo

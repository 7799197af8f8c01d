#include "files/imports/ImportCommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "files/OpenCommand.h"
#include "files/ReadingNotes.h"
#include "files/imports/ImportMessages.h"
#include "files/imports/ImportSheet.h"
#include "files/imports/MirvReader.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRecords.h"
#include "text/Lines.h"
#include "text/NumberText.h"
#include "text/PathText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

constexpr const char* kTextTableTag = "vo-Data_3";

ImportResult Refuse(App& app, ImportMessage code, std::initializer_list<std::string_view> values = {}) {
    app.ui.show(MessageOf(code, values));
    return {ImportResult::Refused};
}

// A count typed into a dialog: its leading number, rounded; 0 for a number no count can be.
int TypedCount(std::string_view text) { return RoundToInt32(LeadingNumber(text)).value_or(0); }

// The counts the user typed, both 1 or more and within a sheet; else the refusal's message.
std::optional<ImportMessage> CheckTypedCounts(int cases, int variables, ImportMessage missing) {
    if (cases < 1 || variables < 1) return missing;
    if (cases > kMaxCount || variables > kMaxCount) return ImportMessage::CountsTooLarge;
    return std::nullopt;
}

// Reads with the hourglass up, then builds the sheet; a problem is told once the pointer is back.
template <typename Read>
ImportResult ReadAndLoad(App& app, const std::string& path, const char* formatTag, Read read) {
    std::optional<FileProblem> problem;
    int n = 0;
    ReadingNotes notes;
    {
        BusyPointer busy(app.ui);
        FileImage image;
        problem = read(image);
        if (!problem) {
            image.path = image.fileName = ImportedCaption(path);
            image.fileLabel = kUndefined;
            image.formatTag = formatTag;
            image.date = kNotSaved;
            n = LoadImportedImage(app, image, image.fileName);
            notes = image.notes;
            NoteUnstorableNames(image, notes);
        }
    }
    if (problem) {
        app.ui.show(ImportProblemMessage(*problem));
        return {ImportResult::Failed};
    }
    if (n != 0) TellReadingNotes(app.ui, notes, kImportTitle);
    return {n != 0 ? ImportResult::Imported : ImportResult::Failed, n};
}

ImportResult Fail(App& app, const FileProblem& problem) {
    app.ui.show(ImportProblemMessage(problem));
    return {ImportResult::Failed};
}

}  // namespace

bool CheckImportPath(App& app, const std::string& path) {
    if (Trim(path).empty()) {
        app.ui.show(MessageOf(ImportMessage::NoPath));
        return false;
    }
    const std::string name(Trim(FileNameOf(path)));
    if (name.empty() || name.front() == '.') {
        app.ui.show(MessageOf(ImportMessage::BadFileName));
        return false;
    }
    return true;
}

ImportResult RunImport(App& app, const std::string& path, ImportLayout layout, std::string_view casesText,
                       std::string_view variablesText) {
    if (!CheckImportPath(app, path)) return {ImportResult::Refused};
    TextLayoutOptions options;
    switch (layout) {
    case ImportLayout::None:
        app.ui.show(MessageOf(ImportMessage::NoLayout), MessageButtons::YesNo);
        return {ImportResult::Refused};
    case ImportLayout::ValuesOnly:
        options.cases = TypedCount(casesText);
        options.variables = TypedCount(variablesText);
        if (auto refusal = CheckTypedCounts(options.cases, options.variables, ImportMessage::CountsMissing))
            return Refuse(app, *refusal);
        return ImportTextTable(app, path, options, true);
    case ImportLayout::WithCounts:
        options.countsInFile = true;
        return ImportTextTable(app, path, options, true);
    case ImportLayout::Mirv:
        if (!EndsWithNoCase(path, ".hdr")) return Refuse(app, ImportMessage::NotHeader);
        return ImportMirvPair(app, path);
    }
    return {ImportResult::Refused};
}

ImportResult RunDescribedImport(App& app, const std::string& path, const DescribedFields& fields) {
    if (!CheckImportPath(app, path)) return {ImportResult::Refused};
    TextLayoutOptions options;
    options.skipLines = std::max(TypedCount(fields.skip), 0);
    options.groups = fields.groups;
    options.countsInFile = fields.countsInFile;
    options.names = fields.names;
    options.types = fields.types;
    options.caseNames = fields.caseNames;
    // Groups are read with the counts; without them they would be taken for values.
    if (fields.groups && !fields.countsInFile) return Refuse(app, ImportMessage::GroupsNeedCounts);
    if (!fields.countsInFile) {
        if (Trim(fields.cases).empty() || Trim(fields.variables).empty())
            return Refuse(app, ImportMessage::DescribedCountsMissing);
        options.cases = TypedCount(fields.cases);
        options.variables = TypedCount(fields.variables);
        if (auto refusal = CheckTypedCounts(options.cases, options.variables, ImportMessage::DescribedCountsMissing))
            return Refuse(app, *refusal);
    }
    return ImportTextTable(app, path, options, false);
}

ImportResult ImportTextTable(App& app, const std::string& path, const TextLayoutOptions& options, bool checkOpen) {
    std::string text;
    if (auto problem = ReadImportText(path, text)) return Fail(app, *problem);
    if (checkOpen && SheetHoldingFile(app, path) != 0) return Fail(app, {FileError::AlreadyOpen});
    // Skipping every line leaves a sheet of blanks that nobody asked for.
    if (options.skipLines > 0 && SkipLines(text, options.skipLines).find_first_not_of(" \t\r\n") == std::string::npos)
        return Refuse(app, ImportMessage::NothingAfterSkip,
                      {std::to_string(options.skipLines), std::to_string(TextLines(text).size())});
    return ReadAndLoad(app, path, kTextTableTag, [&](FileImage& image) {
        auto problem = ReadTextTable(text, options, image);
        text = std::string();  // the image holds all the sheet needs
        return problem;
    });
}

ImportResult ImportMirvPair(App& app, const std::string& headerPath) {
    std::string header, data;
    if (auto problem = ReadImportText(headerPath, header)) return Fail(app, *problem);
    if (SheetHoldingFile(app, headerPath) != 0) return Fail(app, {FileError::AlreadyOpen});
    const std::string dataPath = MirvDataPath(headerPath);
    if (auto problem = ReadImportText(dataPath, data)) {
        // A sheet without cases leaves an empty data file: the header says whether that is right.
        std::error_code error;
        const bool empty = std::filesystem::is_regular_file(dataPath, error) && std::filesystem::file_size(dataPath, error) == 0;
        if (problem->code != FileError::FileMissing || !empty) return Fail(app, *problem);
        data.clear();
    }
    return ReadAndLoad(app, headerPath, kNotSaved, [&](FileImage& image) {
        auto problem = ReadMirvTexts(header, data, image, FileNameOf(dataPath));
        data = std::string();
        return problem;
    });
}

}  // namespace zoriduvo

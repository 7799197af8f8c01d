#include "files/Recovery.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/SafeSave.h"
#include "files/SheetLoader.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

namespace fs = std::filesystem;

namespace {
// Version 4 carries definitions and groups but no statistics, so nothing is computed to keep it.
constexpr int kRecoveryVersion = 4;

std::string DataPath(const std::string& folder, int sheet) { return folder + "/" + std::to_string(sheet) + ".vo"; }
std::string RecordPath(const std::string& folder, int sheet) { return folder + "/" + std::to_string(sheet) + ".rec"; }

// One "key=value" line each; values never hold a line break (captions, paths and labels cannot).
std::string RecordText(const RecoveryEntry& e) {
    return "caption=" + e.caption + "\npath=" + e.path + "\nlabel=" + e.fileLabel + "\nhasFile=" +
           (e.hasFile ? "1" : "0") + "\n";
}

void ReadRecord(const std::string& path, RecoveredSheet& sheet) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "caption") sheet.caption = value;
        else if (key == "path") sheet.path = value;
        else if (key == "label") sheet.fileLabel = value;
        else if (key == "hasFile") sheet.hasFile = value == "1";
    }
}
}  // namespace

RecoverySnapshot TakeRecoverySnapshot(App& app, const std::string& runFolder) {
    RecoverySnapshot snapshot{runFolder, {}, {}};
    for (const int n : app.openSheets()) {
        Sheet& sheet = app.sheet(n);
        if (!sheet.modified()) {
            snapshot.unmodified.push_back(n);
            continue;
        }
        RecoveryEntry& e = snapshot.sheets.emplace_back();
        e.sheet = n;
        GatherSheet(app, sheet, DataPath(runFolder, n), false, e.image, GatheredBlanks::NativeMark);
        e.caption = sheet.caption();
        e.path = sheet.information().path;
        e.fileLabel = sheet.information().fileLabel;
        e.hasFile = sheet.statisticsAndFile().hasFile;
    }
    return snapshot;
}

std::optional<FileProblem> WriteRecoverySnapshot(const RecoverySnapshot& snapshot) {
    for (const int n : snapshot.unmodified) ForgetRecoveredSheet(snapshot.folder, n);
    if (snapshot.sheets.empty()) return std::nullopt;
    std::error_code error;
    fs::create_directories(snapshot.folder, error);
    for (const RecoveryEntry& e : snapshot.sheets) {
        std::string bytes;
        if (auto problem = EncodeNativeFile(e.image, kRecoveryVersion, bytes)) return problem;
        if (auto problem = SaveFilesSafely({{DataPath(snapshot.folder, e.sheet), std::move(bytes)},
                                            {RecordPath(snapshot.folder, e.sheet), RecordText(e)}}))
            return problem;
    }
    return std::nullopt;
}

void ForgetRecoveredSheet(const std::string& runFolder, int sheet) {
    std::error_code error;
    fs::remove(DataPath(runFolder, sheet), error);
    fs::remove(RecordPath(runFolder, sheet), error);
}

std::vector<RecoveredSheet> FindLeftSheets(const std::string& root, bool (*alive)(int pid)) {
    std::vector<RecoveredSheet> left;
    std::error_code error;
    for (const auto& run : fs::directory_iterator(root, error)) {
        const std::string name = run.path().filename().string();
        if (!run.is_directory(error) || name.find_first_not_of("0123456789") != std::string::npos) continue;
        if (alive(std::stoi(name))) continue;
        for (const auto& file : fs::directory_iterator(run.path(), error)) {
            if (file.path().extension() != ".rec") continue;
            RecoveredSheet sheet;
            sheet.recordPath = file.path().string();
            sheet.dataPath = fs::path(file.path()).replace_extension(".vo").string();
            ReadRecord(sheet.recordPath, sheet);
            left.push_back(std::move(sheet));
        }
    }
    return left;
}

bool RestoreLeftSheet(App& app, const RecoveredSheet& left) {
    FileImage image;
    if (auto problem = ReadNativeFile(left.dataPath, image)) {
        ShowFileProblem(app.ui, *problem);
        return false;
    }
    const int n = LoadImageIntoSheet(app, image, {left.hasFile, 0});
    if (n == 0) return false;
    Sheet& sheet = app.sheet(n);
    sheet.setCaption(left.caption);
    sheet.information().path = left.path;
    sheet.information().fileLabel = left.fileLabel;
    sheet.statisticsAndFile().hasFile = left.hasFile;
    sheet.setModified(true);
    return true;
}

void DiscardLeftSheet(const RecoveredSheet& left) {
    std::error_code error;
    fs::remove(left.dataPath, error);
    fs::remove(left.recordPath, error);
    const fs::path run = fs::path(left.recordPath).parent_path();
    if (fs::is_empty(run, error)) fs::remove(run, error);
}

}  // namespace zoriduvo

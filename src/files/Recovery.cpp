#include "files/Recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/SafeSave.h"
#include "files/SheetLoader.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRunPrefix = "run-";
constexpr std::string_view kSheetExtension = ".rec";
constexpr const char* kLockName = "lock";
// A full sheet of long texts stays well below this; a bigger file is none of ours.
constexpr std::uint64_t kMaxSheetFileBytes = std::uint64_t{1} << 30;

std::string SheetFilePath(const std::string& folder, int sheet) {
    return folder + "/" + std::to_string(sheet) + std::string(kSheetExtension);
}

// A folder or file of ours: not a link, owned by the user.
bool Ours(const fs::path& path, mode_t type, struct stat& info) {
    return ::lstat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == type && info.st_uid == ::geteuid();
}

// A run that died leaves its lock free to take: taken, its descriptor; -1 for a live run. A folder
// without its lock is in the making (or is no run's): it is left alone.
int TakeDeadRunLock(const fs::path& folder) {
    const int fd = ::open((folder / kLockName).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

// The run folder goes with its last sheet file.
void RemoveEmptyRun(const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().filename() != kLockName) return;
    fs::remove(folder / kLockName, error);
    fs::remove(folder, error);
}

// A recorded path is saved over without a question only when it holds a vo-Data file of the
// user's: a record is a file anyone with the folder could have written.
bool UsersVoDataFile(const std::string& path) {
    struct stat info {};
    if (!fs::path(path).is_absolute() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid())
        return false;
    std::string bytes;
    return !ReadFileToOpen(path, bytes) && HasVoDataTag(bytes);
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
        GatherSheet(app, sheet, SheetFilePath(runFolder, n), false, e.image, GatheredBlanks::NativeMark);
        e.record = {sheet.caption(), sheet.information().path, sheet.information().fileLabel,
                    sheet.information().blankCode, sheet.statisticsAndFile().hasFile};
    }
    return snapshot;
}

std::optional<FileProblem> WriteRecoverySnapshot(const RecoverySnapshot& snapshot) {
    for (const int n : snapshot.unmodified) ForgetRecoveredSheet(snapshot.folder, n);
    std::optional<FileProblem> first;
    for (const RecoveryEntry& e : snapshot.sheets) {
        auto problem = snapshot.folder.empty()
                           ? FileProblem{FileError::CannotWrite, 0, 0, "", TextOf(FileText::NoFolder)}
                           : SaveFilesSafely({{SheetFilePath(snapshot.folder, e.sheet),
                                               EncodeRecoveryFile(e.record, e.image), true}});
        if (problem && !first) first = std::move(problem);
    }
    return first;
}

void ForgetRecoveredSheet(const std::string& runFolder, int sheet) {
    if (!runFolder.empty()) ::unlink(SheetFilePath(runFolder, sheet).c_str());
}

RecoveryRun::RecoveryRun(const std::string& root) {
    std::error_code error;
    fs::create_directories(root, error);
    struct stat info {};
    if (!Ours(root, S_IFDIR, info) || ::chmod(root.c_str(), 0700) != 0) return;
    std::string folder = root + "/" + std::string(kRunPrefix) + "XXXXXX";
    if (!::mkdtemp(folder.data())) return;  // made 0700
    const int fd = ::open((folder + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0) ::close(fd);
        fs::remove_all(folder, error);
        return;
    }
    folder_ = std::move(folder);
    lock_ = fd;
}

RecoveryRun::~RecoveryRun() {
    if (lock_ >= 0) ::close(lock_);
}

void RecoveryRun::removeAll() {
    if (folder_.empty()) return;
    std::error_code error;
    fs::remove_all(folder_, error);
}

LeftSheets::~LeftSheets() {
    for (const int fd : locks) ::close(fd);
}

LeftSheets FindLeftSheets(const std::string& root) {
    LeftSheets left;
    std::error_code error;
    for (const auto& run : fs::directory_iterator(root, error)) {
        struct stat info {};
        const std::string name = run.path().filename().string();
        if (!name.starts_with(kRunPrefix) || !Ours(run.path(), S_IFDIR, info)) continue;
        const int lock = TakeDeadRunLock(run.path());
        if (lock < 0) continue;
        left.locks.push_back(lock);
        std::error_code inner;
        for (const auto& file : fs::directory_iterator(run.path(), inner)) {
            if (file.path().extension() != kSheetExtension) continue;
            if (!Ours(file.path(), S_IFREG, info) || static_cast<std::uint64_t>(info.st_size) > kMaxSheetFileBytes)
                continue;
            left.sheets.push_back({file.path().string()});
        }
    }
    return left;
}

bool RestoreLeftSheet(App& app, const RecoveredSheet& left, const std::string& runFolder) {
    RecoveryRecord record;
    FileImage image;
    {
        std::string bytes;
        if (auto problem = ReadFileToOpen(left.filePath, bytes, kMaxSheetFileBytes)) {
            ShowFileProblem(app.ui, *problem);
            return false;
        }
        if (!DecodeRecoveryFile(bytes, record, image)) {
            ShowFileProblem(app.ui, {FileError::CannotRead, 0, 0, FileNameOf(left.filePath),
                                     TextOf(FileText::RecoveryDamaged)});
            return false;
        }
    }
    const bool hasFile = record.hasFile && UsersVoDataFile(record.path);
    const int n = LoadImageIntoSheet(app, image, {hasFile, 0, true});
    if (n == 0) return false;
    Sheet& sheet = app.sheet(n);
    sheet.setCaption(record.caption);
    sheet.information().path = record.path;
    sheet.information().fileLabel = record.fileLabel;
    sheet.information().blankCode = record.blankCode;
    sheet.statisticsAndFile().hasFile = hasFile;
    sheet.setModified(true);
    // Moved, not copied: at every moment one file holds the sheet, until it is saved or closed.
    if (!runFolder.empty() && ::rename(left.filePath.c_str(), SheetFilePath(runFolder, n).c_str()) == 0)
        RemoveEmptyRun(fs::path(left.filePath).parent_path());
    return true;
}

void DiscardLeftSheet(const RecoveredSheet& left) {
    ::unlink(left.filePath.c_str());
    RemoveEmptyRun(fs::path(left.filePath).parent_path());
}

}  // namespace zoriduvo
